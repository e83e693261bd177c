#include "test_support.h"

#include <QSettings>

void setControllerAddress(const QString& host, quint16 port)
{
    SettingsStore::setControllerHost(host);
    SettingsStore::setControllerPort(QString::number(port));
}

void clearSettings()
{
    QSettings().clear();
}
