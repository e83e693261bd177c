#pragma once

#include <QString>

// Where a link client connects: the host and port as read from what the technician gave, and
// that text itself, which the trace quotes when it cannot be used.
struct LinkEndpoint
{
    QString host; // what to connect to: a dotted address, an IPv6 address or a host name
    quint16 port = 0;
    bool valid = false; // false: no connection may be made to it
    bool ipv6 = false;
    QString givenHost;
    QString givenPort;

    // "HOST:PORT", as the trace writes it.
    QString text() const { return host + QLatin1Char(':') + QString::number(port); }
    // The same with an IPv6 address in brackets, "[2001:db8::1]:2050", as the panels name it.
    QString hostAndPort() const
    {
        return ipv6 ? QLatin1Char('[') + host + QStringLiteral("]:") + QString::number(port) : text();
    }
};
