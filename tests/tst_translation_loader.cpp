#include "test_support.h"

#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QPushButton>
#include <QTranslator>

namespace {

// Lays "name=fixture" entries into `dir`: a copy of fixture.qm under that name, or for "name="
// a file that is no translation (the program itself lies next to its translations). The
// fixtures translate "Modes" to their own name in capitals, which tells which file was loaded.
void lay(const QString& dir, const QStringList& files)
{
    for (const QString& entry : files) {
        const QString target = dir + '/' + entry.section('=', 0, 0);
        const QString fixture = entry.section('=', 1);
        if (fixture.isEmpty()) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x7f" "ELF") == 4);
        } else {
            QVERIFY(QFile::copy(QUELLARO_TRANSLATION_FIXTURES "/" + fixture + ".qm", target));
        }
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
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("modes"); // what the main menu shows
        QTest::newRow("program dir wins") << QStringList{"Quellaro_ru_RU.qm=program"}
                                          << QStringList{"Quellaro_ru_RU.qm=shared"} << true << "PROGRAM";
        QTest::newRow("shared Quellaro_ru.qm serves ru_RU")
            << QStringList{"Quellaro="} << QStringList{"Quellaro_ru.qm=shared"} << true << "SHARED";
        QTest::newRow("none found: English") << QStringList{"Quellaro="} << QStringList{} << false << "Modes";
    }

    // As start-up does it: look the translation up for ru_RU, install it, build the menu.
    void lookup()
    {
        QFETCH(QStringList, programFiles);
        QFETCH(QStringList, sharedFiles);
        QFETCH(bool, loaded);
        QFETCH(QString, modes);
        QTemporaryDir programDir;
        QTemporaryDir sharedDir;
        lay(programDir.path(), programFiles);
        lay(sharedDir.path(), sharedFiles);

        QTranslator translator;
        QCOMPARE(loadTranslation(translator, programDir.path(), sharedDir.path(), "ru_RU"), loaded);
        QCoreApplication::installTranslator(&translator); // refused, harmlessly, when empty
        {
            Quellaro menu;
            QCOMPARE(menu.findChild<QPushButton*>("showModeButton")->text(), modes);
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

QUELLARO_TEST_MAIN(TestTranslationLoader)
#include "tst_translation_loader.moc"
