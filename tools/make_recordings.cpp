// quellaro-make-recordings SESSION FILE: records a session of simulator/recordings/ with the
// real program against the simulator: the boiler panel, its link client and the --trace file
// writer, with the simulator's faults and its machine's clock set for the session. One session
// a run, so that each file holds one run of the program. scripts/make-recordings.sh runs it.

#include "link/protocol.h"
#include "panels/testboilerdialog.h"
#include "settings/settings_store.h"
#include "shell/link_trace_file.h"
#include "simulator/simulator_server.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Runs the event loop for `ms`.
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts the trace file at `path` with the session's comment lines.
bool startRecording(const QString& path, const char* comment)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(comment) < 0)
        return false;
    file.close();
    return startLinkTraceFile(path);
}

void pointAt(quint16 port)
{
    SettingsStore::setControllerHost(QStringLiteral("127.0.0.1"));
    SettingsStore::setControllerPort(QString::number(port));
}

// Behind a 9600-baud gateway; Boiler On after a second. The machine's clock runs at a tenth of
// the real pace once the boiler is on, so that each tenth of a degree shows for half a second.
bool gatewayHeating(const QString& path)
{
    SimulatorServer sim;
    FaultOptions faults;
    faults.baud = 9600;
    sim.setFaults(faults);
    QElapsedTimer heating;
    sim.setClock([&heating] { return heating.isValid() ? heating.elapsed() / 10 : 0; });
    sim.model().setMode(Protocol::ModeMaster);
    sim.model().setState(Protocol::StateWaiting);
    sim.model().setBoilerTemperature(850);
    if (!sim.listen(QHostAddress::LocalHost, 0) || !startRecording(path, "# A boiler panel on a controller behind a serial gateway at 9600 baud that forwards each\n"
                                                                          "# byte: every reply 4 arrives in 51 reads. Boiler On after a second; it heats from 85.0.\n"))
        return false;
    pointAt(sim.serverPort());
    TestBoilerDialog panel;
    panel.show();
    wait(1000);
    heating.start();
    panel.findChild<QPushButton*>(QStringLiteral("BoilerOnButton"))->click();
    wait(2600);
    panel.close();
    return true;
}

// Refused first; then answers for a second, falls silent for 2.7 s, comes back in mode Trade
// and closes the connection. The machine's clock stands still.
bool stopsAnswering(const QString& path)
{
    SimulatorServer sim;
    sim.setClock([] { return qint64(0); });
    sim.model().setMode(Protocol::ModeMaster);
    sim.model().setState(Protocol::StateWaiting);
    sim.model().setBoilerTemperature(925);
    if (!sim.listen(QHostAddress::LocalHost, 0) || !startRecording(path, "# A boiler panel on a controller that answers for a second, falls silent for 2.7 s (the\n"
                                                                          "# panel says it does not answer), comes back in mode Trade and then closes the connection.\n"))
        return false;
    const quint16 port = sim.serverPort();
    pointAt(port);
    sim.close();
    {
        TestBoilerDialog refused;
        refused.show();
        wait(300);
        refused.close();
    }
    if (!sim.listen(QHostAddress::LocalHost, port))
        return false;
    TestBoilerDialog panel;
    panel.show();
    wait(1000);
    sim.setSilent(true);
    wait(2700);
    sim.model().setMode(Protocol::ModeTrade);
    sim.model().setBoilerTemperature(918);
    sim.setSilent(false);
    wait(1000);
    sim.close();
    wait(300);
    panel.close();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir settings; // the user's settings stay as they are
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    SettingsStore::setApplicationNames();
    const QString session = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (session != QLatin1String("gateway_9600_heating") && session != QLatin1String("controller_stops_answering")) {
        std::fputs("usage: quellaro-make-recordings gateway_9600_heating|controller_stops_answering FILE\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    const bool made = session == QLatin1String("gateway_9600_heating") ? gatewayHeating(path) : stopsAnswering(path);
    if (!made)
        std::fputs("quellaro-make-recordings: a session could not be recorded\n", stderr);
    return made ? 0 : 1;
}
