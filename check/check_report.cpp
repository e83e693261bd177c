#include "check/check_report.h"

#include <QIODevice>
#include <QJsonArray>
#include <QXmlStreamWriter>

namespace CheckReport {

namespace {

using Status = CheckRunner::Status;

const char* statusName(Status status)
{
    switch (status) {
    case Status::Waiting:
        return "waiting";
    case Status::Running:
        return "running";
    case Status::Passed:
        return "passed";
    case Status::Failed:
        return "failed";
    case Status::TimedOut:
        return "timed-out";
    case Status::Skipped:
        return "skipped";
    case Status::NotFinished:
        return "not-finished";
    }
    return "";
}

QString outcome(const CheckRunner& runner)
{
    switch (exitCode(runner)) {
    case 0:
        return QStringLiteral("passed");
    case 1:
        return QStringLiteral("failed");
    default:
        return QStringLiteral("not run");
    }
}

QString seconds(qint64 ms)
{
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

} // namespace

QJsonObject json(const CheckRunner& runner)
{
    QJsonArray steps;
    for (int n = 0; n < runner.checklist().steps.size(); ++n) {
        const CheckStep& step = runner.checklist().steps.at(n);
        const CheckRunner::Result& result = runner.results().at(n);
        steps.append(QJsonObject{{QStringLiteral("id"), step.id},
                                 {QStringLiteral("title"), step.title},
                                 {QStringLiteral("device"), step.device},
                                 {QStringLiteral("status"), QLatin1String(statusName(result.status))},
                                 {QStringLiteral("expected"), result.expected},
                                 {QStringLiteral("seen"), result.seen},
                                 {QStringLiteral("tookMs"), double(result.tookMs)}});
    }
    return QJsonObject{{QStringLiteral("checklist"), runner.checklist().name},
                       {QStringLiteral("outcome"), outcome(runner)},
                       {QStringLiteral("steps"), steps}};
}

QString line(const CheckStep& step, const CheckRunner::Result& result)
{
    QString text = QStringLiteral("%1 %2  %3 (%4 s)")
                       .arg(CheckRunner::statusText(result.status), -12)
                       .arg(step.id, -18)
                       .arg(step.title)
                       .arg(static_cast<double>(result.tookMs) / 1000.0, 0, 'f', 1);
    if (!result.expected.isEmpty())
        return text + CheckRunner::tr(": expected %1, seen %2").arg(result.expected, result.seen);
    if (!result.seen.isEmpty())
        text += QStringLiteral(": ") + result.seen;
    return text;
}

bool writeJUnit(const CheckRunner& runner, QIODevice& device)
{
    int failures = 0;
    int errors = 0;
    int skipped = 0;
    qint64 total = 0;
    for (const CheckRunner::Result& result : runner.results()) {
        failures += result.status == Status::Failed;
        errors += result.status == Status::TimedOut || result.status == Status::NotFinished
            || result.status == Status::Waiting;
        skipped += result.status == Status::Skipped;
        total += result.tookMs;
    }
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeStartElement(QStringLiteral("testsuite"));
    xml.writeAttribute(QStringLiteral("name"), runner.checklist().name);
    xml.writeAttribute(QStringLiteral("tests"), QString::number(runner.results().size()));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(failures));
    xml.writeAttribute(QStringLiteral("errors"), QString::number(errors));
    xml.writeAttribute(QStringLiteral("skipped"), QString::number(skipped));
    xml.writeAttribute(QStringLiteral("time"), seconds(total));
    for (int n = 0; n < runner.results().size(); ++n) {
        const CheckStep& step = runner.checklist().steps.at(n);
        const CheckRunner::Result& result = runner.results().at(n);
        xml.writeStartElement(QStringLiteral("testcase"));
        xml.writeAttribute(QStringLiteral("classname"), step.device.isEmpty() ? step.id : step.device);
        xml.writeAttribute(QStringLiteral("name"), step.id);
        xml.writeAttribute(QStringLiteral("time"), seconds(result.tookMs));
        const QString message = result.expected.isEmpty()
            ? QLatin1String(statusName(result.status))
            : QStringLiteral("expected %1, seen %2").arg(result.expected, result.seen);
        if (result.status == Status::Failed || result.status == Status::TimedOut || result.status == Status::NotFinished
            || result.status == Status::Waiting) {
            xml.writeStartElement(result.status == Status::Failed ? QStringLiteral("failure")
                                                                  : QStringLiteral("error"));
            xml.writeAttribute(QStringLiteral("message"), message);
            xml.writeAttribute(QStringLiteral("type"), QLatin1String(statusName(result.status)));
            xml.writeEndElement();
        } else if (result.status == Status::Skipped) {
            xml.writeEmptyElement(QStringLiteral("skipped"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError();
}

int exitCode(const CheckRunner& runner)
{
    if (!runner.reachedMachine())
        return 2;
    bool failed = false;
    for (const CheckRunner::Result& result : runner.results()) {
        if (result.status == Status::NotFinished || result.status == Status::Waiting
            || result.status == Status::Running)
            return 2;
        failed = failed || result.status == Status::Failed || result.status == Status::TimedOut;
    }
    return failed ? 1 : 0;
}

} // namespace CheckReport
