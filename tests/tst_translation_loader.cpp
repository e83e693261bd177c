#include "test_support.h"

#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

// The fixtures translate "Modes" of the main menu to the name of the fixture in capitals,
// so that a translation tells which file was loaded. They are compiled next to this test.
static const QString fixtureDir = QStringLiteral(QUELLARO_TRANSLATION_FIXTURES);

namespace {

// "Quellaro_ru_RU.qm=program": a copy of the fixture program.qm under that name;
// "Quellaro=" a file that is no translation (the program itself lies next to its translations).
void lay(const QString& dir, const QStringList& files)
{
    for (const QString& entry : files) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString fixture = entry.section(QLatin1Char('='), 1);
        const QString target = dir + QLatin1Char('/') + name;
        if (fixture.isEmpty()) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x7f" "ELF not a translation");
        } else {
            QVERIFY2(QFile::copy(fixtureDir + QLatin1Char('/') + fixture + QStringLiteral(".qm"), target),
                     qPrintable(target));
        }
    }
}

} // namespace

class TestTranslationLoader : public QObject
{
    Q_OBJECT

private slots:
    void fixturesExist();
    void lookupOrder_data();
    void lookupOrder();
    void missingSharedDirectory();
    void sharedDirectory();
    void menuShowsTheLoadedTranslation_data();
    void menuShowsTheLoadedTranslation();
};

void TestTranslationLoader::fixturesExist()
{
    for (const char* name : {"program", "shared", "generic"}) {
        QTranslator translator;
        QVERIFY(translator.load(QLatin1String(name), fixtureDir));
        QCOMPARE(translator.translate("Quellaro", "Modes"), QString::fromLatin1(name).toUpper());
    }
}

void TestTranslationLoader::lookupOrder_data()
{
    QTest::addColumn<QStringList>("programFiles");
    QTest::addColumn<QStringList>("sharedFiles");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("modes"); // the translation of "Modes", empty when none

    const QString ruRU = QStringLiteral("ru_RU");
    QTest::newRow("program dir wins") << QStringList{"Quellaro_ru_RU.qm=program"}
                                      << QStringList{"Quellaro_ru_RU.qm=shared"} << ruRU << true << "PROGRAM";
    QTest::newRow("program dir, language only, wins over the exact locale in the shared dir")
        << QStringList{"Quellaro_ru.qm=program"} << QStringList{"Quellaro_ru_RU.qm=shared"} << ruRU << true
        << "PROGRAM";
    QTest::newRow("shared dir serves ru_RU with Quellaro_ru.qm")
        << QStringList{} << QStringList{"Quellaro_ru.qm=shared"} << ruRU << true << "SHARED";
    QTest::newRow("the program file next to it is no translation")
        << QStringList{"Quellaro="} << QStringList{"Quellaro_ru.qm=shared"} << ruRU << true << "SHARED";
    QTest::newRow("Quellaro.qm serves any locale")
        << QStringList{} << QStringList{"Quellaro.qm=generic"} << QStringLiteral("de_AT") << true << "GENERIC";
    QTest::newRow("another language is not taken")
        << QStringList{"Quellaro_de.qm=program"} << QStringList{"Quellaro_de_DE.qm=shared"} << ruRU << false
        << "";
    QTest::newRow("none found") << QStringList{} << QStringList{} << ruRU << false << "";
    QTest::newRow("none found, program file only") << QStringList{"Quellaro="} << QStringList{} << ruRU << false
                                                    << "";
}

void TestTranslationLoader::lookupOrder()
{
    QFETCH(QStringList, programFiles);
    QFETCH(QStringList, sharedFiles);
    QFETCH(QString, locale);
    QFETCH(bool, loaded);
    QFETCH(QString, modes);

    QTemporaryDir programDir;
    QTemporaryDir sharedDir;
    lay(programDir.path(), programFiles);
    lay(sharedDir.path(), sharedFiles);

    QTranslator translator;
    QCOMPARE(loadTranslation(translator, programDir.path(), sharedDir.path(), locale), loaded);
    QCOMPARE(translator.translate("Quellaro", "Modes"), modes);
    QCOMPARE(translator.isEmpty(), !loaded);
}

void TestTranslationLoader::missingSharedDirectory()
{
    QTemporaryDir programDir;
    QTranslator translator;
    QVERIFY(!loadTranslation(translator, programDir.path(), programDir.path() + QStringLiteral("/missing"),
                             QStringLiteral("ru_RU")));
    QVERIFY(translator.isEmpty());
}

void TestTranslationLoader::sharedDirectory()
{
    QCOMPARE(sharedTranslationsDir(), QStringLiteral("/usr/local/share/Quellaro/translations"));
}

void TestTranslationLoader::menuShowsTheLoadedTranslation_data()
{
    QTest::addColumn<QStringList>("programFiles");
    QTest::addColumn<QString>("modes");
    QTest::newRow("translated") << QStringList{"Quellaro_ru.qm=program"} << "PROGRAM";
    QTest::newRow("English when none is found") << QStringList{} << "Modes";
}

// As start-up does it: the translator is installed whether or not a file was loaded, then
// the menu is built.
void TestTranslationLoader::menuShowsTheLoadedTranslation()
{
    QFETCH(QStringList, programFiles);
    QFETCH(QString, modes);

    QTemporaryDir programDir;
    QTemporaryDir sharedDir;
    lay(programDir.path(), programFiles);

    QTranslator translator;
    const bool loaded = loadTranslation(translator, programDir.path(), sharedDir.path(), QStringLiteral("ru_RU"));
    QCOMPARE(loaded, !programFiles.isEmpty());
    QCoreApplication::installTranslator(&translator); // refused (and harmless) when empty
    {
        Quellaro menu;
        auto* button = menu.findChild<QPushButton*>(QStringLiteral("showModeButton"));
        QVERIFY(button);
        QCOMPARE(button->text(), modes);
        auto* quit = menu.findChild<QPushButton*>(QStringLiteral("quitButton"));
        QVERIFY(quit);
        QCOMPARE(quit->text(), QStringLiteral("Quit")); // not in the fixture: stays English
    }
    QCoreApplication::removeTranslator(&translator);
}

QUELLARO_TEST_MAIN(TestTranslationLoader)
#include "tst_translation_loader.moc"
