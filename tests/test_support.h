#pragma once

#include "settings/settings_store.h"
#include "shell/high_dpi.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Every test's main: offscreen unless asked otherwise, throwaway settings and data folder, the program's names and images.
#define QUELLARO_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[])                                                              \
    {                                                                                             \
        QTemporaryDir configHome;                                                                 \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());                              \
        QTemporaryDir dataHome;                                                                   \
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                       \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                              \
        Q_INIT_RESOURCE(images);                                                                  \
        enableHighDpi();                                                                          \
        QApplication app(argc, argv);                                                             \
        SettingsStore::setApplicationNames();                                                     \
        TestClass test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                   \
    }

// "03 06 22 00" -> bytes; blanks are ignored.
inline QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Points the machine link client at 127.0.0.1:`port` through the settings store.
void setControllerAddress(const QString& host, quint16 port);

// Removes every stored setting.
void clearSettings();

// Shows every tab of every tab widget in `window` once, ending on the first: a recipes tab
// builds its form when first shown.
void showEveryTab(QWidget* window);
