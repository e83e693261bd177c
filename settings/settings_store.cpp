#include "settings/settings_store.h"

#include "settings/settings_keys.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// Qt 6 reads and writes the settings file as UTF-8; Qt 5 as Latin-1 unless told.
void useUtf8(QSettings& settings)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    settings.setIniCodec("UTF-8");
#else
    Q_UNUSED(settings)
#endif
}

QVariant readValue(const QString& group, const QString& key, const QVariant& fallback)
{
    QSettings settings;
    useUtf8(settings);
    settings.beginGroup(group);
    return settings.value(key, fallback);
}

bool writeValue(const QString& group, const QString& key, const QVariant& value)
{
    QSettings settings;
    useUtf8(settings);
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
    return boilerTemperatureText().toInt(nullptr, 10); // QVariant's toInt() would wrap beyond 32 bits
}

QString boilerTemperatureText()
{
    return readValue(TemperatureGroup, Temperature, QString::number(DefaultTemperature)).toString();
}

bool setBoilerTemperatureText(const QString& text)
{
    return writeValue(TemperatureGroup, Temperature, text);
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
