// cm-simulator: a stand-in for the coffee machine's controller, for trying the service tool
// out, for demos and for end-to-end tests.

#include "simulator/console_commands.h"
#include "simulator/console_reader.h"
#include "simulator/simulator_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Long writes (a flood) are shown by their start and size only.
QString hex(const QByteArray& bytes)
{
    constexpr int Shown = 64;
    QString text = QString::fromLatin1(bytes.left(Shown).toHex(' '));
    if (bytes.size() > Shown)
        text += QStringLiteral(" ... (%1 bytes)").arg(bytes.size());
    return text;
}

void log(int connection, const char* what, const QString& text)
{
    out() << QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")) << " #" << connection << ' '
          << what << ' ' << text << Qt::endl;
}

struct IntOption
{
    QCommandLineOption option;
    int* target;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cm-simulator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated controller of the coffee machine. Type help on standard input for its commands."));
    parser.addHelpOption();
    const QCommandLineOption addressOption(QStringLiteral("address"), QStringLiteral("Address to listen on."),
                                           QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
                                        QStringLiteral("PORT"), QStringLiteral("2050"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Print every request and reply as hex with a timestamp."));
    const QCommandLineOption mergeOption(QStringLiteral("merge"), QStringLiteral("Write replies two at a time."));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Accept connections but never answer."));

    FaultOptions faults;
    const IntOption intOptions[] = {
        {QCommandLineOption(QStringLiteral("delay"), QStringLiteral("Write each reply MS milliseconds late."),
                            QStringLiteral("MS")),
         &faults.replyDelayMs},
        {QCommandLineOption(QStringLiteral("split"),
                            QStringLiteral("Write each reply in two halves, MS milliseconds apart."),
                            QStringLiteral("MS")),
         &faults.splitReplyMs},
        {QCommandLineOption(QStringLiteral("garbage-every"),
                            QStringLiteral("Write a garbage frame after every N replies."), QStringLiteral("N")),
         &faults.garbageEvery},
        {QCommandLineOption(QStringLiteral("close-after"),
                            QStringLiteral("Close each connection after N requests."), QStringLiteral("N")),
         &faults.closeAfterRequests},
        {QCommandLineOption(QStringLiteral("flood"),
                            QStringLiteral("Answer the first state request of each connection with BYTES bytes of "
                                           "replies and garbage at once."),
                            QStringLiteral("BYTES")),
         &faults.floodBytes},
    };
    parser.addOptions({addressOption, portOption, logOption, mergeOption, silentOption});
    for (const IntOption& option : intOptions)
        parser.addOption(option.option);
    parser.process(app);

    QTextStream err(stderr);
    for (const IntOption& option : intOptions) {
        if (!parser.isSet(option.option))
            continue;
        bool ok = false;
        *option.target = parser.value(option.option).toInt(&ok);
        if (!ok || *option.target < 0) {
            err << "cm-simulator: --" << option.option.names().constFirst() << " needs a number of 0 or more" << Qt::endl;
            return 2;
        }
    }
    faults.mergeReplies = parser.isSet(mergeOption);
    faults.silent = parser.isSet(silentOption);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    QHostAddress address(parser.value(addressOption));
    if (parser.value(addressOption) == QLatin1String("localhost"))
        address = QHostAddress::LocalHost;
    if (!portOk || port > 65535 || address.isNull()) {
        err << "cm-simulator: bad address or port" << Qt::endl;
        return 2;
    }

    SimulatorServer server;
    server.setFaults(faults);
    if (!server.listen(address, quint16(port))) {
        err << "cm-simulator: cannot listen on " << address.toString() << ':' << port << ": "
            << server.errorString() << Qt::endl;
        return 1;
    }
    out() << "cm-simulator listening on " << server.serverAddress().toString() << ':' << server.serverPort()
          << Qt::endl;

    // Printed with or without --log: otherwise a client would just see its connection drop.
    QObject::connect(&server, &SimulatorServer::outputLimitPassed, [](int id, qint64 unsent, qint64 limit) {
        log(id, "closing:", QStringLiteral("%1 bytes unsent, more than its limit of %2").arg(unsent).arg(limit));
    });
    if (parser.isSet(logOption)) {
        QObject::connect(&server, &SimulatorServer::connectionOpened, [](int id, const QString& peer) {
            log(id, "connected", peer);
        });
        QObject::connect(&server, &SimulatorServer::connectionClosed, [](int id) { log(id, "closed", QString()); });
        QObject::connect(&server, &SimulatorServer::requestReceived,
                         [](int id, const QByteArray& frame) { log(id, "<-", hex(frame)); });
        QObject::connect(&server, &SimulatorServer::bytesSent,
                         [](int id, const QByteArray& bytes) { log(id, "->", hex(bytes)); });
        QObject::connect(&server, &SimulatorServer::bytesDropped,
                         [](int id, const QByteArray& bytes) { log(id, "dropped", hex(bytes)); });
    }

    ConsoleReader console;
    QObject::connect(&console, &ConsoleReader::lineRead, &server, [&server](const QString& line) {
        const QString answer = ConsoleCommands::run(server.model(), line);
        if (!answer.isEmpty())
            out() << answer << Qt::endl;
    });

    return app.exec();
}
