// The simulated machine, driven by moving its clock on.

#include "test_support.h"

#include "link/frame_codec.h"
#include "link/protocol.h"
#include "simulator/console_commands.h"
#include "simulator/machine_model.h"

#include <algorithm>

using Ints = QList<int>;

namespace {

// The inputs on in the idle machine: power, sugar dispenser home, water level full,
// selector home, cup dispenser home, coffee group home.
const Ints IdleInputs{0, 1, 2, 3, 7, 9};

Ints inputsOn(const MachineModel& m)
{
    Ints on;
    for (int n = 0; n < Protocol::InputCount; ++n) {
        if (m.input(n))
            on << n;
    }
    return on;
}

Ints outputsOn(const MachineModel& m)
{
    Ints on;
    for (int n = 0; n < Protocol::OutputCount; ++n) {
        if (m.output(n))
            on << n;
    }
    return on;
}

Ints with(Ints set, std::initializer_list<int> add, std::initializer_list<int> remove = {})
{
    for (int n : add)
        set << n;
    for (int n : remove)
        set.removeAll(n);
    std::sort(set.begin(), set.end());
    return set;
}

// The state codes the machine passes through until it has nothing left to do.
Ints walkStates(MachineModel& m)
{
    Ints states{m.state()};
    for (int ms = 0; ms < 60000 && m.busy(); ms += 50) {
        m.advance(50);
        if (m.state() != states.last())
            states << m.state();
    }
    return states;
}

} // namespace

class TestMachineModel : public QObject
{
    Q_OBJECT

private slots:
    void idleMachine();
    void commands_data();
    void commands();
    void newActionReplacesTheRunningOne();
    void makeDrink_data();
    void makeDrink();
    void drinkRefusedWhenTheMachineCannot_data();
    void drinkRefusedWhenTheMachineCannot();
    void modeSwitch_data();
    void modeSwitch();
    void outputSwitch_data();
    void outputSwitch();
    void boilerTemperature();
    void waterSensorPulsesWhileWaterRuns();
    void consoleCommands_data();
    void consoleCommands();
};

void TestMachineModel::idleMachine()
{
    MachineModel m;
    m.advance(60000); // nothing happens on its own
    QCOMPARE(m.mode(), 2);
    QCOMPARE(m.state(), 1000);
    QCOMPARE(m.error(), 0);
    QCOMPARE(m.boilerTemperature(), 200);
    QVERIFY(!m.busy());
    QCOMPARE(FrameCodec::composeXStateReply(m.xstateAnswer()).toHex(' '),
             (hexBytes("04 00 02 E8 03 00 00 C8 00 00 00 01 01 01 01 00 00 00 01 00 01 00 00 00 00 00 00 00 00")
              + QByteArray(22, '\0'))
                 .toHex(' '));
    QCOMPARE(FrameCodec::composeStateReply(m.stateAnswer()).toHex(' '), hexBytes("01 00 02 E8 03 00 00").toHex(' '));
}

