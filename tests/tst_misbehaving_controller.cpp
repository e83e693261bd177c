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
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <iterator>
#include <memory>

// The panels, shown for real, against a controller that misbehaves in every way the
// simulator can: the program must not crash, must show nothing but what it received, must
// keep its event loop running, and must work again at the next opening once the controller
// behaves. How short the event loop's waits are is the benchmark's to measure; a wait of
// a second here is a hang.

namespace {

constexpr qint64 EventLoopHangMs = 1000;

QMap<int, QString> modeTexts, stateTexts, errorTexts;

// What a panel shows, as one text: the status fields and, on the boiler panel, the
// temperature in tenths and its check boxes.
const char* const BoilerBoxes[] = {"watercheckBox",    "boilerOncheckBox", "pumpOncheckBox",
                                   "clapan_1checkBox", "clapan_2checkBox", "waterRuncheckBox"};

QString shown(const QWidget* panel)
{
    QString key;
    for (const char* name : {"curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"})
        key += panel->findChild<QLineEdit*>(QLatin1String(name))->text() + '|';
    if (const auto* lcd = panel->findChild<QLCDNumber*>(QStringLiteral("lcdNumber"))) {
        key += QString::number(qRound(lcd->value() * 10)) + '|';
        for (const char* name : BoilerBoxes)
            key += panel->findChild<QCheckBox*>(QLatin1String(name))->isChecked() ? '1' : '0';
    }
    return key;
}

// The same text as the record after a reply's header would make it.
QString showing(int replyType, const char* bytes)
{
    if (replyType == Protocol::ReplyState) {
        _tag_getstate_answer s{};
        FrameCodec::readRecord(bytes, sizeof(s), &s);
        return modeTexts.value(s.mode) + '|' + stateTexts.value(s.state) + '|' + errorTexts.value(s.error) + '|';
    }
    _tag_getxstate_answer r{};
    FrameCodec::readRecord(bytes, sizeof(r), &r);
    QString key = modeTexts.value(r.mode) + '|' + stateTexts.value(r.state) + '|' + errorTexts.value(r.error) + '|'
        + QString::number(r.boiler_temperature) + '|';
    for (quint8 flag :
         {r.water_sensor_counter, r.boiler_heating, r.boiler_pump, r.boiler_valve_1, r.boiler_valve_2, r.water_pump})
        key += flag ? '1' : '0';
    return key;
}

struct PanelKind
{
    const char* name;
    std::function<QDialog*()> make;
    int replyType;
    int faultPhaseMs; // a dozen polls or so
};

const PanelKind panelKinds[] = {
    {"boiler", [] { return new TestBoilerDialog; }, Protocol::ReplyXState, 1500},
    {"mode", [] { return new SwitchModeDialog; }, Protocol::ReplyState, 3000},
};

struct Fault
{
    const char* name;
    std::function<void(FaultOptions&)> set;
};

const Fault faults[] = {
    {"split replies", [](FaultOptions& f) { f.splitReplyMs = 30; }},
    {"split replies, second half with the next", [](FaultOptions& f) { f.splitReplyMs = 0; }},
    {"merged replies", [](FaultOptions& f) { f.mergeReplies = true; }},
    {"garbage frames", [](FaultOptions& f) { f.garbageEvery = 1; }},
    {"stalls, answers late", [](FaultOptions& f) { f.replyDelayMs = 1000; }},
    {"stalls, never answers", [](FaultOptions& f) { f.silent = true; }},
    {"closes mid-poll", [](FaultOptions& f) { f.closeAfterRequests = 4; }},
    {"floods a megabyte", [](FaultOptions& f) { f.floodBytes = 1 << 20; }},
    {"all at once",
     [](FaultOptions& f) {
         f.splitReplyMs = 10;
         f.mergeReplies = true;
         f.garbageEvery = 2;
         f.floodBytes = 300000;
     }},
};

// Watches a panel while the event loop runs: a zero-timer measures the longest wait for the
// event loop and notes what the panel shows at each firing. Each display must be the one the
// panel had before any answer or one that a sent record makes; a record is read from where a
// read starts, so every window of the sent stream that starts with the reply's type counts.
class Watch : public QObject
{
public:
    Watch(const PanelKind& panelKind, const SimulatorServer* sim, QWidget* watched)
        : kind(panelKind)
        , panel(watched)
    {
        allowed.insert(shown(panel));
        connect(sim, &SimulatorServer::bytesSent, this,
                [this](int connection, const QByteArray& bytes) { streams[connection] += bytes; });
        connect(&zeroTimer, &QTimer::timeout, this, [this] {
            gap = qMax(gap, sinceLast.restart());
            seen.insert(shown(panel));
        });
    }

