#include "simulator/machine_model.h"

#include "link/protocol.h"
#include "link/record_fields.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdlib>

using namespace Protocol;

namespace {

// What a script runs on: a new script on an activity replaces the one still running there.
enum Activity : int {
    ActSelector = 1,
    ActCupDispenser,
    ActSugarDispenser,
    ActGrinder,
    ActMetering,
    ActCoffeeGroup,
    ActMode,
    ActCycle,           // the drink cycle and the diagnostic walk: both drive the state code
    ActPulseBase = 100, // + command code: mixers and boiler, one per command
};

// What each fault does: the outputs it holds off and the inputs it freezes (-1: none).
struct FaultEffect
{
    const char* name;
    std::array<int, 2> outputsOff;
    std::array<int, 3> inputsFrozen;
};

constexpr int None = -1;
const FaultEffect FaultEffects[MachineModel::FaultCount] = {
    {"heating", {None, None}, {None, None, None}},
    {"boiler-pump", {OutBoilerPump, None}, {None, None, None}},
    {"valve-1", {OutBoilerValve1, None}, {None, None, None}},
    {"valve-2", {OutBoilerValve2, None}, {None, None, None}},
    {"water-pump", {OutWaterPump, None}, {None, None, None}},
    {"flow-sensor", {None, None}, {InWaterSensorCounter, None, None}},
    {"selector", {None, None}, {InWaterSelectorInsrc, InWaterSelectorInrefpoint, None}},
    {"mixer-1", {OutMixer1Screw, OutMixer1Drive}, {None, None, None}},
    {"mixer-2", {OutMixer2Screw, OutMixer2Drive}, {None, None, None}},
    {"mixer-3", {OutMixer3Screw, OutMixer3Drive}, {None, None, None}},
    {"mixer-4", {OutMixer4Screw, OutMixer4Drive}, {None, None, None}},
    {"cup-dispenser", {None, None}, {InDispenserCupInsrc, InDispenserCupFound, InDispenserCupOutpos}},
    {"sugar-dispenser", {None, None}, {InDispenserSugarInsrc, None, None}},
    {"coffee-group", {None, None}, {InCofeeGroupInsrc, InCofeeGroupInwork, None}},
};

constexpr int SelectorStepMs = 300;
constexpr int SelectorStartMs = 400;

} // namespace

// A list of timed steps on one activity, written in the order they happen: after() moves
// the script's cursor on, the other calls schedule a step at the cursor.
class MachineModel::Script
{
public:
    Script(MachineModel& model, int activityToRun)
        : m(model)
        , activity(activityToRun)
    {
        m.cancel(activity);
    }

    Script& after(int ms)
    {
        cursor += ms;
        return *this;
    }
    Script& call(std::function<void()> action)
    {
        m.schedule(m.clock + cursor, activity, std::move(action));
        return *this;
    }
    Script& output(int number, bool on)
    {
        MachineModel* model = &m;
        return call([model, number, on] { model->setOutput(number, on); });
    }
    Script& input(int number, bool on)
    {
        MachineModel* model = &m;
        return call([model, number, on] { model->setInput(number, on); });
    }
    Script& state(int code)
    {
        MachineModel* model = &m;
        return call([model, code] { model->setState(code); });
    }

private:
    MachineModel& m;
    const int activity;
    qint64 cursor = 0;
};

MachineModel::MachineModel()
{
    modeCode = ModeTrade;
    stateCode = StateWaiting;
    errorCode = ErrorNone;
    temperatureMilli = qint64(AmbientTemperature) * 1000;
    for (int in :
         {InPower, InWaterLevel, InDispenserSugarInsrc, InWaterSelectorInsrc, InDispenserCupInsrc, InCofeeGroupInsrc})
        inputs[size_t(in)] = true;
}

void MachineModel::advance(int ms)
{
    const qint64 target = clock + qMax(ms, 0);
    while (!steps.empty() && steps.begin()->first <= target) {
        auto due = steps.begin();
        passTime(due->first - clock);
        // Taken out first: the step may cancel or schedule others.
        std::function<void()> action = std::move(due->second.action);
        steps.erase(due);
        action();
    }
    passTime(target - clock);
}

void MachineModel::schedule(qint64 at, int activity, std::function<void()> action)
{
    // Steps due at the same moment run in the order they were scheduled.
    steps.emplace(at, Step{activity, std::move(action)});
}

void MachineModel::cancel(int activity)
{
    for (auto it = steps.begin(); it != steps.end();) {
        if (it->second.activity == activity)
            it = steps.erase(it);
        else
            ++it;
    }
}

