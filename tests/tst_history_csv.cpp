// The history's CSV: each field as written, and the whole file as LibreOffice reads it.

#include "test_support.h"

#include "history/history_csv.h"
#include "history/history_model.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

using Kind = HistoryEvent::Kind;

HistoryEvent made(Kind kind, int code, int value, const QString& text = QString())
{
    HistoryEvent event;
    event.msSinceEpoch = 1000;
    event.link = 1;
    event.kind = kind;
    event.code = code;
    event.value = value;
    event.text = text;
    return event;
}

QByteArray csvOf(const QVector<HistoryEvent>& events)
{
    HistoryModel model;
    model.appendAll(events);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    return HistoryCsv::write(model, out, 0) ? out.data() : QByteArray("write failed");
}

// The cells of a flat OpenDocument spreadsheet, row by row: a text as it stands, a number as
// "#1", a formula as "formula of:=1+1", an empty cell as "".
QList<QStringList> sheetCells(const QByteArray& flatOds)
{
    QList<QStringList> rows;
    QXmlStreamReader xml(flatOds);
    QString cell;
    int repeated = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("table-row")) {
            rows.append(QStringList());
        } else if (xml.isStartElement() && name == QLatin1String("table-cell")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            repeated = qMax(1, attributes.value(QLatin1String("table:number-columns-repeated")).toInt());
            const QString formula = attributes.value(QLatin1String("table:formula")).toString();
            const bool number = attributes.value(QLatin1String("office:value-type")) == QLatin1String("float");
            cell =
                !formula.isEmpty() ? QStringLiteral("formula ") + formula : (number ? QStringLiteral("#") : QString());
        } else if (xml.isStartElement() && name == QLatin1String("tab")) {
            cell += QLatin1Char('\t');
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            cell += xml.text();
        } else if (xml.isEndElement() && name == QLatin1String("table-cell") && !rows.isEmpty()) {
            for (int i = 0; i < repeated && i < 16; ++i)
                rows.last().append(cell.trimmed());
        }
    }
    for (QStringList& row : rows) {
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
    }
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(HistoryEvent)

class TestHistoryCsv : public QObject
{
    Q_OBJECT

private slots:
    void fields_data()
    {
        QTest::addColumn<HistoryEvent>("event");
        QTest::addColumn<QByteArray>("line");
        const QString quoteOnly = QStringLiteral("he said \"no\"");
        QTest::newRow("a quote is doubled, the text quoted")
            << made(Kind::Lost, 0, 0, quoteOnly) << QByteArray(",1,lost,,,\"he said \"\"no\"\"\"\r\n");
        QTest::newRow("a comma quotes the text") << made(Kind::Lost, 0, 0, QStringLiteral("no route, host down"))
                                                 << QByteArray(",1,lost,,,\"no route, host down\"\r\n");
        QTest::newRow("Russian as UTF-8")
            << made(Kind::Lost, 0, 0, QStringLiteral("Ожидание"))
            << QByteArray(",1,lost,,,\xD0\x9E\xD0\xB6\xD0\xB8\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xB8\xD0\xB5\r\n");
        QTest::newRow("=") << made(Kind::Lost, 0, 0, QStringLiteral("=1+1")) << QByteArray(",1,lost,,,'=1+1\r\n");
        QTest::newRow("+") << made(Kind::Lost, 0, 0, QStringLiteral("+7")) << QByteArray(",1,lost,,,'+7\r\n");
        QTest::newRow("-") << made(Kind::Lost, 0, 0, QStringLiteral("-5")) << QByteArray(",1,lost,,,'-5\r\n");
        QTest::newRow("@") << made(Kind::Lost, 0, 0, QStringLiteral("@A1")) << QByteArray(",1,lost,,,'@A1\r\n");
        QTest::newRow("tab") << made(Kind::Lost, 0, 0, QStringLiteral("\t=2")) << QByteArray(",1,lost,,,'\t=2\r\n");
        QTest::newRow("carriage return") << made(Kind::Lost, 0, 0, QStringLiteral("\r=2"))
                                         << QByteArray(",1,lost,,,\"'\r=2\"\r\n");
        QTest::newRow("a minus inside") << made(Kind::Lost, 0, 0, QStringLiteral("a-5=b"))
                                        << QByteArray(",1,lost,,,a-5=b\r\n");
        QTest::newRow("a value below zero stays a number")
            << made(Kind::Temperature, 0, -55) << QByteArray(",1,temperature,,-5.5,\r\n");
        QTest::newRow("an output by its name")
            << made(Kind::Output, 17, 1) << QByteArray(",1,output,17,1,Mixer 3 Screw\r\n");
        QTest::newRow("the power input by its name") << made(Kind::Input, 0, 0) << QByteArray(",1,input,0,0,Power\r\n");
    }
    void fields()
    {
        QFETCH(HistoryEvent, event);
        QFETCH(QByteArray, line);
        QCOMPARE(csvOf({event}),
                 QByteArray("\xEF\xBB\xBFtime,link,kind,code,value,text\r\n1970-01-01T00:00:01.000+00:00") + line);
    }

    // LibreOffice reads the file as its import dialog first offers: it picks UTF-8 from the
    // byte-order mark (a technician's system encoding, Windows-1251, without), comma and quotes.
    void libreOffice()
    {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: scripts/setup.sh installs libreoffice-calc-nogui");
        const QByteArray csv = csvOf({
            made(Kind::State, 1000, 0),
            made(Kind::Lost, 0, 0, QStringLiteral("Связь потеряна, \"снова\"")),
            made(Kind::Temperature, 0, -55),
            made(Kind::Output, 17, 1),
            made(Kind::Lost, 0, 0, QStringLiteral("=1+1")),
            made(Kind::Lost, 0, 0, QStringLiteral("-5")),
            made(Kind::Lost, 0, 0, QStringLiteral("+5")),
            made(Kind::Lost, 0, 0, QStringLiteral("@SUM(1)")),
        });
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("history.csv")), csv));
        const QString encoding = csv.startsWith("\xEF\xBB\xBF") ? QStringLiteral("76") : QStringLiteral("1251");
        QProcess convert;
        convert.setWorkingDirectory(dir.path());
        convert.start(office,
                      {QStringLiteral("-env:UserInstallation=")
                           + QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                       QStringLiteral("--headless"),
                       QStringLiteral("--infilter=Text - txt - csv (StarCalc):44,34,") + encoding,
                       QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("history.csv")});
        QVERIFY(convert.waitForFinished(150000));
        const QList<QStringList> expected{
            {"time", "link", "kind", "code", "value", "text"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "state", "#1000", "", "Waiting"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "lost", "", "", "Связь потеряна, \"снова\""},
            {"1970-01-01T00:00:01.000+00:00", "#1", "temperature", "", "#-5.5"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "output", "#17", "#1", "Mixer 3 Screw"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "lost", "", "", "'=1+1"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "lost", "", "", "'-5"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "lost", "", "", "'+5"},
            {"1970-01-01T00:00:01.000+00:00", "#1", "lost", "", "", "'@SUM(1)"},
        };
        QCOMPARE(sheetCells(readFile(dir.filePath(QStringLiteral("history.fods")))), expected);
    }
};

QUELLARO_TEST_MAIN(TestHistoryCsv)
#include "tst_history_csv.moc"
