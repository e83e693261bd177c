#include "settings/settings_store.h"

#include "settings/settings_keys.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QVariant readValue(const QString& group, const QString& key, const QVariant& fallback)
{
    QSettings settings;
    settings.beginGroup(group);
    return settings.value(key, fallback);
}

bool writeValue(const QString& group, const QString& key, const QVariant& value)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

namespace SettingsStore {

using namespace SettingsKeys;

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orbanek"));
    QCoreApplication::setApplicationName(QStringLiteral("Quellaro"));
}

QString controllerHost()
{
    return readValue(NetworkGroup, IpAddress, DefaultIpAddress).toString();
}

bool setControllerHost(const QString& host)
{
    return writeValue(NetworkGroup, IpAddress, host);
}

QString controllerPort()
{
    return readValue(NetworkGroup, IpPort, QString::number(DefaultIpPort)).toString();
}

bool setControllerPort(const QString& port)
{
    return writeValue(NetworkGroup, IpPort, port);
}

int boilerTemperature()
{
    return readValue(TemperatureGroup, Temperature, QString::number(DefaultTemperature)).toInt();
}

bool setBoilerTemperature(int degrees)
{
    return writeValue(TemperatureGroup, Temperature, degrees);
}

QString receptsFilePath()
{
    return readValue(ReceptsGroup, ReceptsFilePath, defaultReceptsFilePath()).toString();
}

bool setReceptsFilePath(const QString& path)
{
    return writeValue(ReceptsGroup, ReceptsFilePath, path);
}

} // namespace SettingsStore