void MachineModel::passTime(qint64 ms)
{
    if (ms <= 0)
        return;
    const bool heating = outputs[OutBoilerHeating] && !hasFault(Fault::Heating);
    const qint64 target = qint64(heating ? MaxTemperature : AmbientTemperature) * 1000;
    // Rates are in tenths per second, which is thousandths of a tenth per ms.
    const qint64 rise = qint64(HeatingRate) * ms;
    const qint64 fall = qint64(CoolingRate) * ms;
    if (temperatureMilli < target)
        temperatureMilli = qMin(target, temperatureMilli + (heating ? rise : fall));
    else
        temperatureMilli = qMax(target, temperatureMilli - fall);
    clock += ms;

    if (waterFlowing()) {
        if (!inputFrozen(InWaterSensorCounter))
            inputs[InWaterSensorCounter] = clock % FlowPulseMs >= FlowPulseMs / 2;
        flowSeen = true;
    } else if (flowSeen) {
        if (!inputFrozen(InWaterSensorCounter))
            inputs[InWaterSensorCounter] = false;
        flowSeen = false;
    }
}

bool MachineModel::waterFlowing() const
{
    return outputs[OutWaterPump] || outputs[OutBoilerPump] || outputs[OutBoilerValve1] || outputs[OutBoilerValve2];
}

void MachineModel::switchMode(int mode)
{
    if (mode < ModeOff || mode > ModeDiagnostic)
        return;
    Script(*this, ActMode).after(ModeSwitchDelayMs).call([this, mode] {
        modeCode = mode;
        if (mode == ModeDiagnostic) {
            Script walk(*this, ActCycle);
            for (int device = StateWaterSystemDiagnostic; device <= StateWaterSelectorDiagnostic; ++device)
                walk.state(device).after(DiagnosticStepMs);
            walk.state(StateWaiting);
        } else {
            cancel(ActCycle);
            stateCode = StateWaiting;
        }
    });
    advance(0);
}

void MachineModel::runCommand(int code, int param1, int param2)
{
    switch (code) {
    case CmdSelectorDrive:
        runSelectorDrive();
        break;
    case CmdSelectorCofee:
    case CmdSelector1:
    case CmdSelector2:
    case CmdSelector3:
    case CmdSelector4:
        moveSelector(code - CmdSelectorDrive);
        break;
    case CmdSelectorInitial:
        moveSelector(0);
        break;
    case CmdMixer1Drive:
    case CmdMixer1Screw:
    case CmdMixer2Drive:
    case CmdMixer2Screw:
    case CmdMixer3Drive:
    case CmdMixer3Screw:
    case CmdMixer4Drive:
    case CmdMixer4Screw: {
        const int mixer = (code - CmdMixer1Drive) / 2;
        const bool screw = (code - CmdMixer1Drive) % 2 == 1;
        runPulse(ActPulseBase + code, {(screw ? OutMixer1Screw : OutMixer1Drive) + 2 * mixer}, screw ? 2000 : 3000);
        break;
    }
    case CmdCupRotation:
        runCupDispenser(true, false);
        break;
    case CmdCupOut:
        runCupDispenser(false, true);
        break;
    case CmdCupWorkCycle:
        runCupDispenser(true, true);
        break;
    case CmdWaterPump:
        runPulse(ActPulseBase + code, {OutWaterPump}, 3000);
        break;
    case CmdBoilerHeating:
        runPulse(ActPulseBase + code, {OutBoilerHeating}, 10000);
        break;
    case CmdBoilerPump:
        runPulse(ActPulseBase + code, {OutBoilerPump}, 3000);
        break;
    case CmdValve1:
        runPulse(ActPulseBase + code, {OutBoilerValve1}, 3000);
        break;
    case CmdValve2:
        runPulse(ActPulseBase + code, {OutBoilerValve2}, 3000);
        break;
    case CmdWaterToCofeeGroup:
        runPulse(ActPulseBase + code, {OutBoilerPump, OutBoilerValve1}, 3000);
        break;
    case CmdWaterToMixer:
        runPulse(ActPulseBase + code, {OutBoilerPump, OutBoilerValve2}, 3000);
        break;
    case CmdSugarDrive:
        runSugarDispenser(true, 0);
        break;
    case CmdSugarScrew:
        runSugarDispenser(false, 2000);
        break;
    case CmdSugarWorkCycle:
        runSugarDispenser(true, 1500);
        break;
    case CmdCofeeGrinder:
        runCoffeeGroup(true, false, false);
        break;
    case CmdCofeeMetering:
        runCoffeeGroup(false, true, false);
        break;
    case CmdCofeeGroupPress:
        runCoffeeGroup(false, false, true);
        break;
    case CmdCofeeGroupWorkCycle:
        runCoffeeGroup(true, true, true);
        break;
    case CmdMakeDrink:
        makeDrink(param1, param2);
        break;
    default:
        return; // unknown codes, 33 among them
    }
    advance(0);
}