void TestMachineModel::commands_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<Ints>("outputsThen");
    QTest::addColumn<Ints>("inputsThen");
    QTest::addColumn<Ints>("inputsAfter");

    const Ints none;
    const Ints selectorAtPosition = with(IdleInputs, {4}, {3});
    QTest::newRow("1 selector drive, at the reference point") << 1 << 1300 << Ints{0} << with(IdleInputs, {4}, {3})
                                                              << IdleInputs;
    QTest::newRow("2 selector to coffee") << 2 << 300 << Ints{0} << with(IdleInputs, {}, {3}) << selectorAtPosition;
    QTest::newRow("3 selector 1") << 3 << 500 << Ints{0} << with(IdleInputs, {}, {3}) << selectorAtPosition;
    QTest::newRow("6 selector 4") << 6 << 1800 << Ints{0} << with(IdleInputs, {}, {3}) << selectorAtPosition;
    QTest::newRow("7 selector home") << 7 << 300 << Ints{0} << with(IdleInputs, {}, {3}) << IdleInputs;
    QTest::newRow("8 mixer 1 drive") << 8 << 2900 << Ints{14} << IdleInputs << IdleInputs;
    QTest::newRow("9 mixer 1 screw") << 9 << 1900 << Ints{13} << IdleInputs << IdleInputs;
    QTest::newRow("10 mixer 2 drive") << 10 << 1000 << Ints{16} << IdleInputs << IdleInputs;
    QTest::newRow("11 mixer 2 screw") << 11 << 1000 << Ints{15} << IdleInputs << IdleInputs;
    QTest::newRow("12 mixer 3 drive") << 12 << 1000 << Ints{18} << IdleInputs << IdleInputs;
    QTest::newRow("13 mixer 3 screw") << 13 << 1000 << Ints{17} << IdleInputs << IdleInputs;
    QTest::newRow("14 mixer 4 drive") << 14 << 1000 << Ints{20} << IdleInputs << IdleInputs;
    QTest::newRow("15 mixer 4 screw") << 15 << 1000 << Ints{19} << IdleInputs << IdleInputs;
    QTest::newRow("16 cup rotation finds a cup") << 16 << 1600 << Ints{9} << with(IdleInputs, {6}, {7})
                                                 << with(IdleInputs, {6});
    QTest::newRow("17 cup out") << 17 << 500 << Ints{10} << with(IdleInputs, {12}) << IdleInputs;
    QTest::newRow("18 cup working cycle") << 18 << 2200 << Ints{10} << with(IdleInputs, {6}) << IdleInputs;
    QTest::newRow("19 water pump") << 19 << 1000 << Ints{21} << IdleInputs << IdleInputs;
    QTest::newRow("20 boiler heating") << 20 << 9000 << Ints{1} << IdleInputs << IdleInputs;
    QTest::newRow("21 boiler pump") << 21 << 1000 << Ints{2} << IdleInputs << IdleInputs;
    QTest::newRow("22 valve 1") << 22 << 1000 << Ints{3} << IdleInputs << IdleInputs;
    QTest::newRow("23 valve 2") << 23 << 1000 << Ints{4} << IdleInputs << IdleInputs;
    QTest::newRow("24 water to the coffee group") << 24 << 1000 << Ints{2, 3} << IdleInputs << IdleInputs;
    QTest::newRow("25 water to a mixer") << 25 << 1000 << Ints{2, 4} << IdleInputs << IdleInputs;
    QTest::newRow("26 sugar dispenser down") << 26 << 500 << Ints{11} << with(IdleInputs, {}, {1}) << IdleInputs;
    QTest::newRow("27 sugar screw") << 27 << 1000 << Ints{12} << IdleInputs << IdleInputs;
    QTest::newRow("28 sugar working cycle") << 28 << 1500 << Ints{12} << with(IdleInputs, {}, {1}) << IdleInputs;
    QTest::newRow("29 grinder fills the metering") << 29 << 2200 << Ints{5} << with(IdleInputs, {8})
                                                   << with(IdleInputs, {8});
    QTest::newRow("30 metering unload") << 30 << 700 << Ints{7} << IdleInputs << IdleInputs;
    QTest::newRow("31 coffee group leaves home") << 31 << 1000 << Ints{8} << with(IdleInputs, {}, {9}) << IdleInputs;
    QTest::newRow("31 coffee group in work") << 31 << 2000 << none << with(IdleInputs, {10}, {9}) << IdleInputs;
    QTest::newRow("32 coffee group cycle brews") << 32 << 6000 << Ints{2, 3} << with(IdleInputs, {10}, {9})
                                                 << IdleInputs;
    QTest::newRow("0 unknown") << 0 << 500 << none << IdleInputs << IdleInputs;
    QTest::newRow("33 unused") << 33 << 500 << none << IdleInputs << IdleInputs;
    QTest::newRow("35 unknown") << 35 << 500 << none << IdleInputs << IdleInputs;
    QTest::newRow("-1 unknown") << -1 << 500 << none << IdleInputs << IdleInputs;
}

