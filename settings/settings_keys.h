#pragma once

#include <QDir>
#include <QString>

// The one table of all settings of the program. Each reader and writer opens its own
// short-lived QSettings (organization "Orbanek", application "Quellaro"), enters the
// group, reads or writes and leaves the group again.
namespace SettingsKeys {

inline const QString NetworkGroup = QStringLiteral("/Settings/Network");
inline const QString IpAddress = QStringLiteral("IPAdress"); // one d, as the stored key is spelled
inline const QString IpPort = QStringLiteral("IPPort");
inline const QString DefaultIpAddress = QStringLiteral("127.0.0.1");
inline constexpr int DefaultIpPort = 2050;

inline const QString TemperatureGroup = QStringLiteral("/Settings/Temperature");
inline const QString Temperature = QStringLiteral("Temperature_1");
inline constexpr int DefaultTemperature = 80;

inline const QString ReceptsGroup = QStringLiteral("/Settings/Recepts");
inline const QString ReceptsFilePath = QStringLiteral("ReceptsFilePath");

// The recipes file when none is set: "recepts.xml" in the current directory at the moment
// of asking. Not written back.
inline QString defaultReceptsFilePath()
{
    return QDir::currentPath() + QStringLiteral("/recepts.xml");
}

} // namespace SettingsKeys
