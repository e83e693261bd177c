#include "test_support.h"

#include "link/frame_codec.h"
#include "link/protocol.h"
#include "link/status_texts.h"
#include "panels/switchmodedialog.h"
#include "panels/testboilerdialog.h"
#include "simulator/simulator_server.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

// The panels, shown for real, against a controller that misbehaves in every way the
// simulator can: the program must not crash, must show nothing but what it received, must
// keep its event loop responsive, and must work again at the next opening once the
// controller behaves.

namespace {

// The longest a zero-timer may wait for the event loop while the faults run.
constexpr qint64 MaxEventLoopGapMs = 50;

QMap<int, QString> modeTexts, stateTexts, errorTexts;

QString statusKey(int mode, int state, int error)
{
    return modeTexts.value(mode) + '|' + stateTexts.value(state) + '|' + errorTexts.value(error);
}

QString fieldText(const QWidget* panel, const char* name)
{
    const auto* edit = panel->findChild<QLineEdit*>(QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString shownStatus(const QWidget* panel)
{
    return fieldText(panel, "curentModelineEdit") + '|' + fieldText(panel, "curentStatelineEdit") + '|'
         + fieldText(panel, "curentErrorlineEdit");
}

// The boiler panel's check boxes in a fixed order.
const char* const BoilerBoxes[] = {"watercheckBox",    "boilerOncheckBox", "pumpOncheckBox",
                                   "clapan_1checkBox", "clapan_2checkBox", "waterRuncheckBox"};

// A panel under test: how to make it, which reply feeds it, and what it shows, as one text,
// both read off its widgets and as a received record would make it.
struct PanelKind
{
    const char* name;
    std::function<QDialog*()> make;
    int replyType;
    int recordSize;
    int faultPhaseMs; // a dozen polls or so
    std::function<QString(const QWidget* panel)> shown;
    std::function<QString(const char* record)> showing;
};

const QVector<PanelKind>& panelKinds()
{
    static const QVector<PanelKind> kinds = {
        {"boiler", [] { return new TestBoilerDialog; }, Protocol::ReplyXState, int(sizeof(_tag_getxstate_answer)),
         1500,
         [](const QWidget* panel) {
             QString key = shownStatus(panel);
             const auto* lcd = panel->findChild<QLCDNumber*>(QStringLiteral("lcdNumber"));
             key += '|' + (lcd ? QString::number(qRound(lcd->value() * 10)) : QStringLiteral("<no lcd>")) + '|';
             for (const char* name : BoilerBoxes) {
                 const auto* box = panel->findChild<QCheckBox*>(QLatin1String(name));
                 key += box ? (box->isChecked() ? '1' : '0') : '?';
             }
             return key;
         },
         [](const char* bytes) {
             _tag_getxstate_answer r{};
             FrameCodec::readRecord(bytes, sizeof(r), &r);
             QString key = statusKey(r.mode, r.state, r.error) + '|' + QString::number(r.boiler_temperature) + '|';
             for (quint8 flag : {r.water_sensor_counter, r.boiler_heating, r.boiler_pump, r.boiler_valve_1,
                                 r.boiler_valve_2, r.water_pump})
                 key += flag ? '1' : '0';
             return key;
         }},
        {"mode", [] { return new SwitchModeDialog; }, Protocol::ReplyState, int(sizeof(_tag_getstate_answer)),
         3000, [](const QWidget* panel) { return shownStatus(panel); },
         [](const char* bytes) {
             _tag_getstate_answer r{};
             FrameCodec::readRecord(bytes, sizeof(r), &r);
             return statusKey(r.mode, r.state, r.error);
         }},
    };
    return kinds;
}

struct Fault
{
    const char* name;
    std::function<void(FaultOptions&)> set;
};

const QVector<Fault>& faultKinds()
{
    static const QVector<Fault> faults = {
        {"split replies", [](FaultOptions& f) { f.splitReplyMs = 30; }},
        {"split replies, second half with the next", [](FaultOptions& f) { f.splitReplyMs = 0; }},
        {"merged replies", [](FaultOptions& f) { f.mergeReplies = true; }},
        {"garbage frames", [](FaultOptions& f) { f.garbageEvery = 1; }},
        {"stalls, answers late", [](FaultOptions& f) { f.replyDelayMs = 1000; }},
        {"stalls, never answers", [](FaultOptions& f) { f.silent = true; }},
        {"closes mid-poll", [](FaultOptions& f) { f.closeAfterRequests = 4; }},
        {"floods a megabyte", [](FaultOptions& f) { f.floodBytes = 1 << 20; }},
        {"all at once", [](FaultOptions& f) {
             f.splitReplyMs = 10;
             f.mergeReplies = true;
             f.garbageEvery = 2;
             f.floodBytes = 300000;
         }},
    };
    return faults;
}

// The simulated controller in a thread of its own, so that what it does (a flood is built and
// written in one go) does not count against the program's event loop.
class SimulatorThread
{
public:
    SimulatorThread()
    {
        context->moveToThread(&thread);
        thread.start();
        run([this](SimulatorServer&) {});
    }
    ~SimulatorThread()
    {
        QMetaObject::invokeMethod(context, [this] { delete server; }, Qt::BlockingQueuedConnection);
        context->deleteLater();
        thread.quit();
        thread.wait();
    }

    // Runs `f` on the simulator in its thread and waits for it.
    void run(const std::function<void(SimulatorServer&)>& f)
    {
        QMetaObject::invokeMethod(context, [this, &f] {
            if (!server)
                server = new SimulatorServer;
            f(*server);
        }, Qt::BlockingQueuedConnection);
    }

    // For connecting to its signals, which arrive queued.
    SimulatorServer* signalSource() const { return server; }

private:
    QThread thread;
    QObject* context = new QObject;
    SimulatorServer* server = nullptr;
};

// Watches a panel while the event loop runs: a zero-timer measures the longest wait for the
// event loop and notes what the panel shows at each of its firings. Each display noted must
// be one that a record the controller sent could have made, or the display the panel had
// before any answer. A record is made from the bytes of one read that start with the reply's
// type byte, so every window of the sent stream that starts with that byte is a candidate.
class Watch : public QObject
{
public:
    Watch(const PanelKind& panelKind, SimulatorServer* sim, QWidget* watched)
        : kind(panelKind)
        , panel(watched)
    {
        allowed.insert(kind.shown(panel));
        QObject::connect(sim, &SimulatorServer::bytesSent, this,
                         [this](int connection, const QByteArray& bytes) { streams[connection] += bytes; });
        zeroTimer.setInterval(0);
        QObject::connect(&zeroTimer, &QTimer::timeout, this, [this] { fired(); });
    }

    // Measures and notes while the event loop runs until `done` holds or `ms` have passed;
    // true when `done` held.
    bool runUntil(const std::function<bool()>& done, int ms)
    {
        sinceLast.start();
        zeroTimer.start();
        QElapsedTimer clock;
        clock.start();
        bool held = false;
        while (!held && clock.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            held = done && done();
        }
        zeroTimer.stop();
        return held;
    }

    qint64 longestGap() const { return gap; }
    bool showed(const QString& key) const { return seen.contains(key); }

    // The first display seen that no sent record explains; empty when there is none.
    QString unexplained()
    {
        QCoreApplication::processEvents(); // the last queued writes of the simulator
        const int frameSize = Protocol::ReplyHeaderSize + kind.recordSize;
        for (auto s = streams.cbegin(); s != streams.cend(); ++s) {
            const QByteArray& stream = s.value();
            int& at = scanned[s.key()];
            for (; at + frameSize <= stream.size(); ++at) {
                if (static_cast<unsigned char>(stream[at]) == kind.replyType)
                    allowed.insert(kind.showing(stream.constData() + at + Protocol::ReplyHeaderSize));
            }
        }
        for (const QString& key : seen) {
            if (!allowed.contains(key))
                return QStringLiteral("shown \"%1\", which no received record holds").arg(key);
        }
        return QString();
    }

private:
    void fired()
    {
        gap = qMax(gap, sinceLast.restart());
        seen.insert(kind.shown(panel));
    }

    const PanelKind& kind;
    QWidget* panel;
    QTimer zeroTimer;
    QElapsedTimer sinceLast;
    qint64 gap = 0;
    QMap<int, QByteArray> streams;
    QMap<int, int> scanned;
    QSet<QString> allowed;
    QSet<QString> seen;
};

void clickQuit(QWidget* panel)
{
    auto* quit = panel->findChild<QPushButton*>(QStringLiteral("quitButton"));
    QVERIFY(quit);
    QTest::mouseClick(quit, Qt::LeftButton);
}

} // namespace

class TestMisbehavingController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void survivesAndRecovers_data();
    void survivesAndRecovers();
};

void TestMisbehavingController::initTestCase()
{
    StatusTexts::fillModeTexts(modeTexts);
    StatusTexts::fillStateTexts(stateTexts);
    StatusTexts::fillErrorTexts(errorTexts);
}

void TestMisbehavingController::survivesAndRecovers_data()
{
    QTest::addColumn<int>("panelIndex");
    QTest::addColumn<int>("faultIndex");
    for (int p = 0; p < panelKinds().size(); ++p) {
        for (int f = 0; f < faultKinds().size(); ++f) {
            const QByteArray row = QByteArray(panelKinds()[p].name) + ": " + faultKinds()[f].name;
            QTest::newRow(row.constData()) << p << f;
        }
    }
}

void TestMisbehavingController::survivesAndRecovers()
{
    QFETCH(int, panelIndex);
    QFETCH(int, faultIndex);
    const PanelKind& kind = panelKinds()[panelIndex];

    SimulatorThread sim;
    quint16 port = 0;
    FaultOptions faults;
    faultKinds()[faultIndex].set(faults);
    sim.run([&](SimulatorServer& server) {
        if (server.listen(QHostAddress::LocalHost, 0))
            port = server.serverPort();
        MachineModel& machine = server.model();
        machine.setMode(Protocol::ModeOperator);
        machine.setState(Protocol::StateError);
        machine.setError(Protocol::ErrorGarbageContainer);
        machine.setBoilerTemperature(853);
        machine.setOutput(1, true); // boiler_heating: the temperature moves while the faults run
        server.setFaults(faults);
    });
    QVERIFY(port != 0);
    setControllerAddress(QStringLiteral("127.0.0.1"), port);

    std::unique_ptr<QDialog> panel(kind.make());
    Watch watch(kind, sim.signalSource(), panel.get());

    // The faulty controller.
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    watch.runUntil(nullptr, kind.faultPhaseMs);
    clickQuit(panel.get());
    QVERIFY(!panel->isVisible());
    int requests = 0;
    sim.run([&](SimulatorServer& server) { requests = server.requestCount(); });
    QVERIFY(requests > 0);
    QString wrong = watch.unexplained();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

    // The controller behaves again, and has something new to show: the next opening shows it.
    QByteArray reply;
    sim.run([&](SimulatorServer& server) {
        server.setFaults(FaultOptions());
        MachineModel& machine = server.model();
        machine.setOutput(1, false);
        machine.setMode(Protocol::ModeMaster);
        machine.setState(Protocol::StateWaiting);
        machine.setError(Protocol::ErrorNone);
        machine.setBoilerTemperature(MachineModel::AmbientTemperature); // and stays there
        reply = kind.replyType == Protocol::ReplyXState ? FrameCodec::composeXStateReply(machine.xstateAnswer())
                                                        : FrameCodec::composeStateReply(machine.stateAnswer());
    });
    const QString expected = kind.showing(reply.constData() + Protocol::ReplyHeaderSize);
    QVERIFY(!watch.showed(expected));

    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    const bool recovered = watch.runUntil([&] { return kind.shown(panel.get()) == expected; }, 5000);
    QVERIFY2(recovered, qPrintable(QStringLiteral("shows \"%1\", expected \"%2\"")
                                       .arg(kind.shown(panel.get()), expected)));
    clickQuit(panel.get());
    wrong = watch.unexplained();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    int accepted = 0;
    sim.run([&](SimulatorServer& server) { accepted = server.acceptedCount(); });
    QCOMPARE(accepted, 2);

    qInfo("longest wait of the event loop: %lld ms", watch.longestGap());
    QVERIFY2(watch.longestGap() <= MaxEventLoopGapMs,
             qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(watch.longestGap())));
}

QUELLARO_TEST_MAIN(TestMisbehavingController)
#include "tst_misbehaving_controller.moc"
