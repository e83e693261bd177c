#include "shell/translation_loader.h"

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

// QT_LOGGING_RULES="quellaro.startup.debug=true" says which translation was loaded, if any.
Q_LOGGING_CATEGORY(lcStartup, "quellaro.startup", QtWarningMsg)

bool loadTranslation(QTranslator& translator, const QStringList& dirs, const QString& localeName)
{
    const QString baseName = QStringLiteral("Quellaro_") + localeName;
    for (const QString& dir : dirs) {
        if (translator.load(baseName, dir))
            return true;
    }
    return false;
}

QStringList translationDirs()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    // The build hands down the data folder as seen from the installed program's folder, so a
    // program installed under any prefix (/usr for the package) finds the translations beside it.
    return {programDir, QStringLiteral("/usr/local/share/Quellaro/translations"),
            QDir::cleanPath(programDir + QStringLiteral("/" QUELLARO_TRANSLATIONS_FROM_PROGRAM))};
}

void prepareApplication(QTranslator& translator)
{
    SettingsStore::setApplicationNames();
    const QStringList dirs = translationDirs();
    const QString locale = QLocale::system().name();
    if (loadTranslation(translator, dirs, locale))
        qCDebug(lcStartup).noquote() << "translation loaded:" << translator.filePath();
    else
        qCDebug(lcStartup).noquote() << "no translation for" << locale << "in" << dirs.join(QStringLiteral(", "));
    QCoreApplication::installTranslator(&translator);
}
