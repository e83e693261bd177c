#include "settings/controller_address.h"

#include <QHostAddress>
#include <QStringList>

#include <algorithm>

namespace {

bool isDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

// A host name as the resolver takes it: text without blanks, control characters or the
// colon of an IPv6 address. Whether it names a machine, only the resolver can say.
bool isHostName(const QString& text)
{
    if (text.isEmpty())
        return false;
    return std::none_of(text.cbegin(), text.cend(), [](const QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char(':');
    });
}

} // namespace

QString ControllerAddress::text() const
{
    return host + QLatin1Char(':') + QString::number(port);
}

QString ControllerAddress::hostAndPort() const
{
    return isIpv6Address(host) ? QLatin1Char('[') + host + QStringLiteral("]:") + QString::number(port) : text();
}

ControllerAddress ControllerAddress::fromSettings(const QString& storedHost, const QString& storedPort)
{
    ControllerAddress address;
    const QString host = withoutBrackets(storedHost.trimmed());
    address.host = isDottedAddress(host) ? normalizedDottedAddress(host) : host;
    address.port = portFromText(storedPort);
    address.valid = isUsableHost(host) && address.port != 0;
    if (address.host.isEmpty())
        address.host = host;
    return address;
}

QString withoutBrackets(const QString& host)
{
    if (host.size() > 2 && host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        QString inside = host.mid(1, host.size() - 2);
        if (isIpv6Address(inside))
            return inside;
    }
    return host;
}

bool holdsPort(const QString& host)
{
    const QString trimmed = host.trimmed();
    const int colon = int(trimmed.lastIndexOf(QLatin1Char(':')));
    if (colon < 0 || !isDigits(trimmed.mid(colon + 1)))
        return false;
    const QString before = trimmed.left(colon);
    if (before.startsWith(QLatin1Char('[')))
        return withoutBrackets(before) != before;
    return !before.isEmpty() && !before.contains(QLatin1Char(':'));
}

bool isUsableHost(const QString& host)
{
    const QString trimmed = withoutBrackets(host.trimmed());
    if (isDottedAddress(trimmed))
        return !normalizedDottedAddress(trimmed).isEmpty();
    return isIpv6Address(trimmed) || isHostName(trimmed);
}

bool isIpv6Address(const QString& text)
{
    QHostAddress address;
    return text.contains(QLatin1Char(':')) && address.setAddress(text)
        && address.protocol() == QAbstractSocket::IPv6Protocol;
}

bool isDottedAddress(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    return true;
}

QString normalizedDottedAddress(const QString& text)
{
    const QStringList groups = text.split(QLatin1Char('.'));
    if (groups.size() != 4)
        return {};
    QStringList plain;
    for (const QString& group : groups) {
        if (group.size() > 3 || !isDigits(group))
            return {};
        const int value = group.toInt(nullptr, 10);
        if (value > 255)
            return {};
        plain << QString::number(value);
    }
    return plain.join(QLatin1Char('.'));
}

quint16 portFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > 5 || !isDigits(trimmed))
        return 0;
    const int value = trimmed.toInt(nullptr, 10);
    return value >= 1 && value <= 65535 ? quint16(value) : 0;
}
