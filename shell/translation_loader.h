#pragma once

#include <QString>

class QTranslator;

// Loads the user interface translation for `localeName` (for example "ru_RU") into
// `translator`: first "Quellaro_<locale>" in `programDir`, then, only if that fails, in
// `sharedDir`. The translator's own lookup cuts the name back at underscores, so
// Quellaro_ru.qm serves ru_RU. Returns whether a file was loaded.
bool loadTranslation(QTranslator& translator, const QString& programDir, const QString& sharedDir,
                     const QString& localeName);

// The second place where translations are looked for: where `cmake --install` puts them.
QString sharedTranslationsDir();

// The start-up of the application object: names it "Orbanek"/"Quellaro" (which places every
// QSettings store of the program), loads the translation of the system locale into
// `translator`, next to the program or else in the shared place, and installs it whether or
// not a file was loaded.
void prepareApplication(QTranslator& translator);
