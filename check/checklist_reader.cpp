#include "check/checklist_reader.h"

#include "link/protocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

namespace ChecklistReader {

namespace {

constexpr int LongestLimitMs = 600000;

QString tr(const char* text)
{
    return QCoreApplication::translate("ChecklistReader", text);
}

// Reads one step; an empty text when it is sound, else what is wrong with it.
class StepReader
{
    Q_DECLARE_TR_FUNCTIONS(ChecklistReader)

public:
    explicit StepReader(const QJsonObject& json)
        : object(json)
    {
    }

    QString read(CheckStep* step)
    {
        QString wrong = unknownKey({"id", "title", "device", "mode", "command", "parameters", "output", "value",
                                    "expect", "question", "within"});
        if (wrong.isEmpty())
            wrong = readNames(step);
        if (wrong.isEmpty())
            wrong = readSend(step);
        if (wrong.isEmpty())
            wrong = step->question.isEmpty() ? readExpect(step) : readQuestion(step);
        return wrong;
    }

private:
    QString unknownKey(std::initializer_list<const char*> known) const
    {
        QSet<QString> names;
        for (const char* name : known)
            names.insert(QLatin1String(name));
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!names.contains(it.key()))
                return tr("\"%1\": no such field").arg(it.key());
        }
        return QString();
    }

    QString readNames(CheckStep* step) const
    {
        step->id = object.value(QLatin1String("id")).toString();
        if (step->id.isEmpty())
            return tr("\"id\": missing");
        step->title = object.value(QLatin1String("title")).toString(step->id);
        step->device = object.value(QLatin1String("device")).toString();
        step->question = object.value(QLatin1String("question")).toString();
        return QString();
    }

    static bool integer(const QJsonValue& value, int low, int high, int* out)
    {
        const double number = value.toDouble(-1e9);
        *out = int(number);
        return value.isDouble() && number == double(*out) && *out >= low && *out <= high;
    }

    QString readSend(CheckStep* step) const
    {
        const QStringList sends{QStringLiteral("mode"), QStringLiteral("command"), QStringLiteral("output")};
        QStringList given;
        for (const QString& key : sends) {
            if (object.contains(key))
                given << key;
        }
        if (given.size() > 1)
            return tr("\"%1\": a step sends one of \"mode\", \"command\" and \"output\"").arg(given.last());
        if (given.isEmpty())
            return QString();
        const QJsonValue value = object.value(given.first());
        if (given.first() == QLatin1String("mode")) {
            step->send = CheckStep::Send::Mode;
            if (!integer(value, Protocol::ModeTrade, Protocol::ModeDiagnostic, &step->code))
                return tr("\"mode\": no such mode (2 to 6)");
        } else if (given.first() == QLatin1String("command")) {
            step->send = CheckStep::Send::Command;
            if (!integer(value, Protocol::CmdSelectorDrive, Protocol::CmdMakeDrink, &step->code) || step->code == 33)
                return tr("\"command\": unknown command");
            return readParameters(step);
        } else {
            step->send = CheckStep::Send::Output;
            const RecordFields::Field field = RecordFields::byName(value.toString());
            if (field.kind != RecordFields::Kind::Output)
                return tr("\"output\": no such output");
            step->code = field.number;
            if (!integer(object.value(QLatin1String("value")), 0, 1, &step->value))
                return tr("\"value\": 0 or 1 needed");
        }
        return QString();
    }

    QString readParameters(CheckStep* step) const
    {
        if (!object.contains(QLatin1String("parameters")))
            return QString();
        const QJsonArray parameters = object.value(QLatin1String("parameters")).toArray();
        if (step->code != Protocol::CmdMakeDrink || parameters.size() != 2
            || !integer(parameters.at(0), 0, 0xFFFF, &step->parameter1)
            || !integer(parameters.at(1), 0, 0xFFFF, &step->parameter2))
            return tr("\"parameters\": two numbers, for command 34 only");
        return QString();
    }

