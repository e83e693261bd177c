#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Loads the user interface translation for `localeName` (for example "ru_RU") into
// `translator`: "Quellaro_<locale>" from the first of `dirs` that has it. The translator's own
// lookup cuts the name back at underscores, so Quellaro_ru.qm serves ru_RU. A locale without a
// translation of its own ("de_DE", "C") gets the English file, with its corrected spellings:
// the source texts are no one's language. Returns whether a file was loaded.
bool loadTranslation(QTranslator& translator, const QStringList& dirs, const QString& localeName);

// Loads Qt's own translation for `localeName` ("qtbase_ru.qm" from Qt's translations folder)
// into `translator`, for the standard buttons, the file dialog and the command line's help.
bool loadQtTranslation(QTranslator& translator, const QString& localeName);

// Where translations are looked for, in order: next to the program, in
// /usr/local/share/Quellaro/translations, and in the data folder of the prefix the program is
// installed in (where `cmake --install` and the Debian package put them).
QStringList translationDirs();

// The start-up of the application object: names it "Orbanek"/"Quellaro" (which places every
// QSettings store of the program), loads the translation of the system locale into
// `translator` from the first of translationDirs() that has one, and installs it whether or
// not a file was loaded. Qt's own translation of that locale goes beside it, kept until the
// application object goes. The logging category quellaro.startup tells which files were loaded.
void prepareApplication(QTranslator& translator);