void TestMachineModel::commands()
{
    QFETCH(int, code);
    QFETCH(int, atMs);
    QFETCH(Ints, outputsThen);
    QFETCH(Ints, inputsThen);
    QFETCH(Ints, inputsAfter);

    MachineModel m;
    m.runCommand(code, 0, 0);
    m.advance(atMs);
    QCOMPARE(outputsOn(m), outputsThen);
    QCOMPARE(inputsOn(m), inputsThen);

    m.advance(60000);
    QVERIFY(!m.busy());
    QCOMPARE(outputsOn(m), Ints());
    QCOMPARE(inputsOn(m), inputsAfter);
    // Device commands leave the machine's codes alone.
    QCOMPARE(m.mode(), 2);
    QCOMPARE(m.state(), 1000);
    QCOMPARE(m.error(), 0);
}

void TestMachineModel::newActionReplacesTheRunningOne()
{
    MachineModel m;
    m.runCommand(Protocol::CmdSelector4, 0, 0);
    m.advance(300);
    m.runCommand(Protocol::CmdSelectorInitial, 0, 0);
    m.advance(60000);
    // The first move never arrives: no reference point after the selector went home.
    QCOMPARE(inputsOn(m), IdleInputs);
    QCOMPARE(outputsOn(m), Ints());

    // The boiler's second "on" keeps it heating its full time from then on.
    m.runCommand(Protocol::CmdBoilerHeating, 0, 0);
    m.advance(8000);
    m.runCommand(Protocol::CmdBoilerHeating, 0, 0);
    m.advance(8000);
    QVERIFY(m.output(Protocol::OutBoilerHeating));
}

void TestMachineModel::makeDrink_data()
{
    QTest::addColumn<int>("drink");
    QTest::addColumn<int>("sugar");
    QTest::addColumn<Ints>("states");

    const Ints start{1000, 100, 110, 114, 115};
    const Ints sugar{116, 117, 118};
    const Ints coffee{120, 130, 131, 132, 133, 134};
    const Ints mixer{121, 122, 140, 142, 141};
    QTest::newRow("coffee, no sugar") << 0 << 0 << start + coffee + Ints{1000};
    QTest::newRow("coffee, sugar 3") << 0 << 3 << start + sugar + coffee + Ints{1000};
    QTest::newRow("drink 1, sugar 2") << 1 << 2 << start + sugar + coffee + mixer + Ints{1000};
    QTest::newRow("drink 10, sugar 10") << 10 << 10 << start + sugar + coffee + mixer + Ints{1000};
    QTest::newRow("sugar out of range is none") << 4 << -5 << start + coffee + mixer + Ints{1000};
}

void TestMachineModel::makeDrink()
{
    QFETCH(int, drink);
    QFETCH(int, sugar);
    QFETCH(Ints, states);

    MachineModel m;
    m.setError(17); // an old error is cleared by a new cycle
    m.runCommand(Protocol::CmdMakeDrink, drink, sugar);
    QCOMPARE(Ints{1000} + walkStates(m), states);
    QCOMPARE(m.error(), 0);
    QCOMPARE(outputsOn(m), Ints());
    QCOMPARE(inputsOn(m), IdleInputs);
}

void TestMachineModel::drinkRefusedWhenTheMachineCannot_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("error");

    QTest::newRow("no water") << int(MachineModel::InWaterLevel) << false << 10000;
    QTest::newRow("garbage container full") << int(MachineModel::InGarbageContainer) << true << 10005;
}

void TestMachineModel::drinkRefusedWhenTheMachineCannot()
{
    QFETCH(int, input);
    QFETCH(bool, on);
    QFETCH(int, error);

    MachineModel m;
    m.setInput(input, on);
    m.runCommand(Protocol::CmdMakeDrink, 1, 1);
    QCOMPARE(m.state(), 1001);
    QCOMPARE(m.error(), error);
    QVERIFY(!m.busy());
    QCOMPARE(outputsOn(m), Ints());
}

