#include "history/history_texts.h"

#include "link/failure_texts.h"
#include "link/frame_codec.h"
#include "link/link_timing.h"
#include "link/protocol.h"
#include "link/status_texts.h"

#include <QCoreApplication>
#include <QMap>

#include <iterator>

namespace {

const char* const KindNames[] = {"connected",   "lost",  "not-answering", "answering", "mode",     "state",     "error",
                                 "temperature", "input", "output",        "command",   "not-sent", "check-step"};

const char* const KindTitles[] = {
    QT_TRANSLATE_NOOP("HistoryTexts", "Connected"),     QT_TRANSLATE_NOOP("HistoryTexts", "Lost"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Not answering"), QT_TRANSLATE_NOOP("HistoryTexts", "Answering"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mode"),          QT_TRANSLATE_NOOP("HistoryTexts", "State"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Error"),         QT_TRANSLATE_NOOP("HistoryTexts", "Temperature"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Input"),         QT_TRANSLATE_NOOP("HistoryTexts", "Output"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Command"),       QT_TRANSLATE_NOOP("HistoryTexts", "Not sent"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Check step"),
};
static_assert(std::size(KindNames) == int(HistoryEvent::Kind::CheckStep) + 1, "a name for each kind");
static_assert(std::size(KindTitles) == std::size(KindNames), "a title for each kind");

// How a check step ended, by CheckOutcome: the CSV's word and the machine check's own word.
const char* const OutcomeNames[] = {"passed", "failed", "timed-out", "skipped", "not-finished"};
const char* const OutcomeWords[] = {
    QT_TRANSLATE_NOOP("CheckRunner", "passed"),       QT_TRANSLATE_NOOP("CheckRunner", "failed"),
    QT_TRANSLATE_NOOP("CheckRunner", "timed out"),    QT_TRANSLATE_NOOP("CheckRunner", "skipped"),
    QT_TRANSLATE_NOOP("CheckRunner", "not finished"),
};
static_assert(std::size(OutcomeNames) == int(HistoryEvent::CheckOutcome::NotFinished) + 1, "a name for each outcome");
static_assert(std::size(OutcomeWords) == std::size(OutcomeNames), "a word for each outcome");

// The inputs panel's captions, in the machine's input order.
const char* const InputCaptions[] = {
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Power is On"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Dispenser sugar in initial state"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Water level is full"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Water selector in initial state"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Water selector in referent point"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Water sensor counter"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Dispenser cup (cup found)"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Dispenser cup in initial state"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Coffee metering is full"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Cofee group in initial state"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Cofee group in work state"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Garbage container is full"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Dispenser cup (cup in position for out)"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Diagnostic Button"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Trade Button"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Master Button"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Operator Button"),
    QT_TRANSLATE_NOOP("ShowInputsDialog", "Washing Button"),
};

// The outputs panel's captions, by output number.
const char* const OutputCaptions[] = {
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Water selector On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Boiler heating On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Boiler pump On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Boiler valve 1 On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Boiler valve 2 On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Coffe grinder On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Cooler On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Coffe metering unload"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Coffe group On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Dispenser cup rotation"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Dispender cup unload"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Dispenser sugar down"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Dispenser sugar screw On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 1 Screw On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 1 Drive On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 2  Screw On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 2 Drive On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 3 Screw On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 3 Drive On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 4  Screw On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Mixer 4  Drive On"),
    QT_TRANSLATE_NOOP("ShowOutputsDialog", "Water pump On"),
};
// The outputs by name, without the check boxes' "On" that reads as a value, by output number.
const char* const OutputNames[] = {
    QT_TRANSLATE_NOOP("HistoryTexts", "Water selector"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Boiler heating"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Boiler pump"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Boiler valve 1"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Boiler valve 2"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Coffe grinder"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Cooler"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Coffe metering unload"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Coffe group"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Dispenser cup rotation"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Dispender cup unload"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Dispenser sugar down"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Dispenser sugar screw"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 1 Screw"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 1 Drive"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 2 Screw"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 2 Drive"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 3 Screw"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 3 Drive"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 4 Screw"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Mixer 4 Drive"),
    QT_TRANSLATE_NOOP("HistoryTexts", "Water pump"),
};
static_assert(std::size(InputCaptions) == Protocol::InputCount, "a caption for each input");
static_assert(std::size(OutputCaptions) == Protocol::OutputCount, "a caption for each output");
static_assert(std::size(OutputNames) == Protocol::OutputCount, "a name for each output");

// The boiler panel's buttons, by the command they send.
struct CommandCaption
{
    int command;
    const char* caption;
};
const CommandCaption BoilerCommands[] = {
    {Protocol::CmdBoilerHeating, QT_TRANSLATE_NOOP("TestBoilerDialog", "Boiler On")},
    {Protocol::CmdBoilerPump, QT_TRANSLATE_NOOP("TestBoilerDialog", "Pump On")},
    {Protocol::CmdValve1, QT_TRANSLATE_NOOP("TestBoilerDialog", "Valve 1")},
    {Protocol::CmdValve2, QT_TRANSLATE_NOOP("TestBoilerDialog", "Valve 2")},
    {Protocol::CmdWaterToCofeeGroup, QT_TRANSLATE_NOOP("TestBoilerDialog", "Water in cofegroup")},
    {Protocol::CmdWaterToMixer, QT_TRANSLATE_NOOP("TestBoilerDialog", "Water in mixer")},
};

QString tr(const char* text)
{
    return QCoreApplication::translate("HistoryTexts", text);
}

// The status texts of the program's language, made once.
struct StatusMaps
{
    QMap<int, QString> modes, states, errors;
    StatusMaps()
    {
        StatusTexts::fillModeTexts(modes);
        StatusTexts::fillStateTexts(states);
        StatusTexts::fillErrorTexts(errors);
    }
};
const StatusMaps& statusMaps()
{
    static const StatusMaps maps;
    return maps;
}

QString statusText(const QMap<int, QString>& texts, const char* unknown, int code)
{
    const QString text = texts.value(code);
    return text.isEmpty() ? QCoreApplication::translate("PollingDialog", unknown).arg(code) : text;
}

QString caption(const char* context, const char* const* captions, int count, int number)
{
    return number >= 0 && number < count ? QCoreApplication::translate(context, captions[number]) : QString();
}

// A check step's outcome from `names`, null for a code of none.
const char* outcome(const char* const* names, int code)
{
    return code >= 0 && code < int(std::size(OutcomeNames)) ? names[code] : nullptr;
}

QString requestCommandText(const FrameCodec::Request& request)
{
    for (const CommandCaption& known : BoilerCommands) {
        if (known.command == request.arg1)
            return QCoreApplication::translate("TestBoilerDialog", known.caption);
    }
    if (request.arg1 == Protocol::CmdMakeDrink)
        return QCoreApplication::translate("HistoryTexts", "Make drink %1, sugar %2").arg(request.arg2).arg(request.arg3);
    return QString();
}

} // namespace

