// The service report of a visit, as the program writes it with --report: the PDF's text read
// back with pdftotext, its first page drawn with pdftoppm, the HTML shown by headless Chromium.
#include "test_support.h"

#include "visits/visit_folder.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

namespace {

// Runs `program` with `arguments`; its standard output, or a null array when it failed.
QByteArray run(const QString& program, const QStringList& arguments, const QByteArray& lang = "C")
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lang));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the report needs no display
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return QByteArray();
    }
    return process.readAllStandardOutput() + ' ';
}

// Pixels of the curve's red in `image`.
int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.green() < 110 && c.blue() < 110;
        }
    }
    return count;
}

// The words of `text` one blank apart, so that the layout's line breaks and columns do not count,
// without the pages' numbers, which fall wherever a Qt breaks the pages.
QString words(const QByteArray& text)
{
    QString joined;
    for (const QString& line : QString::fromUtf8(text).split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
        if (!QRegularExpression(QStringLiteral("^\\s*\\d+\\s*$")).match(line).hasMatch())
            joined += line + QLatin1Char(' ');
    }
    return joined.simplified();
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString visit;

private slots:
    // A visit of the recorded session where the controller falls silent, comes back in mode
    // Trade and closes the connection, with a Boiler On sent, a recipes Save and a check.
    void initTestCase()
    {
        visit = dir.filePath(QStringLiteral("lobby/20261207-055008"));
        QVERIFY(QDir().mkpath(visit));
        VisitFolder::Info info{"Lobby",
                               "Hall B",
                               "SN-0042",
                               "10.20.30.40",
                               "2050",
                               QDateTime::fromString("2026-12-07T05:50:08.000+00:00", Qt::ISODateWithMs),
                               QDateTime::fromString("2026-12-07T05:50:14.000+00:00", Qt::ISODateWithMs),
                               "1.0.0",
                               "ok"};
        QVERIFY(VisitFolder::writeInfo(visit, info));
        QByteArray trace = readFile(QStringLiteral(QUELLARO_RECORDINGS "/controller_stops_answering.trace"));
        const QByteArray before("2026-12-07T05:50:09.026+00:00 #2 request");
        QVERIFY(trace.contains(before));
        trace.replace(
            before, "2026-12-07T05:50:09.000+00:00 #2 request to 127.0.0.1:33767: 03 06 14 00 00 00 00 00\n" + before);
        QVERIFY(writeFile(visit + "/trace.txt", trace));
        QVERIFY(writeFile(visit + "/note.txt", "Replaced the pump seal."));
        const QByteArray recipes = readFile(QStringLiteral(QUELLARO_TEST_DATA "/recepts_two.xml"));
        QVERIFY(writeFile(visit + "/recipes-001-before.xml", recipes));
        QByteArray changed = recipes;
        changed.replace("<Water Value=\"40\"/>", "<Water Value=\"55\"/>");
        changed.replace("<IngridientRashod Value=\"1\">20</IngridientRashod>",
                        "<IngridientRashod Value=\"1\">25</IngridientRashod>");
        QVERIFY(writeFile(visit + "/recipes-001-after.xml", changed));
        QVERIFY(writeFile(visit + "/check-boiler.json",
                          R"({"checklist": "Boiler check", "outcome": "failed", "steps": [
                              {"title": "Heating", "status": "passed", "expected": "", "seen": "+2.4 °C",
                               "tookMs": 9500},
                              {"title": "Boiler pump", "status": "failed", "expected": "boiler_pump = 1", "seen": "boiler_pump = 0",
                               "tookMs": 1000}]})"));
    }

    // Every section with its figures; the address only when asked for.
    void pdfText_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("withAddress");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English")
            << QByteArray("C") << false
            << QStringList{"Service report: Lobby",
                           "Machine Name Lobby Site Hall B Serial number SN-0042 Technician's note",
                           "Technician's note Replaced the pump seal. Visit",
                           "Began 2026-12-07 05:50:08 Ended 2026-12-07 05:50:14 Program Quellaro 1.0.0",
                           "Modes, states and errors Kind What Times seen Lasted (h:mm:ss) "
                           "Mode Master 1 0:00:04 State Waiting 1 0:00:05 Error All correct 1 0:00:05 "
                           "Mode Trade 1 0:00:02",
                           "Commands sent Time Command Bytes 05:50:09 Boiler On 03 06 14 00 00 00 00 00",
                           "Boiler temperature",
                           "Lowest 91.8 °C, highest 92.5 °C.",
                           "Machine check Boiler check: failed Step Result Detail Heating passed +2.4 °C (9.5 s) "
                           "Boiler pump failed expected boiler_pump = 1, seen boiler_pump = 0 (1.0 s)",
                           "Recipe values changed Recipe Field Before After Latte Water 40 55 "
                           "Latte IngridientRashod 1 20 25"};
        QTest::newRow("Russian, with the address")
            << QByteArray("ru_RU.UTF-8") << true
            << QStringList{"Сервисный отчёт: Lobby",
                           "Адрес контроллера 10.20.30.40:2050",
                           "Заметка техника Replaced the pump seal.",
                           "Режим Мастер 1 0:00:04",
                           "Отправленные команды Время Команда Байты 05:50:09 Включить бойлер 03 06 14 00 00 00 00 00",
                           "Рецепт Поле Было Стало Latte Water 40 55"};
    }

    void pdfText()
    {
        QFETCH(QByteArray, lang);
        QFETCH(bool, withAddress);
        QFETCH(QStringList, expected);
        const QString pdf =
            dir.filePath(QStringLiteral("report-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        QStringList arguments{"--report", visit, "--out", pdf};
        if (withAddress)
            arguments << "--with-address";
        QVERIFY(!run(QStringLiteral(QUELLARO_PROGRAM), arguments, lang).isNull());
        const QString text = words(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}));
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral("\nnot in:\n") + text));
        QCOMPARE(text.contains(QStringLiteral("10.20.30.40")), withAddress);
    }

    // The first page as pdftoppm draws it: the curve is there. The picture is kept for a look.
    void pdfPicture()
    {
        const QString pdf = dir.filePath(QStringLiteral("picture.pdf"));
        QVERIFY(!run(QStringLiteral(QUELLARO_PROGRAM), {"--report", visit, "--out", pdf}).isNull());
        const QString picture = QStringLiteral(QUELLARO_BINARY_DIR "/tst_report_page");
        QVERIFY(
            !run(QStringLiteral("pdftoppm"), {"-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile", pdf, picture})
                 .isNull());
        const QImage page(picture + ".png");
        QVERIFY(!page.isNull());
        QVERIFY2(redPixels(page) > 200, qPrintable(QString::number(redPixels(page))));
    }

    // One self-contained HTML file, shown by a real browser with the curve.
    void html()
    {
        const QString html = dir.filePath(QStringLiteral("report.html"));
        QVERIFY(!run(QStringLiteral(QUELLARO_PROGRAM), {"--report", visit, "--out", html}).isNull());
        const QByteArray bytes = readFile(html);
        QVERIFY(bytes.contains("<img src=\"data:image/png;base64,iVBORw0KGgo"));
        QVERIFY(!bytes.contains("src=\"curve.png\""));
        QVERIFY(!bytes.contains("10.20.30.40"));
        if (!QFileInfo::exists(QStringLiteral("/usr/bin/chromium")))
            QSKIP("Debian's chromium is not installed");
        const QString shot = QStringLiteral(QUELLARO_BINARY_DIR "/tst_report_html.png");
        QFile::remove(shot);
        run(QStringLiteral("/usr/bin/chromium"),
            {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--window-size=1000,1800",
             "--screenshot=" + shot, QUrl::fromLocalFile(html).toString()});
        const QImage image(shot);
        QVERIFY2(!image.isNull(), "Chromium took no screenshot");
        QVERIFY2(redPixels(image) > 200, qPrintable(QString::number(redPixels(image))));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("no --out") << QStringList{"--report", "x"} << "Quellaro: --report needs --out FILE\n";
        QTest::newRow("other file kind") << QStringList{"--report", "VISIT", "--out", "r.txt"}
                                         << "Quellaro: r.txt: the report is written as .pdf or .html\n";
        QTest::newRow("no visit") << QStringList{"--report", "/nonexistent", "--out", "r.pdf"}
                                  << "Quellaro: /nonexistent holds no visit (no readable visit.json)\n";
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        arguments.replaceInStrings(QStringLiteral("VISIT"), visit);
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(QUELLARO_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.endsWith(error), qPrintable(said));
    }
};

QUELLARO_TEST_MAIN(TestReport)
#include "tst_report.moc"