    QString readQuestion(CheckStep* step) const
    {
        if (object.contains(QLatin1String("expect")))
            return tr("\"expect\": a question step expects the technician's answer only");
        if (!integer(object.value(QLatin1String("within")), 1, LongestLimitMs, &step->questionMs))
            return tr("\"within\": missing or not from 1 to 600000 ms");
        return QString();
    }

    QString readExpect(CheckStep* step) const
    {
        if (object.contains(QLatin1String("within")))
            return tr("\"within\": belongs to each condition of \"expect\"");
        const QJsonArray expect = object.value(QLatin1String("expect")).toArray();
        if (expect.isEmpty())
            return tr("\"expect\": missing; a step expects conditions or asks a \"question\"");
        for (int n = 0; n < expect.size(); ++n) {
            CheckCondition condition;
            const QString wrong = readCondition(expect.at(n).toObject(), &condition);
            if (!wrong.isEmpty())
                return tr("\"expect\" %1: %2").arg(n + 1).arg(wrong);
            step->expect << condition;
        }
        return QString();
    }

    static QString readCondition(const QJsonObject& json, CheckCondition* condition)
    {
        struct KindName
        {
            const char* name;
            CheckCondition::Kind kind;
        };
        static const KindName kinds[] = {{"becomes", CheckCondition::Kind::Becomes},
                                         {"rises_by", CheckCondition::Kind::RisesBy},
                                         {"pulses", CheckCondition::Kind::Pulses},
                                         {"stays", CheckCondition::Kind::Stays}};
        int given = 0;
        for (const KindName& kind : kinds) {
            if (!json.contains(QLatin1String(kind.name)))
                continue;
            ++given;
            condition->kind = kind.kind;
            if (!integer(json.value(QLatin1String(kind.name)), -0xFFFF, 0xFFFF, &condition->value))
                return tr("\"%1\": a whole number needed").arg(QLatin1String(kind.name));
        }
        for (auto it = json.begin(); it != json.end(); ++it) {
            const QString key = it.key();
            if (key != QLatin1String("field") && key != QLatin1String("within") && key != QLatin1String("becomes")
                && key != QLatin1String("rises_by") && key != QLatin1String("pulses") && key != QLatin1String("stays"))
                return tr("\"%1\": no such field").arg(key);
        }
        condition->field = RecordFields::byName(json.value(QLatin1String("field")).toString());
        if (condition->field.name.isEmpty())
            return tr("\"field\": no such field in the machine's answer");
        if (given != 1)
            return tr("one of \"becomes\", \"rises_by\", \"pulses\" and \"stays\" needed");
        if (!integer(json.value(QLatin1String("within")), 1, LongestLimitMs, &condition->withinMs))
            return tr("\"within\": missing or not from 1 to 600000 ms");
        return QString();
    }

    const QJsonObject object;
};

} // namespace

bool read(const QByteArray& json, Checklist* checklist, QString* error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = tr("not JSON at byte %1: %2").arg(parseError.offset).arg(parseError.errorString());
        return false;
    }
    const QJsonArray steps = document.object().value(QLatin1String("steps")).toArray();
    if (steps.isEmpty()) {
        *error = tr("\"steps\": missing or empty");
        return false;
    }
    Checklist read;
    read.name = document.object().value(QLatin1String("name")).toString();
    QSet<QString> ids;
    for (int n = 0; n < steps.size(); ++n) {
        CheckStep step;
        QString wrong = StepReader(steps.at(n).toObject()).read(&step);
        if (wrong.isEmpty() && ids.contains(step.id))
            wrong = tr("\"id\": another step has it");
        if (!wrong.isEmpty()) {
            *error = tr("step %1 (%2): %3").arg(n + 1).arg(step.id.isEmpty() ? tr("no id") : step.id, wrong);
            return false;
        }
        ids.insert(step.id);
        read.steps << step;
    }
    *checklist = read;
    return true;
}

bool readFile(const QString& path, Checklist* checklist, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (!read(file.readAll(), checklist, error)) {
        *error = tr("%1: %2").arg(path, *error);
        return false;
    }
    return true;
}

} // namespace ChecklistReader
