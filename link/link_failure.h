#pragma once

// Why a link was lost: the client tells it, the trace writes it by name ("closed-by-controller")
// and link/failure_texts.h says it in words.
enum class LinkFailure {
    None,               // not lost; in a trace, an error line from before the names
    Refused,            // nothing listens at the port
    HostNotFound,       // the host name does not resolve
    ClosedByController, // the controller ended an open connection
    TimedOut,           // no connection within LinkTiming::connectTimeoutMs
    NetworkUnreachable, // no route to the controller
    Other,              // any other socket error: the socket's text says what
};
