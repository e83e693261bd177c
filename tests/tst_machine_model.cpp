// The simulated machine, driven by moving its clock on.

#include "test_support.h"

#include "link/protocol.h"
#include "simulator/console_commands.h"
#include "simulator/machine_model.h"

using Ints = QList<int>;

namespace {

// Idle: power, sugar dispenser and selector home, water level full, cup and group home.
const Ints IdleInputs{0, 1, 2, 3, 7, 9};

enum Bits { Inputs, Outputs };
Ints on(const MachineModel& m, Bits bits)
{
    Ints on;
    for (int n = 0; n < (bits == Outputs ? Protocol::OutputCount : Protocol::InputCount); ++n) {
        if (bits == Outputs ? m.output(n) : m.input(n))
            on << n;
    }
    return on;
}

Ints idleWith(Ints add, Ints remove = {})
{
    Ints set;
    for (int n = 0; n < Protocol::InputCount; ++n) {
        if ((IdleInputs.contains(n) || add.contains(n)) && !remove.contains(n))
            set << n;
    }
    return set;
}

} // namespace

class TestMachineModel : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void drinkAndModeSwitch_data();
    void drinkAndModeSwitch();
    void boilerHeatsAndCools();
    void consoleInputsInPanelOrder_data();
    void consoleInputsInPanelOrder();
};

void TestMachineModel::commands_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<Ints>("outputsThen");
    QTest::addColumn<Ints>("inputsThen");
    QTest::addColumn<Ints>("inputsAfter");
    QTest::newRow("1 selector drive, at the reference point") << 1 << 1300 << Ints{0} << idleWith({4}, {3}) << IdleInputs;
    QTest::newRow("2 selector to coffee") << 2 << 300 << Ints{0} << idleWith({}, {3}) << idleWith({4}, {3});
    QTest::newRow("7 selector home") << 7 << 300 << Ints{0} << idleWith({}, {3}) << IdleInputs;
    QTest::newRow("16 cup rotation finds a cup") << 16 << 1600 << Ints{9} << idleWith({6}, {7}) << idleWith({6});
    QTest::newRow("25 water to a mixer") << 25 << 1000 << Ints{2, 4} << IdleInputs << IdleInputs;
    QTest::newRow("28 sugar working cycle") << 28 << 1500 << Ints{12} << idleWith({}, {1}) << IdleInputs;
    QTest::newRow("29 grinder fills the metering") << 29 << 2200 << Ints{5} << idleWith({8}) << idleWith({8});
    QTest::newRow("31 coffee group in work") << 31 << 2000 << Ints() << idleWith({10}, {9}) << IdleInputs;
    QTest::newRow("32 coffee group cycle brews") << 32 << 6000 << Ints{2, 3} << idleWith({10}, {9}) << IdleInputs;
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
    QCOMPARE(on(m, Outputs), outputsThen);
    QCOMPARE(on(m, Inputs), inputsThen);
    m.advance(60000);
    QCOMPARE(on(m, Outputs), Ints());
    QCOMPARE(on(m, Inputs), inputsAfter);
    QCOMPARE((Ints{m.mode(), m.state(), m.error()}), (Ints{2, 1000, 0})); // codes untouched
}

void TestMachineModel::drinkAndModeSwitch_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Ints>("states");
    QTest::newRow("7 is no mode: the drink goes on")
        << 7 << Ints{110, 114, 115, 116, 117, 118, 120, 130, 131, 132, 133, 134, 121, 122, 140, 142, 141, 1000};
    QTest::newRow("operator ends the drink") << 3 << Ints{1000};
    QTest::newRow("diagnostic walks the devices") << 6 << Ints{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1000};
}

void TestMachineModel::drinkAndModeSwitch()
{
    QFETCH(int, mode);
    QFETCH(Ints, states);

    MachineModel m;
    m.setError(17); // an old error is cleared by a new cycle
    m.runCommand(Protocol::CmdMakeDrink, 1, 2);
    m.switchMode(mode);
    m.advance(450); // the switch takes 500 ms
    QCOMPARE(m.mode(), 2); // not yet
    m.advance(50);
    QCOMPARE(m.mode(), mode == 7 ? 2 : mode);
    Ints walked{m.state()}; // the state codes passed through until the machine is idle
    for (int ms = 0; ms < 60000 && m.busy(); ms += 50) {
        m.advance(50);
        if (m.state() != walked.last())
            walked << m.state();
    }
    QCOMPARE(walked, states);
    QCOMPARE(m.error(), 0);
    QCOMPARE(on(m, Outputs), Ints());
    QCOMPARE(on(m, Inputs), IdleInputs);
}

void TestMachineModel::boilerHeatsAndCools()
{
    // 2.0 degrees a second up, 0.5 down, from the room's 20.0 to at most 98.0.
    MachineModel m;
    m.runCommand(Protocol::CmdBoilerHeating, 0, 0);
    m.advance(10000); // heating ends after 10 s
    QCOMPARE(m.boilerTemperature(), 400);
    QVERIFY(!m.output(Protocol::OutBoilerHeating));
    m.advance(4000);
    QCOMPARE(m.boilerTemperature(), 380);
    m.advance(600000);
    QCOMPARE(m.boilerTemperature(), 200); // never below the room
    m.switchOutput(Protocol::OutBoilerHeating, 1);
    m.advance(600000);
    QCOMPARE(m.boilerTemperature(), 980);
}

void TestMachineModel::consoleInputsInPanelOrder_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Ints>("inputs");
    QTest::addColumn<QString>("answer");
    QTest::newRow("1 water level") << "input 1 0" << idleWith({}, {2}) << "input 1 (water_level) = 0";
    QTest::newRow("8 sugar dispenser") << "input 8 0" << idleWith({}, {1}) << "input 8 (dispenser_sugar_insrc) = 0";
    QTest::newRow("18 is none") << "input 18 1" << IdleInputs << "usage: input N(0-17) 0|1 (type help)";
}

void TestMachineModel::consoleInputsInPanelOrder()
{
    QFETCH(QString, line);
    QFETCH(Ints, inputs);
    QFETCH(QString, answer);

    MachineModel m;
    QCOMPARE(ConsoleCommands::run(m, line), answer);
    QCOMPARE(on(m, Inputs), inputs);
}

QUELLARO_TEST_MAIN(TestMachineModel)
#include "tst_machine_model.moc"
