#include "report/visit_report.h"

#include "report/recipes_changes.h"
#include "report/temperature_curve.h"

#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "history/trace_history.h"
#include "visits/visit_folder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <climits>

namespace VisitReport {

namespace {

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

// "0:05:12"
QString duration(qint64 ms)
{
    const qint64 seconds = (ms + 500) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString row(const QStringList& cells, bool header = false)
{
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(tag, esc(cell));
    return html + QStringLiteral("</tr>\n");
}

QString table(const QStringList& header, const QVector<QStringList>& rows)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n") + row(header, true);
    for (const QStringList& cells : rows)
        html += row(cells);
    return html + QStringLiteral("</table>\n");
}

QString section(const QString& title, const QString& body)
{
    return QStringLiteral("<h2>%1</h2>\n%2").arg(esc(title), body);
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>\n").arg(esc(text));
}

// How long each mode, state and error was seen, in the order first seen.
QString statusSection(const HistoryModel& history, qint64 endMs)
{
    QVector<QStringList> rows;
    QMap<QPair<int, int>, int> rowOf; // kind, code -> row
    QVector<qint64> lasted;
    QVector<int> times;
    for (int i = 0; i < history.count(); ++i) {
        const HistoryEvent& event = history.eventAt(i);
        if (event.kind != HistoryEvent::Kind::Mode && event.kind != HistoryEvent::Kind::State
            && event.kind != HistoryEvent::Kind::Error)
            continue;
        const QPair<int, int> key(int(event.kind), event.code);
        if (!rowOf.contains(key)) {
            rowOf.insert(key, rows.size());
            rows.append({HistoryTexts::kindTitle(event.kind), HistoryTexts::text(event), QString(), QString()});
            lasted.append(0);
            times.append(0);
        }
        const int r = rowOf.value(key);
        lasted[r] += event.lastedMs >= 0 ? event.lastedMs : std::max<qint64>(0, endMs - event.msSinceEpoch);
        ++times[r];
    }
    for (int r = 0; r < rows.size(); ++r) {
        rows[r][2] = QString::number(times[r]);
        rows[r][3] = duration(lasted[r]);
    }
    if (rows.isEmpty())
        return paragraph(QCoreApplication::translate("Report", "The controller reported no mode, state or error."));
    return table({QCoreApplication::translate("Report", "Kind"), QCoreApplication::translate("Report", "What"),
                  QCoreApplication::translate("Report", "Times seen"),
                  QCoreApplication::translate("Report", "Lasted (h:mm:ss)")},
                 rows);
}

QString commandsSection(const HistoryModel& history)
{
    QVector<QStringList> rows;
    for (int i = 0; i < history.count(); ++i) {
        const HistoryEvent& event = history.eventAt(i);
        if (event.kind == HistoryEvent::Kind::Command)
            rows.append({QDateTime::fromMSecsSinceEpoch(event.msSinceEpoch).toString(QStringLiteral("HH:mm:ss")),
                         HistoryTexts::text(event), HistoryTexts::value(event)});
    }
    if (rows.isEmpty())
        return paragraph(QCoreApplication::translate("Report", "No command was sent."));
    return table({QCoreApplication::translate("Report", "Time"), QCoreApplication::translate("Report", "Command"),
                  QCoreApplication::translate("Report", "Bytes")},
                 rows);
}

QString curveSection(const QImage& curve, const HistoryModel& history, const QString& source)
{
    if (curve.isNull())
        return paragraph(QCoreApplication::translate("Report", "No boiler temperature was read."));
    int low = INT_MAX;
    int high = INT_MIN;
    for (int i = 0; i < history.count(); ++i) {
        const HistoryEvent& event = history.eventAt(i);
        if (event.kind == HistoryEvent::Kind::Temperature) {
            low = std::min(low, event.value);
            high = std::max(high, event.value);
        }
    }
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"></p>\n")
               .arg(source)
               .arg(curve.width() * 2 / 3)
               .arg(curve.height() * 2 / 3)
               .arg(esc(QCoreApplication::translate("Report", "Boiler temperature curve")))
        + paragraph(QCoreApplication::translate("Report", "Lowest %1 °C, highest %2 °C.")
                        .arg(low / 10.0, 0, 'f', 1)
                        .arg(high / 10.0, 0, 'f', 1));
}

// A step of a check's results: its title, its status, and what was expected against what was
// seen (or what was seen) with the time it took.
QStringList checkStepRow(const QJsonObject& step)
{
    const QString expected = step.value(QStringLiteral("expected")).toString();
    const QString seen = step.value(QStringLiteral("seen")).toString();
    QString detail = expected.isEmpty()
        ? seen
        : QCoreApplication::translate("Report", "expected %1, seen %2").arg(expected, seen);
    const double seconds = step.value(QStringLiteral("tookMs")).toDouble() / 1000.0;
    if (seconds > 0)
        detail += QCoreApplication::translate("Report", " (%1 s)").arg(seconds, 0, 'f', 1);
    return {step.value(QStringLiteral("title")).toString(), step.value(QStringLiteral("status")).toString(),
            detail};
}

// Each check file's steps, under the checklist's name and the check's outcome.
QString checksSection(const QString& folder)
{
    const QStringList files = QDir(folder).entryList({VisitFolder::CheckFilePattern}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return paragraph(QCoreApplication::translate("Report", "No machine check was made."));
    QString html;
    for (const QString& name : files) {
        QFile file(folder + QLatin1Char('/') + name);
        const QJsonObject check =
            file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
        html += QStringLiteral("<h3>%1: %2</h3>\n")
                    .arg(esc(check.value(QStringLiteral("checklist")).toString(name)),
                         esc(check.value(QStringLiteral("outcome")).toString()));
        QVector<QStringList> rows;
        const QJsonArray steps = check.value(QStringLiteral("steps")).toArray();
        for (const QJsonValue& value : steps)
            rows.append(checkStepRow(value.toObject()));
        html += rows.isEmpty()
            ? paragraph(QCoreApplication::translate("Report", "The file holds no results."))
            : table({QCoreApplication::translate("Report", "Step"), QCoreApplication::translate("Report", "Result"),
                     QCoreApplication::translate("Report", "Detail")},
                    rows);
    }
    return html;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString recipesSection(const QString& folder)
{
    QVector<QStringList> rows;
    const auto saves = VisitFolder::recipesSaves(folder);
    for (const auto& save : saves) {
        const QVector<RecipeChange> changes = recipeChanges(fileBytes(save.first), fileBytes(save.second));
        for (const RecipeChange& change : changes)
            rows.append({change.recipe, change.field, change.before, change.after});
    }
    if (rows.isEmpty())
        return paragraph(QCoreApplication::translate("Report", "No recipe value was changed."));
    return table({QCoreApplication::translate("Report", "Recipe"), QCoreApplication::translate("Report", "Field"),
                  QCoreApplication::translate("Report", "Before"), QCoreApplication::translate("Report", "After")},
                 rows);
}

QString machineSection(const VisitFolder::Info& info, bool withAddress)
{
    QVector<QStringList> rows{{QCoreApplication::translate("Report", "Name"), info.machineName},
                              {QCoreApplication::translate("Report", "Site"), info.site},
                              {QCoreApplication::translate("Report", "Serial number"), info.serial}};
    if (withAddress)
        rows.append({QCoreApplication::translate("Report", "Controller address"),
                     QStringLiteral("%1:%2").arg(info.address, info.port)});
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
    for (const QStringList& cells : rows)
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td>%2</td></tr>\n").arg(esc(cells[0]), esc(cells[1]));
    return html + QStringLiteral("</table>\n");
}

QString visitSection(const VisitFolder::Info& info, const QDateTime& lastLine)
{
    QVector<QStringList> rows{{QCoreApplication::translate("Report", "Began"), timeText(info.begin)}};
    if (info.end.isValid())
        rows.append({QCoreApplication::translate("Report", "Ended"), timeText(info.end)});
    else
        rows.append({QCoreApplication::translate("Report", "Ended"),
                     QCoreApplication::translate("Report", "%1 (the program stopped without ending the visit)")
                         .arg(timeText(lastLine))});
    rows.append({QCoreApplication::translate("Report", "Program"), QStringLiteral("Quellaro %1").arg(info.version)});
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
    for (const QStringList& cells : rows)
        html += QStringLiteral("<tr><th align=\"left\">%1</th><td>%2</td></tr>\n").arg(esc(cells[0]), esc(cells[1]));
    return html + QStringLiteral("</table>\n");
}

} // namespace

bool html(const QString& visitFolder, bool withAddress, const QString& curveSource, QString* html, QImage* curve,
          QString* error)
{
    VisitFolder::Info info;
    if (!VisitFolder::readInfo(visitFolder, &info)) {
        *error = QCoreApplication::translate("Report", "%1 holds no visit (no readable %2)")
                     .arg(QDir::toNativeSeparators(visitFolder), VisitFolder::InfoFile);
        return false;
    }
    HistoryModel history;
    HistoryRecorder recorder(history);
    QFile trace(visitFolder + QLatin1Char('/') + VisitFolder::TraceFile);
    if (trace.open(QIODevice::ReadOnly))
        TraceHistory::read(trace, recorder);
    const qint64 lastMs =
        history.count() > 0 ? history.eventAt(history.count() - 1).msSinceEpoch : info.begin.toMSecsSinceEpoch();
    const QDateTime lastLine = QDateTime::fromMSecsSinceEpoch(lastMs);
    const qint64 endMs = info.end.isValid() ? info.end.toMSecsSinceEpoch() : lastMs;
    *curve = temperatureCurve(history);
    const QString note = VisitFolder::note(visitFolder).trimmed();

    *html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
                           "<style>body{font-family:sans-serif;} table{border-collapse:collapse;}"
                           " th{text-align:left;background:#EFEFEF;}</style></head><body>\n<h1>%1</h1>\n")
                .arg(esc(QCoreApplication::translate("Report", "Service report: %1").arg(info.machineName)));
    *html += section(QCoreApplication::translate("Report", "Machine"), machineSection(info, withAddress));
    *html += section(QCoreApplication::translate("Report", "Technician's note"),
                     note.isEmpty() ? paragraph(QCoreApplication::translate("Report", "No note.")) : paragraph(note));
    *html += section(QCoreApplication::translate("Report", "Visit"), visitSection(info, lastLine));
    *html += section(QCoreApplication::translate("Report", "Modes, states and errors"), statusSection(history, endMs));
    *html += section(QCoreApplication::translate("Report", "Commands sent"), commandsSection(history));
    *html += section(QCoreApplication::translate("Report", "Boiler temperature"),
                     curveSection(*curve, history, curveSource));
    *html += section(QCoreApplication::translate("Report", "Machine check"), checksSection(visitFolder));
    *html += section(QCoreApplication::translate("Report", "Recipe values changed"), recipesSection(visitFolder));
    *html += QStringLiteral("</body></html>\n");
    return true;
}

bool write(const QString& visitFolder, const QString& outPath, bool withAddress, QString* error)
{
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        *error = QCoreApplication::translate("Report", "%1: the report is written as .pdf or .html").arg(outPath);
        return false;
    }
    QString text;
    QImage curve;
    const QString curveName = QStringLiteral("curve.png");
    if (!html(visitFolder, withAddress, curveName, &text, &curve, error))
        return false;
    if (pdf) {
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource, QUrl(curveName), curve);
        document.setHtml(text);
        QPdfWriter writer(outPath);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QCoreApplication::translate("Report", "Service report"));
        writer.setCreator(QStringLiteral("Quellaro"));
        document.print(&writer);
        if (!QFileInfo(outPath).isFile() || QFileInfo(outPath).size() == 0) {
            *error = QCoreApplication::translate("Report", "%1 cannot be written").arg(outPath);
            return false;
        }
        return true;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    curve.save(&buffer, "PNG");
    text.replace(QStringLiteral("src=\"%1\"").arg(curveName),
                 QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(png.toBase64())));
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        *error = QCoreApplication::translate("Report", "%1 cannot be written: %2").arg(outPath, file.errorString());
        return false;
    }
    return true;
}

} // namespace VisitReport