void TestMachineModel::modeSwitch_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("finalMode");
    QTest::addColumn<Ints>("states");

    const Ints waiting{1000};
    QTest::newRow("trade") << 2 << 2 << waiting;
    QTest::newRow("operator") << 3 << 3 << waiting;
    QTest::newRow("master") << 4 << 4 << waiting;
    QTest::newRow("washing") << 5 << 5 << waiting;
    QTest::newRow("diagnostic walks the devices")
        << 6 << 6 << Ints{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1000};
    QTest::newRow("off") << 0 << 0 << waiting;
    QTest::newRow("7 is no mode") << 7 << 2 << waiting;
    QTest::newRow("-1 is no mode") << -1 << 2 << waiting;
    QTest::newRow("44 is no mode") << 44 << 2 << waiting;
}

void TestMachineModel::modeSwitch()
{
    QFETCH(int, mode);
    QFETCH(int, finalMode);
    QFETCH(Ints, states);

    MachineModel m;
    m.runCommand(Protocol::CmdMakeDrink, 0, 0);
    m.switchMode(mode);
    m.advance(MachineModel::ModeSwitchDelayMs - 50);
    QCOMPARE(m.mode(), 2); // not yet
    m.advance(50);
    QCOMPARE(m.mode(), finalMode);
    if (finalMode == 2 && mode != 2) {
        QVERIFY(m.state() != 1000); // ignored: the drink goes on
        return;
    }
    // A mode switch ends the running cycle.
    QCOMPARE(walkStates(m), states);
    QCOMPARE(m.mode(), finalMode);
    QVERIFY(!m.busy());
}

void TestMachineModel::outputSwitch_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("value");
    QTest::addColumn<Ints>("outputs");

    QTest::newRow("cooler on") << 6 << 1 << Ints{6};
    QTest::newRow("water pump, value 255") << 21 << 255 << Ints{21};
    QTest::newRow("value -1 is on") << 0 << -1 << Ints{0};
    QTest::newRow("off stays off") << 14 << 0 << Ints();
    QTest::newRow("22 is no output") << 22 << 1 << Ints();
    QTest::newRow("-1 is no output") << -1 << 1 << Ints();
}

void TestMachineModel::outputSwitch()
{
    QFETCH(int, number);
    QFETCH(int, value);
    QFETCH(Ints, outputs);

    MachineModel m;
    m.switchOutput(number, value);
    m.advance(60000); // a switched output stays as it was set
    QCOMPARE(outputsOn(m), outputs);
    const _tag_getxstate_answer x = m.xstateAnswer();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&x);
    for (int n = 0; n < Protocol::OutputCount; ++n)
        QCOMPARE(int(bytes[27 + n]), outputs.contains(n) ? 1 : 0);
}

void TestMachineModel::boilerTemperature()
{
    MachineModel m;
    m.runCommand(Protocol::CmdBoilerHeating, 0, 0);
    m.advance(5000);
    QCOMPARE(m.boilerTemperature(), 200 + 5 * MachineModel::HeatingRate);
    m.advance(5000); // heating ends after 10 s
    QCOMPARE(m.boilerTemperature(), 200 + 10 * MachineModel::HeatingRate);
    QVERIFY(!m.output(Protocol::OutBoilerHeating));
    m.advance(4000);
    QCOMPARE(m.boilerTemperature(), 200 + 10 * MachineModel::HeatingRate - 4 * MachineModel::CoolingRate);
    m.advance(600000);
    QCOMPARE(m.boilerTemperature(), MachineModel::AmbientTemperature); // never below the room

    // Held on, it stops at its ceiling.
    m.switchOutput(Protocol::OutBoilerHeating, 1);
    m.advance(600000);
    QCOMPARE(m.boilerTemperature(), MachineModel::MaxTemperature);
    QCOMPARE(int(m.xstateAnswer().boiler_temperature), MachineModel::MaxTemperature);

    m.setBoilerTemperature(70000);
    QCOMPARE(m.boilerTemperature(), 65535);
}

