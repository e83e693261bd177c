#pragma once

#include <QString>

// The program's settings, one typed accessor per key. The file is read and written as UTF-8 on
// Qt 5 as on Qt 6, so a hand-edited value reads the same on both; what Qt 5 wrote before
// (non-ASCII characters as escapes) reads as it did. Every call opens its own short-lived
// QSettings, so a value written by one window is read by the next panel that connects.
// A setter returns false when the store could not be written (for example a settings file
// owned by another user); the value is then not kept.
namespace SettingsStore {

// Names the application "Orbanek"/"Quellaro", which places every QSettings store of the
// program. Called once, before any setting is read.
void setApplicationNames();

// The controller's address and port as stored: text, since the store may hold anything a
// user or an older version wrote there. ControllerAddress reads them.
QString controllerHost();
bool setControllerHost(const QString& host);
QString controllerPort();
bool setControllerPort(const QString& port);

// The boiler temperature as a number: 0 when the stored text is none (never a wrapped value).
int boilerTemperature();
bool setBoilerTemperature(int degrees);
// As stored: text, which may be anything a user wrote there ("85.5", "abc").
QString boilerTemperatureText();
bool setBoilerTemperatureText(const QString& text);

// The recipes file; "recepts.xml" in the current directory when none is set (not written back).
QString receptsFilePath();
bool setReceptsFilePath(const QString& path);

} // namespace SettingsStore
