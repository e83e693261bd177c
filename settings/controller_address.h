#pragma once

#include <QString>

// The controller's address as the settings hold it, read the way a technician means it.
// Technicians write three-digit groups ("192.168.001.010", as the field's former mask had
// them); the resolver would take a leading zero for octal and reach another machine, so a
// dotted address is read group by group as decimal numbers. Host names ("localhost", "::1")
// and IPv6 addresses ("2001:db8::1") are kept as they are.
struct ControllerAddress
{
    QString host; // what to connect to: four plain decimal groups, or the host name
    quint16 port = 0;
    bool valid = false; // false: no connection may be made to it

    // "HOST:PORT", as the panels name the controller.
    QString text() const;
    // The same with an IPv6 address in brackets, "[2001:db8::1]:2050", so that the port
    // stands apart.
    QString hostAndPort() const;

    static ControllerAddress fromSettings(const QString& storedHost, const QString& storedPort);
};

// Whether a connection may be made to `host`: a dotted address of four groups of 0 to 255, an
// IPv6 address (with or without brackets), or a host name (any text without blanks, control characters or colons; in any
// script). Typed or stored, the same rule decides.
// True for an IPv6 address ("::1", "fe80::1%eth0").
bool isIpv6Address(const QString& text);
bool isUsableHost(const QString& host);

// An IPv6 address written in brackets, as beside a port ("[::1]"), without them; any other
// text as it is.
QString withoutBrackets(const QString& host);

// True for a host written with a port after a colon: "10.0.0.1:2050", "host:2050",
// "[::1]:2050". An IPv6 address alone ("::1", "fe80::1:2050") is none.
bool holdsPort(const QString& host);

// True for text made only of digits and dots: such an address is read as four decimal groups.
bool isDottedAddress(const QString& text);

// "192.168.001.010" -> "192.168.1.10". Empty when the text is not exactly four groups of
// 1 to 3 digits, each at most 255.
QString normalizedDottedAddress(const QString& text);

// A port as text: a decimal number from 1 to 65535, else 0.
quint16 portFromText(const QString& text);
