// cm-simulator: a stand-in for the coffee machine's controller, for trying the service tool
// out, for demos and for end-to-end tests.

#include "simulator/command_line.h"
#include "simulator/console_commands.h"
#include "simulator/console_reader.h"
#include "simulator/simulator_server.h"
#include "simulator/trace_reader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
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
    out() << QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")) << " #" << connection << ' ' << what
          << ' ' << text << Qt::endl;
}

// Reads the recorded session to play; false, with the reason printed, when it cannot be played.
bool loadRecording(const QString& path, SimulatorServer& server)
{
    QTextStream err(stderr);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cm-simulator: cannot read " << path << ": " << file.errorString() << Qt::endl;
        return false;
    }
    const TraceRecording recording = TraceReader::read(file);
    if (recording.errorLine > 0) {
        err << "cm-simulator: " << path << ", line " << recording.errorLine << ": " << recording.error << Qt::endl;
        return false;
    }
    for (const QString& warning : recording.warnings)
        err << "cm-simulator: " << path << ": " << warning << Qt::endl;
    if (recording.shortenedGaps > 0)
        err << "cm-simulator: " << path << ": " << recording.shortenedGaps
            << " silence(s) longer than an hour are played as an hour" << Qt::endl;
    server.replay(recording.connections);
    out() << "replaying " << path << ": " << recording.connections.size() << " recorded connection(s)" << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cm-simulator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELLARO_VERSION));

    SimulatorCommandLine line;
    if (const int status = readCommandLine(app, &line))
        return status;

    SimulatorServer server;
    server.setFaults(line.faults);
    server.setSpeed(line.speed);
    for (const QString& device : qAsConst(line.faultyDevices)) {
        MachineModel::Fault fault{};
        if (MachineModel::faultByName(device, &fault))
            server.model().setFault(fault, true);
    }
    if (!line.replayFile.isEmpty() && !loadRecording(line.replayFile, server))
        return 1;
    if (!server.listen(line.address, line.port)) {
        QTextStream(stderr) << "cm-simulator: cannot listen on " << line.address.toString() << ':' << line.port << ": "
                            << server.errorString() << Qt::endl;
        return 1;
    }
    out() << "cm-simulator listening on " << server.serverAddress().toString() << ':' << server.serverPort()
          << Qt::endl;

    // Printed with or without --log: otherwise a client would just see its connection drop.
    QObject::connect(&server, &SimulatorServer::outputLimitPassed, [](int id, qint64 unsent, qint64 limit) {
        log(id, "closing:", QStringLiteral("%1 bytes unsent, more than its limit of %2").arg(unsent).arg(limit));
    });
    QObject::connect(&server, &SimulatorServer::replayEnded,
                     [](int id) { log(id, "replay:", QStringLiteral("nothing more recorded, silent from now on")); });
    if (line.log) {
        QObject::connect(&server, &SimulatorServer::connectionOpened,
                         [](int id, const QString& peer) { log(id, "connected", peer); });
        QObject::connect(&server, &SimulatorServer::connectionClosed, [](int id) { log(id, "closed", QString()); });
        QObject::connect(&server, &SimulatorServer::requestReceived,
                         [](int id, const QByteArray& frame) { log(id, "<-", hex(frame)); });
        QObject::connect(&server, &SimulatorServer::bytesSent,
                         [](int id, const QByteArray& bytes) { log(id, "->", hex(bytes)); });
        QObject::connect(&server, &SimulatorServer::bytesDropped,
                         [](int id, const QByteArray& bytes) { log(id, "dropped", hex(bytes)); });
    }

    ConsoleReader console;
    QObject::connect(&console, &ConsoleReader::lineRead, &server, [&server](const QString& command) {
        if (ConsoleCommands::quits(command)) {
            QCoreApplication::quit();
            return;
        }
        const QString answer = ConsoleCommands::run(server.model(), command);
        if (!answer.isEmpty())
            out() << answer << Qt::endl;
    });

    return app.exec();
}
