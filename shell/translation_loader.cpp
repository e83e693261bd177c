#include "shell/translation_loader.h"

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool loadTranslation(QTranslator& translator, const QString& programDir, const QString& sharedDir,
                     const QString& localeName)
{
    const QString baseName = QStringLiteral("Quellaro_") + localeName;
    if (translator.load(programDir + QLatin1Char('/') + baseName, QStringLiteral(".")))
        return true;
    return translator.load(baseName, sharedDir);
}

QString sharedTranslationsDir()
{
    return QStringLiteral("/usr/local/share/Quellaro/translations");
}

void prepareApplication(QTranslator& translator)
{
    SettingsStore::setApplicationNames();
    loadTranslation(translator, QCoreApplication::applicationDirPath(), sharedTranslationsDir(),
                    QLocale::system().name());
    QCoreApplication::installTranslator(&translator);
}