HistoryGroup groupOf(HistoryEvent::Kind kind)
{
    using Kind = HistoryEvent::Kind;
    switch (kind) {
    case Kind::Mode:
    case Kind::State:
    case Kind::Error:
        return HistoryGroup::Status;
    case Kind::Temperature:
        return HistoryGroup::Temperature;
    case Kind::Input:
    case Kind::Output:
        return HistoryGroup::InputsOutputs;
    case Kind::Command:
    case Kind::NotSent:
        return HistoryGroup::Commands;
    case Kind::CheckStep:
        return HistoryGroup::Check;
    default:
        return HistoryGroup::Link;
    }
}

namespace HistoryTexts {

QString kindName(HistoryEvent::Kind kind)
{
    return QLatin1String(KindNames[int(kind)]);
}

QString kindTitle(HistoryEvent::Kind kind)
{
    return tr(KindTitles[int(kind)]);
}

QString text(const HistoryEvent& event)
{
    using Kind = HistoryEvent::Kind;
    switch (event.kind) {
    case Kind::Mode:
        return statusText(statusMaps().modes, "Unknown mode %1", event.code);
    case Kind::State:
        return statusText(statusMaps().states, "Unknown state %1", event.code);
    case Kind::Error:
        return statusText(statusMaps().errors, "Unknown error %1", event.code);
    case Kind::Input:
        return caption("ShowInputsDialog", InputCaptions, Protocol::InputCount, event.code);
    case Kind::Output:
        return caption("ShowOutputsDialog", OutputCaptions, Protocol::OutputCount, event.code);
    default:
        return event.text;
    }
}

QString name(const HistoryEvent& event)
{
    if (event.kind == HistoryEvent::Kind::Output)
        return caption("HistoryTexts", OutputNames, Protocol::OutputCount, event.code);
    // The other inputs' captions name them; the power input's says its state.
    if (event.kind == HistoryEvent::Kind::Input && event.code == 0)
        return QCoreApplication::translate("HistoryTexts", "Power");
    return text(event);
}

QString shownValue(const HistoryEvent& event)
{
    if (event.kind == HistoryEvent::Kind::Input || event.kind == HistoryEvent::Kind::Output)
        return event.value != 0 ? QCoreApplication::translate("HistoryTexts", "on")
                                : QCoreApplication::translate("HistoryTexts", "off");
    return value(event);
}

QString value(const HistoryEvent& event)
{
    using Kind = HistoryEvent::Kind;
    switch (event.kind) {
    case Kind::Temperature:
        return QString::number(event.value / 10.0, 'f', 1);
    case Kind::Input:
    case Kind::Output:
        return QString::number(event.value);
    case Kind::Command:
    case Kind::NotSent:
        return QString::fromLatin1(event.bytes.toHex(' '));
    case Kind::CheckStep:
        return QString::fromUtf8(event.bytes);
    default:
        return QString();
    }
}

QString code(const HistoryEvent& event)
{
    using Kind = HistoryEvent::Kind;
    switch (event.kind) {
    case Kind::Mode:
    case Kind::State:
    case Kind::Error:
    case Kind::Input:
    case Kind::Output:
    case Kind::Command:
    case Kind::NotSent:
        return QString::number(event.code);
    case Kind::CheckStep:
        return QLatin1String(outcome(OutcomeNames, event.code));
    default:
        return QString();
    }
}

QString shownCode(const HistoryEvent& event)
{
    const char* word = event.kind == HistoryEvent::Kind::CheckStep ? outcome(OutcomeWords, event.code) : nullptr;
    return word ? QCoreApplication::translate("CheckRunner", word) : code(event);
}

QString lostText(LinkFailure lost, const QString& socketText)
{
    return FailureTexts::fragment(lost, socketText, LinkTiming().connectTimeoutMs);
}

QString notSentText(const QString& traceReason)
{
    if (traceReason == QLatin1String("not connected yet"))
        return QCoreApplication::translate("HistoryTexts", "not connected yet");
    if (traceReason == QLatin1String("connection lost"))
        return QCoreApplication::translate("HistoryTexts", "connection lost");
    if (traceReason == QLatin1String("no connection"))
        return QCoreApplication::translate("HistoryTexts", "no connection");
    return traceReason;
}

QString commandText(const QByteArray& frame)
{
    FrameCodec::Request request;
    if (FrameCodec::parseRequest(frame.constData(), frame.size(), &request) <= 0)
        return QString();
    switch (request.type) {
    case Protocol::RequestModeSwitch:
        return QCoreApplication::translate("HistoryTexts", "Switch to mode %1").arg(statusText(statusMaps().modes, "Unknown mode %1", request.arg1));
    case Protocol::RequestCommand:
        return requestCommandText(request);
    case Protocol::RequestOutput:
        return QCoreApplication::translate("HistoryTexts", "%1 set to %2")
            .arg(caption("ShowOutputsDialog", OutputCaptions, Protocol::OutputCount, request.arg1))
            .arg(request.arg2);
    default:
        return QString();
    }
}

} // namespace HistoryTexts
