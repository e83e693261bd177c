// The simulated machine, driven by moving its clock on.

#include "test_support.h"

#include "link/protocol.h"
#include "simulator/console_commands.h"
#include "simulator/machine_model.h"
#include "simulator/simulator_server.h"

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
    void faultyDevice_data();
    void faultyDevice();
    void fasterTime();
    void meteringLeavesWorkCycleRunning();
};

void TestMachineModel::commands_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<Ints>("outputsThen");
    QTest::addColumn<Ints>("inputsThen");
    QTest::addColumn<Ints>("inputsAfter");
    QTest::newRow("1 selector drive, at the reference point")
        << 1 << 1300 << Ints{0} << idleWith({4}, {3}) << IdleInputs;
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
    m.advance(450);        // the switch takes 500 ms
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

// What one probe shows: an output ("out N"), an input ("in N") or the temperature ("temp").
int probe(const MachineModel& m, const QString& what)
{
    const QStringList words = what.split(QLatin1Char(' '));
    if (words.first() == QLatin1String("temp"))
        return m.boilerTemperature();
    return words.first() == QLatin1String("out") ? m.output(words.last().toInt()) : m.input(words.last().toInt());
}

void TestMachineModel::faultyDevice_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("atMs");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("healthy");
    QTest::addColumn<int>("faulty");
    QTest::newRow("heating does not heat") << "faulty heating 1" << 20 << 5000 << "temp" << 300 << 200;
    QTest::newRow("boiler pump") << "faulty boiler-pump 1" << 21 << 100 << "out 2" << 1 << 0;
    QTest::newRow("valve 1 to the group") << "faulty valve-1 1" << 24 << 100 << "out 3" << 1 << 0;
    QTest::newRow("valve 2") << "faulty valve-2 1" << 23 << 100 << "out 4" << 1 << 0;
    QTest::newRow("water pump") << "faulty water-pump 1" << 19 << 100 << "out 21" << 1 << 0;
    QTest::newRow("flow sensor never pulses") << "faulty flow-sensor 1" << 19 << 150 << "in 5" << 1 << 0;
    QTest::newRow("selector never reaches 1") << "faulty selector 1" << 3 << 1100 << "in 4" << 1 << 0;
    QTest::newRow("selector leaves home") << "faulty selector 1" << 7 << 300 << "in 3" << 0 << 1;
    QTest::newRow("mixer 3 screw") << "faulty mixer-3 1" << 13 << 100 << "out 17" << 1 << 0;
    QTest::newRow("mixer 4 drive") << "FAULTY MIXER-4 1" << 14 << 100 << "out 20" << 1 << 0;
    QTest::newRow("no cup found") << "faulty cup-dispenser 1" << 18 << 1600 << "in 6" << 1 << 0;
    QTest::newRow("sugar nose stays up") << "faulty sugar-dispenser 1" << 26 << 500 << "in 1" << 0 << 1;
    QTest::newRow("group never in work") << "faulty coffee-group 1" << 31 << 1600 << "in 10" << 1 << 0;
    QTest::newRow("mended again") << "faulty mixer-1 0" << 9 << 100 << "out 13" << 1 << 1;
    QTest::newRow("no such device: mixer 1 stays faulty") << "faulty grinder 1" << 9 << 100 << "out 13" << 1 << 0;
}

void TestMachineModel::faultyDevice()
{
    QFETCH(QString, line);
    QFETCH(int, code);
    QFETCH(int, atMs);
    QFETCH(QString, what);
    QFETCH(int, healthy);
    QFETCH(int, faulty);

    MachineModel good;
    MachineModel bad;
    ConsoleCommands::run(bad, QStringLiteral("faulty mixer-1 1"));
    const QString answer = ConsoleCommands::run(bad, line);
    for (MachineModel* m : {&good, &bad}) {
        m->runCommand(code, 0, 0);
        m->advance(atMs);
    }
    QCOMPARE(probe(good, what), healthy);
    QCOMPARE(probe(bad, what), faulty);
    if (line.contains(QLatin1String("grinder")))
        QCOMPARE(answer, QStringLiteral("usage: faulty DEVICE 0|1 (type help)"));
    else if (!line.endsWith(QLatin1String(" 0")))
        QVERIFY2(bad.describe().contains(QStringLiteral("faulty: ")), qPrintable(bad.describe()));
}

void TestMachineModel::fasterTime()
{
    // The server's clock is counted here: 1 s of it is 5 s of the machine's.
    qint64 clock = 0;
    SimulatorServer server;
    server.setClock([&clock] { return clock; });
    server.setSpeed(5);
    server.model().runCommand(Protocol::CmdBoilerHeating, 0, 0);
    clock = 1000;
    QTRY_COMPARE(server.model().now(), qint64(5000));
    QCOMPARE(server.model().boilerTemperature(), 300);
}

// Each part of the coffee group runs on its own: the metering pressed during the working cycle
// neither stops the cycle nor is stopped by it.
void TestMachineModel::meteringLeavesWorkCycleRunning()
{
    MachineModel m;
    m.runCommand(Protocol::CmdCofeeGroupWorkCycle, 0, 0);
    m.advance(100);
    m.runCommand(Protocol::CmdCofeeMetering, 0, 0);
    m.advance(5900);
    QCOMPARE(on(m, Outputs), (Ints{2, 3})); // the cycle brews
}

QUELLARO_TEST_MAIN(TestMachineModel)
#include "tst_machine_model.moc"
