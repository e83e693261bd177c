#include "test_support.h"

#include "settings/settings_keys.h"

#include <QSettings>

void setControllerAddress(const QString& host, quint16 port)
{
    QSettings settings;
    settings.beginGroup(SettingsKeys::NetworkGroup);
    settings.setValue(SettingsKeys::IpAddress, host);
    settings.setValue(SettingsKeys::IpPort, QString::number(port));
    settings.endGroup();
}

void clearSettings()
{
    QSettings().clear();
}
