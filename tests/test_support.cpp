#include "test_support.h"

#include <QSettings>
#include <QTabWidget>

void setControllerAddress(const QString& host, quint16 port)
{
    SettingsStore::setControllerHost(host);
    SettingsStore::setControllerPort(QString::number(port));
}

void clearSettings()
{
    QSettings().clear();
}

void showEveryTab(QWidget* window)
{
    const QList<QTabWidget*> tabWidgets = window->findChildren<QTabWidget*>();
    for (QTabWidget* tabs : tabWidgets) {
        for (int i = tabs->count() - 1; i >= 0; --i)
            tabs->setCurrentIndex(i);
    }
    QCoreApplication::processEvents();
}
