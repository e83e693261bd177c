#pragma once

#include "link/protocol.h"
#include "link/state_records.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <initializer_list>
#include <map>

// The simulated coffee machine: its mode, state and error codes, boiler temperature, its
// inputs and outputs, and how they move over time when the machine is asked to do
// something. No sockets and no clock of its own: the owner moves time on with advance(), so
// the behaviour is the same in a test as in the running simulator.
//
// Every device action is a script of timed steps (outputs on, inputs following a little
// later, outputs off again). A new action on a device replaces the one still running there.
class MachineModel
{
public:
    // Boiler, in tenths of a degree and tenths per second.
    static constexpr int AmbientTemperature = 200;
    static constexpr int MaxTemperature = 980;
    static constexpr int HeatingRate = 20;
    static constexpr int CoolingRate = 5;
    // The water flow sensor gives one pulse per this many ms while water runs.
    static constexpr int FlowPulseMs = 200;

    static constexpr int ModeSwitchDelayMs = 500;
    static constexpr int DiagnosticStepMs = 400;

    // The devices that can be made to fail on purpose, and how each fails:
    // heating: the heating output follows its command, the water does not warm;
    // boiler-pump, valve-1, valve-2, water-pump, mixer-1 to mixer-4: the device's outputs never
    // follow their command (they stay off);
    // flow-sensor: the flow sensor never pulses;
    // selector, cup-dispenser, sugar-dispenser, coffee-group: the device's drive runs, its
    // position sensors never change, so it never reaches its position.
    enum class Fault {
        Heating,
        BoilerPump,
        Valve1,
        Valve2,
        WaterPump,
        FlowSensor,
        Selector,
        Mixer1,
        Mixer2,
        Mixer3,
        Mixer4,
        CupDispenser,
        SugarDispenser,
        CoffeeGroup,
    };
    static constexpr int FaultCount = 14;
    // "heating", "boiler-pump", ..., in the order above.
    static QString faultName(Fault fault);
    // False for a name that is none of them.
    static bool faultByName(const QString& name, Fault* fault);

    MachineModel();
    MachineModel(const MachineModel&) = delete;
    MachineModel& operator=(const MachineModel&) = delete;

    // Moves the clock on by `ms` (0 runs only what is due now), running every step that
    // falls due on the way in order.
    void advance(int ms);
    // Milliseconds since the machine was made.
    qint64 now() const { return clock; }
    // True while any action or cycle still has steps to run.
    bool busy() const { return !steps.empty(); }

    // Request 2: after a short delay the machine is in `mode` (0 to 6; others are ignored).
    // The diagnostic mode first walks the diagnostics of the devices, states 1 to 11.
    void switchMode(int mode);
    // Request 3: runs the device action or cycle of command `code`; unknown codes do nothing.
    void runCommand(int code, int param1, int param2);
    // Request 5: sets output `number` (0 to 21; others are ignored) on when `value` is not 0.
    void switchOutput(int number, int value);

    // Direct changes, as a technician at the console makes them. Numbers out of range are
    // ignored; codes are stored as the record carries them (mode 8 bits, others 16 bits).
    void setInput(int number, bool on);
    void setOutput(int number, bool on);
    void setMode(int code);
    void setState(int code);
    void setError(int code);
    void setBoilerTemperature(int tenths);
    // Makes `fault`'s device fail (or work again) from now on. A faulty device's outputs go
    // off at once; its frozen sensors keep what they show.
    void setFault(Fault fault, bool on);
    bool hasFault(Fault fault) const;

    int mode() const { return modeCode; }
    int state() const { return stateCode; }
    int error() const { return errorCode; }
    int boilerTemperature() const { return int(temperatureMilli / 1000); }
    bool input(int number) const;
    bool output(int number) const;

    _tag_getstate_answer stateAnswer() const;
    _tag_getxstate_answer xstateAnswer() const;

    // The inputs in the order the service tool's inputs panel shows them: its left column top
    // to bottom, then its right column. The console numbers inputs this way, from 0.
    static constexpr std::array<int, Protocol::InputCount> PanelInputOrder{
        Protocol::InPower,
        Protocol::InWaterLevel,
        Protocol::InWaterSelectorInsrc,
        Protocol::InWaterSelectorInrefpoint,
        Protocol::InWaterSensorCounter,
        Protocol::InDispenserCupInsrc,
        Protocol::InDispenserCupFound,
        Protocol::InDispenserCupOutpos,
        Protocol::InDispenserSugarInsrc,
        Protocol::InCofeeMeteringIsfull,
        Protocol::InCofeeGroupInsrc,
        Protocol::InCofeeGroupInwork,
        Protocol::InGarbageContainer,
        Protocol::InDiagnostic,
        Protocol::InTrade,
        Protocol::InMaster,
        Protocol::InOperator,
        Protocol::InWashing,
    };

    // One line per field, for the console; inputs are numbered in the panel's order.
    QString describe() const;
    // Field names of the inputs and outputs as the extended answer names them.
    static const char* inputName(int number);
    static const char* outputName(int number);

private:
    class Script;
    friend class Script;

    struct Step
    {
        int activity;
        std::function<void()> action;
    };

    void schedule(qint64 at, int activity, std::function<void()> action);
    void cancel(int activity);
    void passTime(qint64 ms);
    bool waterFlowing() const;
    bool outputHeldOff(int number) const;
    bool inputFrozen(int number) const;

    void moveSelector(int position);
    void runSelectorDrive();
    void runCupDispenser(bool rotate, bool unload);
    void runSugarDispenser(bool lower, int screwMs);
    void runCoffeeGroup(bool grind, bool meter, bool press);
    void runPulse(int activity, std::initializer_list<int> outputs, int ms);
    void makeDrink(int drink, int sugar);
    void fail(int errorCodeToSet);

    qint64 clock = 0;
    bool flowSeen = false;
    std::multimap<qint64, Step> steps;

    int modeCode = 0;
    int stateCode = 0;
    int errorCode = 0;
    qint64 temperatureMilli = 0; // thousandths of a tenth of a degree
    int selectorPosition = 0;    // 0 initial, 1 coffee, 2 to 5 the four water positions
    std::array<bool, Protocol::InputCount> inputs{};
    std::array<bool, Protocol::OutputCount> outputs{};
    std::array<bool, FaultCount> faults{};
};