void MachineModel::switchOutput(int number, int value)
{
    setOutput(number, value != 0);
}

void MachineModel::runPulse(int activity, std::initializer_list<int> outs, int ms)
{
    Script s(*this, activity);
    for (int out : outs)
        s.output(out, true);
    s.after(ms);
    for (int out : outs)
        s.output(out, false);
}

void MachineModel::moveSelector(int position)
{
    const int travel = SelectorStartMs + SelectorStepMs * std::abs(position - selectorPosition);
    Script s(*this, ActSelector);
    s.output(OutSelectorWaterRun, true).input(InWaterSelectorInrefpoint, false);
    s.after(200).input(InWaterSelectorInsrc, false);
    s.after(travel - 200).output(OutSelectorWaterRun, false);
    if (position == 0)
        s.input(InWaterSelectorInsrc, true);
    else
        s.input(InWaterSelectorInrefpoint, true);
    s.call([this, position] { selectorPosition = position; });
}

void MachineModel::runSelectorDrive()
{
    // One full turn: out of the initial state, past the reference point, back home.
    Script s(*this, ActSelector);
    s.output(OutSelectorWaterRun, true).input(InWaterSelectorInrefpoint, false);
    s.after(200).input(InWaterSelectorInsrc, false);
    s.after(1000).input(InWaterSelectorInrefpoint, true);
    s.after(200).input(InWaterSelectorInrefpoint, false);
    s.after(1600).input(InWaterSelectorInsrc, true).output(OutSelectorWaterRun, false);
    s.call([this] { selectorPosition = 0; });
}

void MachineModel::runCupDispenser(bool rotate, bool unload)
{
    Script s(*this, ActCupDispenser);
    if (rotate) {
        s.output(OutDispenserCupRotation, true);
        s.after(200).input(InDispenserCupInsrc, false);
        s.after(1300).input(InDispenserCupFound, true);
        s.after(500).output(OutDispenserCupRotation, false).input(InDispenserCupInsrc, true);
    }
    if (unload) {
        s.output(OutDispenserCupUnload, true);
        s.after(300).input(InDispenserCupOutpos, true);
        s.after(700).output(OutDispenserCupUnload, false).input(InDispenserCupFound, false);
        s.after(500).input(InDispenserCupOutpos, false); // the cup is taken
    }
}

void MachineModel::runSugarDispenser(bool lower, int screwMs)
{
    Script s(*this, ActSugarDispenser);
    if (lower) {
        s.output(OutDispenserSugarDown, true);
        s.after(200).input(InDispenserSugarInsrc, false);
        s.after(800).output(OutDispenserSugarDown, false);
    }
    if (screwMs > 0)
        s.output(OutDispenserSugarScrew, true).after(screwMs).output(OutDispenserSugarScrew, false);
    if (lower)
        s.after(500).input(InDispenserSugarInsrc, true); // the nose springs back up
}

void MachineModel::runCoffeeGroup(bool grind, bool meter, bool press)
{
    Script s(*this, grind && !meter && !press ? ActGrinder : meter && !grind && !press ? ActMetering : ActCoffeeGroup);
    if (grind) {
        s.output(OutCofeeGrinder, true);
        s.after(2000).input(InCofeeMeteringIsfull, true);
        s.after(500).output(OutCofeeGrinder, false);
    }
    if (meter) {
        s.output(OutCoffeeMetering, true);
        s.after(500).input(InCofeeMeteringIsfull, false);
        s.after(500).output(OutCoffeeMetering, false);
    }
    if (press) {
        s.output(OutCoffeeGroup, true);
        s.after(300).input(InCofeeGroupInsrc, false);
        s.after(1200).input(InCofeeGroupInwork, true).output(OutCoffeeGroup, false);
        if (grind && meter) // the working cycle brews before going back
            s.output(OutBoilerPump, true)
                .output(OutBoilerValve1, true)
                .after(2000)
                .output(OutBoilerPump, false)
                .output(OutBoilerValve1, false);
        else
            s.after(1000);
        s.output(OutCoffeeGroup, true).input(InCofeeGroupInwork, false);
        s.after(1200).input(InCofeeGroupInsrc, true).output(OutCoffeeGroup, false);
    }
}

