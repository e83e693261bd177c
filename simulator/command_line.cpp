#include "simulator/command_line.h"

#include "simulator/machine_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

struct IntOption
{
    QCommandLineOption option;
    int* target;
    int minimum;
};

QCommandLineOption option(const char* name, const char* description, const char* valueName = nullptr)
{
    return QCommandLineOption(QLatin1String(name), QLatin1String(description),
                              valueName ? QLatin1String(valueName) : QString());
}

} // namespace

int readCommandLine(const QCoreApplication& app, SimulatorCommandLine* line)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated controller of the coffee machine. Type help on standard input for its commands."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption addressOption(QStringLiteral("address"), QStringLiteral("Address to listen on."),
                                           QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
                                        QStringLiteral("PORT"), QStringLiteral("2050"));
    const QCommandLineOption logOption = option("log", "Print every request and reply as hex with a timestamp.");
    const QCommandLineOption replayOption = option(
        "replay",
        "Play the controller of a session recorded with Quellaro --trace FILE: the Nth connection gets the reads "
        "of the Nth connection of the recording, at their times since it was made. Goes with --log only.",
        "FILE");
    // Options that change how the controller answers; a replay answers as the recording did.
    const QCommandLineOption mergeOption = option("merge", "Write replies two at a time.");
    const QCommandLineOption silentOption = option("silent", "Accept connections but never answer.");
    const QCommandLineOption baudOption = option(
        "baud",
        "Write replies as a serial line of N baud behind a gateway would deliver them: one byte every 10/N seconds, "
        "each byte forwarded on its own.",
        "N");
    const QCommandLineOption packetOption =
        option("packet", "With --baud: the gateway forwards N bytes at a time.", "N");
    const QCommandLineOption faultyOption = option(
        "faulty",
        "Make DEVICE fail: heating, boiler-pump, valve-1, valve-2, water-pump, flow-sensor, selector, mixer-1 to "
        "mixer-4, cup-dispenser, sugar-dispenser or coffee-group. May be given more than once.",
        "DEVICE");
    const QCommandLineOption speedOption =
        option("speed", "Run the machine's time N times faster than real time.", "N");
    FaultOptions& faults = line->faults;
    const IntOption intOptions[] = {
        {option("delay", "Write each reply MS milliseconds late.", "MS"), &faults.replyDelayMs, 0},
        {option("split", "Write each reply in two halves, MS milliseconds apart.", "MS"), &faults.splitReplyMs, 0},
        {option("garbage-every", "Write a garbage frame after every N replies.", "N"), &faults.garbageEvery, 0},
        {option("close-after", "Close each connection after N requests.", "N"), &faults.closeAfterRequests, 0},
        {option("flood",
                "Answer the first state request of each connection with BYTES bytes of replies and "
                "garbage at once.",
                "BYTES"),
         &faults.floodBytes, 0},
        {baudOption, &faults.baud, 1},
        {packetOption, &faults.gatewayPacketBytes, 1},
    };
    parser.addOptions(
        {addressOption, portOption, logOption, replayOption, mergeOption, silentOption, faultyOption, speedOption});
    for (const IntOption& number : intOptions)
        parser.addOption(number.option);
    QTextStream err(stderr);
    // Not process(): it ends the program with status 1 for an option it cannot read.
    if (!parser.parse(app.arguments())) {
        err << "cm-simulator: " << parser.errorText() << Qt::endl;
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QStringList answering; // the options given that change the answers
    for (const QCommandLineOption& flag : {mergeOption, silentOption}) {
        if (parser.isSet(flag))
            answering << QStringLiteral("--") + flag.names().constFirst();
    }
    for (const IntOption& number : intOptions) {
        if (!parser.isSet(number.option))
            continue;
        const QString name = number.option.names().constFirst();
        answering << QStringLiteral("--") + name;
        bool ok = false;
        *number.target = parser.value(number.option).toInt(&ok);
        if (!ok || *number.target < number.minimum) {
            err << "cm-simulator: --" << name << " needs a number of " << number.minimum << " or more" << Qt::endl;
            return 2;
        }
    }
    faults.mergeReplies = parser.isSet(mergeOption);
    faults.silent = parser.isSet(silentOption);
    line->replayFile = parser.value(replayOption);
    if (parser.isSet(replayOption) && line->replayFile.isEmpty()) {
        err << "cm-simulator: --replay needs a file" << Qt::endl;
        return 2;
    }
    if (parser.isSet(replayOption) && !answering.isEmpty()) {
        err << "cm-simulator: --replay answers as the recorded controller did; it does not go with "
            << answering.join(QStringLiteral(", ")) << Qt::endl;
        return 1;
    }
    if (parser.isSet(packetOption) && !parser.isSet(baudOption)) {
        err << "cm-simulator: --packet needs --baud" << Qt::endl;
        return 2;
    }
    line->log = parser.isSet(logOption);
    line->faultyDevices = parser.values(faultyOption);
    for (const QString& device : qAsConst(line->faultyDevices)) {
        MachineModel::Fault fault{};
        if (!MachineModel::faultByName(device, &fault)) {
            err << "cm-simulator: --faulty: no device called " << device << Qt::endl;
            return 2;
        }
    }
    if (parser.isSet(speedOption)) {
        bool ok = false;
        line->speed = parser.value(speedOption).toInt(&ok);
        if (!ok || line->speed < 1 || line->speed > 1000) {
            err << "cm-simulator: --speed needs a number from 1 to 1000" << Qt::endl;
            return 2;
        }
    }

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    line->address = QHostAddress(parser.value(addressOption));
    if (parser.value(addressOption) == QLatin1String("localhost"))
        line->address = QHostAddress::LocalHost;
    if (!portOk || port > 65535 || line->address.isNull()) {
        err << "cm-simulator: bad address or port" << Qt::endl;
        return 2;
    }
    line->port = quint16(port);
    return 0;
}
