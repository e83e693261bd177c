#include "test_support.h"

#include "shell/translation_loader.h"

#include <QTranslator>

namespace {

// Lays "name=fixture" entries into `dir`: a copy of fixture.qm, or for "name=" a copy of this
// program (the program itself lies next to its translations). Each fixture translates "Modes" to
// its own name in capitals.
void lay(const QString& dir, const QStringList& files)
{
    for (const QString& entry : files) {
        const QString fixture = entry.section('=', 1);
        QVERIFY(QFile::copy(fixture.isEmpty() ? QCoreApplication::applicationFilePath()
                                              : QUELLARO_TRANSLATION_FIXTURES "/" + fixture + ".qm",
                            dir + '/' + entry.section('=', 0, 0)));
    }
}

} // namespace

class TestTranslationLoader : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QStringList>("programFiles");
        QTest::addColumn<QStringList>("sharedFiles");
        QTest::addColumn<QString>("modes"); // empty: nothing loaded
        QTest::newRow("program dir wins") << QStringList{"Quellaro_ru_RU.qm=program"}
                                          << QStringList{"Quellaro_ru_RU.qm=shared"} << "PROGRAM";
        QTest::newRow("shared Quellaro_ru.qm serves ru_RU")
            << QStringList{"Quellaro="} << QStringList{"Quellaro_ru.qm=shared"} << "SHARED";
        QTest::newRow("no ru file: the English one")
            << QStringList{"Quellaro="} << QStringList{"Quellaro_en.qm=shared"} << "SHARED";
        QTest::newRow("none found: source texts") << QStringList{"Quellaro="} << QStringList{} << "";
    }

    // Whether start-up finds a translation for ru_RU, and which file it is.
    void lookup()
    {
        QFETCH(QStringList, programFiles);
        QFETCH(QStringList, sharedFiles);
        QFETCH(QString, modes);
        QTemporaryDir programDir;
        QTemporaryDir sharedDir;
        lay(programDir.path(), programFiles);
        lay(sharedDir.path(), sharedFiles);
        QTranslator translator;
        QCOMPARE(loadTranslation(translator, {programDir.path(), sharedDir.path()}, "ru_RU"), !modes.isEmpty());
        QCOMPARE(translator.translate("Quellaro", "Modes"), modes);
    }
};

QUELLARO_TEST_MAIN(TestTranslationLoader)
#include "tst_translation_loader.moc"