void MachineModel::fail(int errorCodeToSet)
{
    cancel(ActCycle);
    stateCode = StateError;
    errorCode = errorCodeToSet;
}

void MachineModel::makeDrink(int drink, int sugar)
{
    if (!inputs[InWaterLevel]) {
        fail(ErrorWaterSystem);
        return;
    }
    if (inputs[InGarbageContainer]) {
        fail(ErrorGarbageContainer);
        return;
    }
    sugar = qBound(0, sugar, 10);

    Script s(*this, ActCycle);
    s.state(StateStartCookingCycle).call([this] { errorCode = ErrorNone; });
    s.after(300).state(StateGoingInInitialState);
    s.input(InWaterSelectorInsrc, true).input(InCofeeGroupInsrc, true).input(InCofeeGroupInwork, false);

    s.after(400).state(StateStartIssuingCup).output(OutDispenserCupRotation, true).input(InDispenserCupInsrc, false);
    s.after(300).state(StateIssuingCup);
    s.after(1000)
        .input(InDispenserCupFound, true)
        .output(OutDispenserCupRotation, false)
        .input(InDispenserCupInsrc, true)
        .output(OutDispenserCupUnload, true);
    s.after(500).output(OutDispenserCupUnload, false).input(InDispenserCupOutpos, true);

    if (sugar > 0) {
        s.after(200)
            .state(StateStartIssuingSugar)
            .output(OutDispenserSugarDown, true)
            .input(InDispenserSugarInsrc, false);
        s.after(500).state(StateIssuingSugar).output(OutDispenserSugarDown, false);
        s.after(300).state(StateIssuanceOfSugar).output(OutDispenserSugarScrew, true);
        s.after(200 * sugar).output(OutDispenserSugarScrew, false).input(InDispenserSugarInsrc, true);
    }

    s.after(200).state(StateStartIngredientsPrepare);
    // The coffee group: grind, press, brew, back home.
    s.after(200).state(StateStartCofeeGroupCycle).output(OutCofeeGrinder, true);
    s.after(1000)
        .state(StateWaitCofeeGroupCycle)
        .output(OutCofeeGrinder, false)
        .output(OutCoffeeMetering, true)
        .output(OutCoffeeGroup, true)
        .input(InCofeeGroupInsrc, false);
    s.after(800)
        .state(StateHeatingWaterForCofeeGroup)
        .output(OutCoffeeMetering, false)
        .output(OutCoffeeGroup, false)
        .input(InCofeeGroupInwork, true);
    s.after(500).state(StateStraitWaterInCofeeGroup).output(OutBoilerPump, true).output(OutBoilerValve1, true);
    s.after(1500)
        .state(StateCofeeGroupGoingInInitialState)
        .output(OutBoilerPump, false)
        .output(OutBoilerValve1, false)
        .output(OutCoffeeGroup, true)
        .input(InCofeeGroupInwork, false);
    s.after(800).input(InCofeeGroupInsrc, true).output(OutCoffeeGroup, false);

    // Drinks 1 and up add the ingredient of one mixer (drink 1 mixer 1, ..., drink 5 mixer 1).
    if (drink > 0) {
        const int mixer = (drink - 1) % 4;
        const int screw = OutMixer1Screw + 2 * mixer;
        const int drive = OutMixer1Drive + 2 * mixer;
        s.after(200).state(StateStartPauseBeforeIngredient);
        s.after(300).state(StatePauseBeforeIngredient);
        s.after(300).state(StateStartMixer);
        s.after(300)
            .state(StateHeatingWaterForMixer)
            .output(OutBoilerPump, true)
            .output(OutBoilerValve2, true)
            .output(screw, true);
        s.after(700)
            .state(StateWaitMixer)
            .output(OutBoilerPump, false)
            .output(OutBoilerValve2, false)
            .output(screw, false)
            .output(drive, true);
        s.after(1000).output(drive, false);
    }

    s.after(300).state(StateWaiting).input(InDispenserCupOutpos, false).input(InDispenserCupFound, false);
}

void MachineModel::setInput(int number, bool on)
{
    if (number >= 0 && number < InputCount && !inputFrozen(number))
        inputs[size_t(number)] = on;
}

void MachineModel::setOutput(int number, bool on)
{
    if (number >= 0 && number < OutputCount)
        outputs[size_t(number)] = on && !outputHeldOff(number);
}