void TestMachineModel::waterSensorPulsesWhileWaterRuns()
{
    MachineModel m;
    m.runCommand(Protocol::CmdWaterPump, 0, 0);
    bool seenOn = false;
    bool seenOff = false;
    for (int ms = 0; ms < 2000; ms += 50) {
        m.advance(50);
        (m.input(MachineModel::InWaterSensorCounter) ? seenOn : seenOff) = true;
    }
    QVERIFY(seenOn && seenOff);
    m.advance(5000);
    QVERIFY(!m.input(MachineModel::InWaterSensorCounter));
}

void TestMachineModel::consoleCommands_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<Ints>("inputs");
    QTest::addColumn<Ints>("outputs");
    QTest::addColumn<Ints>("codes"); // mode, state, error, temperature

    const Ints idle{2, 1000, 0, 200};
    QTest::newRow("input off") << QStringLiteral("input 2 0") << QStringLiteral("input 2 (water_level) = 0") << with(IdleInputs, {}, {2}) << Ints()
                               << idle;
    QTest::newRow("input on") << QStringLiteral("  input   17 1 ") << QStringLiteral("input 17 (washing) = 1") << with(IdleInputs, {17}) << Ints()
                              << idle;
    QTest::newRow("output on") << QStringLiteral("output 21 1") << QStringLiteral("output 21 (water_pump) = 1") << IdleInputs << Ints{21} << idle;
    QTest::newRow("error") << QStringLiteral("error 10001") << QStringLiteral("error = 10001") << IdleInputs << Ints() << Ints{2, 1000, 10001, 200};
    QTest::newRow("state") << QStringLiteral("state 1001") << QStringLiteral("state = 1001") << IdleInputs << Ints() << Ints{2, 1001, 0, 200};
    QTest::newRow("mode") << QStringLiteral("mode 6") << QStringLiteral("mode = 6") << IdleInputs << Ints() << Ints{6, 1000, 0, 200};
    QTest::newRow("temp") << QStringLiteral("TEMP 925") << QStringLiteral("temp = 925") << IdleInputs << Ints() << Ints{2, 1000, 0, 925};
    QTest::newRow("input out of range") << QStringLiteral("input 18 1") << QStringLiteral("usage: input N(0-17) 0|1 (type help)") << IdleInputs
                                        << Ints() << idle;
    QTest::newRow("value not 0 or 1") << QStringLiteral("output 3 2") << QStringLiteral("usage: output N(0-21) 0|1 (type help)") << IdleInputs
                                      << Ints() << idle;
    QTest::newRow("no number") << QStringLiteral("error x") << QStringLiteral("usage: error 0-65535 (type help)") << IdleInputs << Ints() << idle;
    QTest::newRow("mode too large") << QStringLiteral("mode 256") << QStringLiteral("usage: mode 0-255 (type help)") << IdleInputs << Ints() << idle;
    QTest::newRow("unknown") << QStringLiteral("reboot now") << QStringLiteral("unknown command \"reboot\" (type help)") << IdleInputs << Ints()
                             << idle;
    QTest::newRow("empty line") << QStringLiteral("   ") << QStringLiteral("") << IdleInputs << Ints() << idle;
}

void TestMachineModel::consoleCommands()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(Ints, inputs);
    QFETCH(Ints, outputs);
    QFETCH(Ints, codes);

    MachineModel m;
    QCOMPARE(ConsoleCommands::run(m, line), reply);
    QCOMPARE(inputsOn(m), inputs);
    QCOMPARE(outputsOn(m), outputs);
    QCOMPARE((Ints{m.mode(), m.state(), m.error(), m.boilerTemperature()}), codes);

    QVERIFY(ConsoleCommands::run(m, QStringLiteral("help")).contains(QLatin1String("input N 0|1")));
    QVERIFY(ConsoleCommands::run(m, QStringLiteral("status")).startsWith(QLatin1String("mode ")));
}

QUELLARO_TEST_MAIN(TestMachineModel)
#include "tst_machine_model.moc"