    // Runs the event loop until `done` holds or `ms` have passed; true when `done` held.
    bool runUntil(const std::function<bool()>& done, int ms)
    {
        sinceLast.start();
        zeroTimer.start(0);
        QElapsedTimer clock;
        clock.start();
        bool held = false;
        while (!held && clock.elapsed() < ms) {
            QCoreApplication::processEvents();
            held = done && done();
        }
        zeroTimer.stop();
        return held;
    }

    // The first display seen that no sent record explains; empty when there is none.
    QString unexplained()
    {
        const int frameSize = kind.replyType == Protocol::ReplyState ? 5 : 51;
        for (auto s = streams.cbegin(); s != streams.cend(); ++s) {
            for (int& at = scanned[s.key()]; at + frameSize <= s.value().size(); ++at) {
                if (quint8(s.value()[at]) == kind.replyType)
                    allowed.insert(showing(kind.replyType, s.value().constData() + at + Protocol::ReplyHeaderSize));
            }
        }
        for (const QString& key : seen) {
            if (!allowed.contains(key))
                return QStringLiteral("shown \"%1\", which no received record holds").arg(key);
        }
        return QString();
    }

    const PanelKind& kind;
    QWidget* panel;
    QTimer zeroTimer;
    QElapsedTimer sinceLast;
    qint64 gap = 0;
    QMap<int, QByteArray> streams;
    QMap<int, int> scanned;
    QSet<QString> allowed, seen;
};

void clickQuit(QWidget* panel)
{
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("quitButton")), Qt::LeftButton);
}

} // namespace

class TestMisbehavingController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        StatusTexts::fillModeTexts(modeTexts);
        StatusTexts::fillStateTexts(stateTexts);
        StatusTexts::fillErrorTexts(errorTexts);
    }

    void survivesAndRecovers_data()
    {
        QTest::addColumn<int>("panelIndex");
        QTest::addColumn<int>("faultIndex");
        for (int p = 0; p < 2; ++p) {
            for (int f = 0; f < int(std::size(faults)); ++f)
                QTest::addRow("%s: %s", panelKinds[p].name, faults[f].name) << p << f;
        }
    }

    void survivesAndRecovers()
    {
        QFETCH(int, panelIndex);
        QFETCH(int, faultIndex);
        const PanelKind& kind = panelKinds[panelIndex];

        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        FaultOptions options;
        faults[faultIndex].set(options);
        sim.setFaults(options);
        sim.model().setMode(Protocol::ModeOperator);
        sim.model().setState(Protocol::StateError);
        sim.model().setError(Protocol::ErrorGarbageContainer);
        sim.model().setBoilerTemperature(853);
        sim.model().setOutput(1, true); // boiler_heating: the temperature moves while the faults run
        setControllerAddress(QStringLiteral("127.0.0.1"), sim.serverPort());

        std::unique_ptr<QDialog> panel(kind.make());
        Watch watch(kind, &sim, panel.get());

        // The faulty controller.
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        watch.runUntil(nullptr, kind.faultPhaseMs);
        clickQuit(panel.get());
        QVERIFY(!panel->isVisible());
        QVERIFY(sim.requestCount() > 0);
        QString wrong = watch.unexplained();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

        // The controller behaves again, and has something new to show: the next opening shows it.
        sim.setFaults(FaultOptions());
        sim.model().setOutput(1, false);
        sim.model().setMode(Protocol::ModeMaster);
        sim.model().setState(Protocol::StateWaiting);
        sim.model().setError(Protocol::ErrorNone);
        sim.model().setBoilerTemperature(MachineModel::AmbientTemperature); // and stays there
        const QByteArray reply = kind.replyType == Protocol::ReplyXState
            ? FrameCodec::composeXStateReply(sim.model().xstateAnswer())
            : FrameCodec::composeStateReply(sim.model().stateAnswer());
        const QString expected = showing(kind.replyType, reply.constData() + Protocol::ReplyHeaderSize);
        QVERIFY(!watch.seen.contains(expected));

        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        const bool recovered = watch.runUntil([&] { return shown(panel.get()) == expected; }, 5000);
        QVERIFY2(recovered,
                 qPrintable(QStringLiteral("shows \"%1\", expected \"%2\"").arg(shown(panel.get()), expected)));
        clickQuit(panel.get());
        wrong = watch.unexplained();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(sim.acceptedCount(), 2);

        QVERIFY2(watch.gap < EventLoopHangMs,
                 qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(watch.gap)));
    }
};

QUELLARO_TEST_MAIN(TestMisbehavingController)
#include "tst_misbehaving_controller.moc"
