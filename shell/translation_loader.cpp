#include "shell/translation_loader.h"

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

// QT_LOGGING_RULES="quellaro.startup.debug=true" says which translation was loaded, if any.
Q_LOGGING_CATEGORY(lcStartup, "quellaro.startup", QtWarningMsg)

namespace {

bool loadFrom(QTranslator& translator, const QStringList& dirs, const QString& baseName)
{
    for (const QString& dir : dirs) {
        if (translator.load(baseName, dir))
            return true;
    }
    return false;
}

QString qtTranslationsDir()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

bool loadTranslation(QTranslator& translator, const QStringList& dirs, const QString& localeName)
{
    return loadFrom(translator, dirs, QStringLiteral("Quellaro_") + localeName)
        || loadFrom(translator, dirs, QStringLiteral("Quellaro_en"));
}

bool loadQtTranslation(QTranslator& translator, const QString& localeName)
{
    // Qt's texts are English: an English or unknown locale needs nothing.
    return translator.load(QStringLiteral("qtbase_") + localeName, qtTranslationsDir());
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
    // In the language the program speaks: German Qt buttons beside the English fallback would
    // make a mixture.
    const QString language = translator.language().isEmpty() ? locale : translator.language();
    auto* qtTranslator = new QTranslator(QCoreApplication::instance()); // goes with the application
    if (loadQtTranslation(*qtTranslator, language)) {
        qCDebug(lcStartup).noquote() << "Qt's translation loaded:" << qtTranslator->filePath();
        QCoreApplication::installTranslator(qtTranslator);
    }
}
