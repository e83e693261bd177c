#include "simulator/console_commands.h"

#include "link/protocol.h"
#include "simulator/machine_model.h"

#include <QRegularExpression>
#include <QStringList>

#include <iterator>

namespace ConsoleCommands {

namespace {

bool toNumber(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

QString usage(const QString& command)
{
    return QStringLiteral("usage: %1 (type help)").arg(command);
}

// The outputs by number, named by the outputs panel's check boxes (their texts without "On").
const char* const PanelOutputNames[] = {
    "Water selector",
    "Boiler heating",
    "Boiler pump",
    "Boiler valve 1",
    "Boiler valve 2",
    "Coffe grinder",
    "Cooler",
    "Coffe metering unload",
    "Coffe group",
    "Dispenser cup rotation",
    "Dispender cup unload",
    "Dispenser sugar down",
    "Dispenser sugar screw",
    "Mixer 1 Screw",
    "Mixer 1 Drive",
    "Mixer 2 Screw",
    "Mixer 2 Drive",
    "Mixer 3 Screw",
    "Mixer 3 Drive",
    "Mixer 4 Screw",
    "Mixer 4 Drive",
    "Water pump",
};
static_assert(std::size(PanelOutputNames) == Protocol::OutputCount, "one name per output");

QString faultNames()
{
    QStringList names;
    for (int n = 0; n < MachineModel::FaultCount; ++n)
        names << MachineModel::faultName(MachineModel::Fault(n));
    return names.join(QStringLiteral(", "));
}

QString setFaulty(MachineModel& machine, const QStringList& words)
{
    MachineModel::Fault fault{};
    int value = 0;
    if (words.size() != 3 || !MachineModel::faultByName(words[1].toLower(), &fault)
        || !toNumber(words[2], 0, 1, &value))
        return usage(QStringLiteral("faulty DEVICE 0|1"));
    machine.setFault(fault, value != 0);
    return QStringLiteral("%1 %2").arg(MachineModel::faultName(fault),
                                       value ? QStringLiteral("faulty") : QStringLiteral("works"));
}

} // namespace

bool quits(const QString& line)
{
    const QString command = line.trimmed().toLower();
    return command == QLatin1String("quit") || command == QLatin1String("exit");
}

QString help()
{
    // Three to a line, in columns.
    QString outputs;
    for (int n = 0; n < Protocol::OutputCount; ++n) {
        const bool lastInLine = n % 3 == 2 || n == Protocol::OutputCount - 1;
        outputs += QStringLiteral("%1%2 %3")
                       .arg(n % 3 ? QString() : QStringLiteral("\n    "))
                       .arg(n, 3)
                       .arg(QLatin1String(PanelOutputNames[n]), lastInLine ? 0 : -23);
    }
    return QStringLiteral("commands:\n"
                          "  input N 0|1    set input N (0-17, in the order of the inputs panel: 0 power,\n"
                          "                 1 water level, ..., 8 sugar dispenser, ..., 17 washing button)\n"
                          "  output N 0|1   set output N, numbered as follows (the outputs panel's names):")
        + outputs
        + QStringLiteral("\n"
                         "  error CODE     set the error code (0-65535)\n"
                         "  state CODE     set the state code (0-65535)\n"
                         "  mode CODE      set the mode code at once (0-255)\n"
                         "  temp TENTHS    set the boiler temperature in tenths of a degree (0-65535)\n"
                         "  faulty DEVICE 0|1\n"
                         "                 make a device fail (1) or work again (0); DEVICE is one of\n"
                         "                 ")
        + faultNames()
        + QStringLiteral("\n"
                         "  status         show the machine\n"
                         "  help           this text\n"
                         "  quit, exit     stop the simulator\n"
                         "Started with --baud N, replies cross a serial line of N baud to a gateway that forwards\n"
                         "each byte, or N bytes at a time with --packet N; cm-simulator --help lists every option.");
}

QString run(MachineModel& machine, const QString& line)
{
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString command = words.first().toLower();

    if (command == QLatin1String("help"))
        return help();
    if (command == QLatin1String("status"))
        return machine.describe();
    if (command == QLatin1String("faulty"))
        return setFaulty(machine, words);

    if (command == QLatin1String("input") || command == QLatin1String("output")) {
        const bool isInput = command == QLatin1String("input");
        const int last = (isInput ? Protocol::InputCount : Protocol::OutputCount) - 1;
        int number = 0;
        int value = 0;
        if (words.size() != 3 || !toNumber(words[1], 0, last, &number) || !toNumber(words[2], 0, 1, &value))
            return usage(command + QStringLiteral(" N(0-%1) 0|1").arg(last));
        if (isInput) {
            const int in = MachineModel::PanelInputOrder[size_t(number)];
            machine.setInput(in, value != 0);
            return QStringLiteral("input %1 (%2) = %3")
                .arg(number)
                .arg(QLatin1String(MachineModel::inputName(in)))
                .arg(value);
        }
        machine.setOutput(number, value != 0);
        return QStringLiteral("output %1 (%2) = %3")
            .arg(number)
            .arg(QLatin1String(MachineModel::outputName(number)))
            .arg(value);
    }

    struct CodeCommand
    {
        const char* name;
        int high;
        void (MachineModel::*set)(int);
    };
    static const CodeCommand codeCommands[] = {
        {"error", 0xFFFF, &MachineModel::setError},
        {"state", 0xFFFF, &MachineModel::setState},
        {"mode", 0xFF, &MachineModel::setMode},
        {"temp", 0xFFFF, &MachineModel::setBoilerTemperature},
    };
    for (const CodeCommand& code : codeCommands) {
        if (command != QLatin1String(code.name))
            continue;
        int value = 0;
        if (words.size() != 2 || !toNumber(words[1], 0, code.high, &value))
            return usage(command + QStringLiteral(" 0-%1").arg(code.high));
        (machine.*code.set)(value);
        return QStringLiteral("%1 = %2").arg(command).arg(value);
    }
    return QStringLiteral("unknown command \"%1\" (type help)").arg(words.first());
}

} // namespace ConsoleCommands