QString MachineModel::faultName(Fault fault)
{
    return QLatin1String(FaultEffects[int(fault)].name);
}

bool MachineModel::faultByName(const QString& name, Fault* fault)
{
    for (int n = 0; n < FaultCount; ++n) {
        if (name == QLatin1String(FaultEffects[n].name)) {
            *fault = Fault(n);
            return true;
        }
    }
    return false;
}

void MachineModel::setFault(Fault fault, bool on)
{
    faults[size_t(fault)] = on;
    for (int out : FaultEffects[int(fault)].outputsOff) {
        if (on && out != None)
            outputs[size_t(out)] = false;
    }
}

bool MachineModel::hasFault(Fault fault) const
{
    return faults[size_t(fault)];
}

bool MachineModel::outputHeldOff(int number) const
{
    for (int n = 0; n < FaultCount; ++n) {
        const auto& held = FaultEffects[n].outputsOff;
        if (faults[size_t(n)] && std::find(held.begin(), held.end(), number) != held.end())
            return true;
    }
    return false;
}

bool MachineModel::inputFrozen(int number) const
{
    for (int n = 0; n < FaultCount; ++n) {
        const auto& frozen = FaultEffects[n].inputsFrozen;
        if (faults[size_t(n)] && std::find(frozen.begin(), frozen.end(), number) != frozen.end())
            return true;
    }
    return false;
}

void MachineModel::setMode(int code)
{
    modeCode = code & 0xFF;
}

void MachineModel::setState(int code)
{
    stateCode = code & 0xFFFF;
}

void MachineModel::setError(int code)
{
    errorCode = code & 0xFFFF;
}

void MachineModel::setBoilerTemperature(int tenths)
{
    temperatureMilli = qint64(qBound(0, tenths, 0xFFFF)) * 1000;
}

bool MachineModel::input(int number) const
{
    return number >= 0 && number < InputCount && inputs[size_t(number)];
}

bool MachineModel::output(int number) const
{
    return number >= 0 && number < OutputCount && outputs[size_t(number)];
}

_tag_getstate_answer MachineModel::stateAnswer() const
{
    _tag_getstate_answer answer{};
    answer.mode = quint8(modeCode);
    answer.state = quint16(stateCode);
    answer.error = quint16(errorCode);
    return answer;
}

_tag_getxstate_answer MachineModel::xstateAnswer() const
{
    _tag_getxstate_answer answer{};
    answer.mode = quint8(modeCode);
    answer.state = quint16(stateCode);
    answer.error = quint16(errorCode);
    answer.boiler_temperature = quint16(boilerTemperature());
    auto* bytes = reinterpret_cast<unsigned char*>(&answer);
    for (int n = 0; n < InputCount; ++n)
        bytes[offsetof(_tag_getxstate_answer, power) + size_t(n)] = inputs[size_t(n)] ? 1 : 0;
    for (int n = 0; n < OutputCount; ++n)
        bytes[offsetof(_tag_getxstate_answer, selector_water_run) + size_t(n)] = outputs[size_t(n)] ? 1 : 0;
    return answer;
}

const char* MachineModel::inputName(int number)
{
    return RecordFields::inputName(number);
}

const char* MachineModel::outputName(int number)
{
    return RecordFields::outputName(number);
}

QString MachineModel::describe() const
{
    QStringList lines;
    lines << QStringLiteral("mode %1  state %2  error %3  boiler %4.%5")
                 .arg(modeCode)
                 .arg(stateCode)
                 .arg(errorCode)
                 .arg(boilerTemperature() / 10)
                 .arg(boilerTemperature() % 10);
    QStringList on;
    for (int n = 0; n < InputCount; ++n) {
        const int in = PanelInputOrder[size_t(n)];
        if (inputs[size_t(in)])
            on << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(inputName(in)));
    }
    lines << QStringLiteral("inputs on: ") + (on.isEmpty() ? QStringLiteral("none") : on.join(QStringLiteral(", ")));
    on.clear();
    for (int n = 0; n < OutputCount; ++n) {
        if (outputs[size_t(n)])
            on << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(outputName(n)));
    }
    lines << QStringLiteral("outputs on: ") + (on.isEmpty() ? QStringLiteral("none") : on.join(QStringLiteral(", ")));
    on.clear();
    for (int n = 0; n < FaultCount; ++n) {
        if (faults[size_t(n)])
            on << faultName(Fault(n));
    }
    if (!on.isEmpty())
        lines << QStringLiteral("faulty: ") + on.join(QStringLiteral(", "));
    return lines.join(QLatin1Char('\n'));
}
