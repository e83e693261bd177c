#pragma once

class CM_NetMessge;

// Where a check gets its machine link client: the one place that makes it.
namespace CheckLink {

// A client to the controller of the settings, from the factory the panels use too, and
// followed by the program's history. The caller owns it.
CM_NetMessge* makeClient();

// Writes what `client` still holds for the controller now, without waiting for the event loop:
// for the last requests before the client is destroyed.
void flush(CM_NetMessge* client);

} // namespace CheckLink
