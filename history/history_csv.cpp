#include "history/history_csv.h"

#include "history/history_model.h"
#include "history/history_texts.h"

#include <QIODevice>

namespace {

// Spreadsheets read a UTF-8 file by its byte-order mark; without it they take the system's
// encoding and garble every Russian text.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

QString field(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A spreadsheet runs a cell that begins with one of these as a formula: the apostrophe keeps a
// text a text. Values are written bare, so that they stay numbers.
QString textField(const QString& text)
{
    const bool formulaLike = !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front());
    return field(formulaLike ? QLatin1Char('\'') + text : text);
}

QString row(const HistoryEvent& event)
{
    return QStringList{LinkTrace::timeText({event.msSinceEpoch, event.offsetSeconds}),
                       QString::number(event.link),
                       HistoryTexts::kindName(event.kind),
                       field(HistoryTexts::code(event)),
                       field(HistoryTexts::value(event)),
                       textField(HistoryTexts::name(event))}
               .join(QLatin1Char(','))
        + QLatin1String("\r\n");
}

} // namespace

namespace HistoryCsv {

bool write(const HistoryModel& model, QIODevice& device, int groups)
{
    QByteArray out = QByteArray(ByteOrderMark) + "time,link,kind,code,value,text\r\n";
    for (int i = 0; i < model.count(); ++i) {
        const HistoryEvent& event = model.eventAt(i);
        if (groups != 0 && (groups & 1 << int(groupOf(event.kind))) == 0)
            continue;
        out += row(event).toUtf8();
        if (out.size() > 1 << 16) {
            if (device.write(out) != out.size())
                return false;
            out.clear();
        }
    }
    return device.write(out) == out.size();
}

} // namespace HistoryCsv
