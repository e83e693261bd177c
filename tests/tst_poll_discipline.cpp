// The boiler panel polling a controller behind a serial gateway: one poll in flight keeps the
// shown values current at any pace, and a disturbed reply never shows values it did not carry.

#include "paced_peer.h"
#include "panel_wire.h"
#include "test_support.h"

#include "link/frame_codec.h"
#include "panels/testboilerdialog.h"

#include <QMap>

namespace {

// A reply 4 as the controller sends it: Trade, Waiting, All correct, a temperature of `tenths`, the
// boiler heating and every other byte 4, the type of a reply 4, so that a frame cut in the wrong
// place shows false values.
QByteArray boilerReply(int tenths)
{
    _tag_getxstate_answer x;
    memset(&x, 4, sizeof x);
    x.mode = 2;
    x.state = 1000;
    x.error = 0;
    x.boiler_temperature = quint16(tenths);
    x.boiler_heating = 1;
    x.water_sensor_counter = x.boiler_pump = x.boiler_valve_1 = x.boiler_valve_2 = x.water_pump = 0;
    return FrameCodec::composeXStateReply(x);
}

// Calls `sample` every 10 ms until `done`, or 30 s.
template <typename Sample, typename Done>
bool sampleUntil(Sample sample, Done done)
{
    return QTest::qWaitFor([&] { return sample(), done(); }, 30000);
}

} // namespace

class TestPollDiscipline : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearSettings(); }

    // Each reply carries its poll's number as the temperature: the shown one is from one of the
    // last two polls the controller has read, however slow the line. A busy test machine may
    // stall the gateway for over 50 ms and so lose a reply (one more poll behind, briefly), never
    // more.
    void noBacklog_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("polls"); // at least, in 15 s: half what the line could carry
        QTest::newRow("9600 baud") << 9600 << 70;
        QTest::newRow("4800 baud") << 4800 << 60;
        QTest::newRow("2400 baud") << 2400 << 30;
    }

    void noBacklog()
    {
        QFETCH(int, baud);
        QFETCH(int, polls);
        PacedPeer peer(baud);
        peer.reply = [](int poll) { return boilerReply(poll); };
        PanelWire::PanelView rig;
        rig.show<TestBoilerDialog>(peer.port());
        QElapsedTimer clock;
        clock.start();
        int samples = 0;
        QMap<int, int> behind; // samples by how many polls the shown value is behind the last
        QVERIFY(sampleUntil(
            [&] {
                const int shown = qRound(rig.temperature() * 10);
                if (shown > 0) {
                    ++samples;
                    ++behind[peer.polls() - shown];
                }
            },
            [&] { return clock.elapsed() >= 15000; }));
        QVERIFY(!behind.isEmpty());
        QVERIFY2(
            behind.lastKey() <= 2 && behind.value(2) * 20 <= samples,
            qPrintable(
                QStringLiteral("%1 of %2 samples %3 behind").arg(behind.last()).arg(samples).arg(behind.lastKey())));
        QVERIFY2(peer.polls() >= polls, qPrintable(QString::number(peer.polls())));
    }

    // A controller that takes a while over each poll, one poll at a time; each reply carries its
    // poll's number as the temperature. A reply is shown only as its own poll's answer: the shown
    // one is never older than twice the delay and a period, never goes back to an older poll, and
    // the controller's queue never grows.
    void delayedReplies_data()
    {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("every"); // the delay is taken over every n-th poll
        QTest::addColumn<int>("runMs");
        QTest::addColumn<int>("polls"); // at least
        QTest::newRow("at once") << 0 << 1 << 4000 << 30;
        QTest::newRow("300 ms") << 300 << 1 << 5000 << 12;
        QTest::newRow("700 ms") << 700 << 1 << 8000 << 9;
        QTest::newRow("every fifth after 700 ms") << 700 << 5 << 8000 << 30;
        QTest::newRow("1.5 s") << 1500 << 1 << 10000 << 5;
        QTest::newRow("3 s") << 3000 << 1 << 16000 << 4;
    }

    void delayedReplies()
    {
        QFETCH(int, delayMs);
        QFETCH(int, every);
        QFETCH(int, runMs);
        QFETCH(int, polls);
        PacedPeer peer(115200);
        peer.delay = [&](int poll) { return poll % every == 0 ? delayMs : 0; };
        peer.reply = [](int poll) { return boilerReply(poll); };
        PanelWire::PanelView rig;
        rig.show<TestBoilerDialog>(peer.port());
        int last = 0;
        qint64 oldest = 0;
        QStringList faults;
        QVERIFY(sampleUntil(
            [&] {
                const int shown = qRound(rig.temperature() * 10);
                if (shown == 0)
                    return;
                if (shown < last)
                    faults << QStringLiteral("poll %1 shown after poll %2").arg(shown).arg(last);
                last = shown;
                oldest = qMax(oldest, peer.nowMs() - peer.readAtMs(shown));
                if (peer.polls() - peer.answered() > 1)
                    faults << QStringLiteral("%1 polls waiting").arg(peer.polls() - peer.answered());
            },
            [&] { return peer.nowMs() >= runMs; }));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // A busy test machine may stall the test or the peer for a while; a backlog grows
        // without bound instead.
        QVERIFY2(oldest <= 2 * delayMs + 100 + 1000, qPrintable(QString::number(oldest)));
        QVERIFY2(peer.polls() >= polls, qPrintable(QString::number(peer.polls())));
    }

    // The sixth reply is disturbed at 9600 baud; the panel polls on. `wrong` is how many
    // different false readings may show: none but for a doubled byte, which spoils one frame.
    void disturbances_data()
    {
        QTest::addColumn<QString>("disturbance");
        QTest::addColumn<int>("wrong");
        QTest::newRow("stall of 60 ms after byte 3") << "stall 3 60" << 0;
        QTest::newRow("stall of 150 ms after byte 20") << "stall 20 150" << 0;
        QTest::newRow("stall of 500 ms after byte 40") << "stall 40 500" << 0;
        QTest::newRow("byte 10 lost") << "lose 10" << 0;
        QTest::newRow("junk reply types after the reply") << "junk" << 0;
        QTest::newRow("byte 4 doubled") << "double 4" << 1;
        // Its first 9 bytes right after the reply, the rest after the next poll, before its reply.
        QTest::newRow("a repeated answer cut in two") << "repeat 9 150" << 0;
    }

    void disturbances()
    {
        QFETCH(QString, disturbance);
        QFETCH(int, wrong);
        PacedPeer peer(9600);
        peer.reply = [](int) { return boilerReply(772); };
        const QStringList words = disturbance.split(' ');
        const int at = words.value(1).toInt();
        peer.bend = [&](int poll, QByteArray frame) {
            if (poll != 6)
                return frame;
            if (words[0] == "stall")
                peer.stallAfter(at, words[2].toInt());
            else if (words[0] == "lose")
                frame.remove(at, 1);
            else if (words[0] == "double")
                frame.insert(at, frame.at(at));
            else if (words[0] == "repeat")
                peer.stallAfter(frame.size() + at, words[2].toInt()), frame += frame;
            else
                frame += QByteArray::fromHex("0401030400");
            return frame;
        };
        PanelWire::PanelView rig;
        rig.show<TestBoilerDialog>(peer.port());
        const QString right = QStringLiteral("Trade|Waiting|All correct|772|010000");
        QTRY_COMPARE_WITH_TIMEOUT(rig.shown(), right, 5000);
        QStringList falseReadings;
        QVERIFY(sampleUntil(
            [&] {
                const QString now = rig.shown();
                if (now != right && !falseReadings.contains(now))
                    falseReadings << now;
            },
            [&] { return peer.polls() >= 12; }));
        QVERIFY2(falseReadings.size() <= wrong, qPrintable(falseReadings.join('\n')));
        QTRY_COMPARE_WITH_TIMEOUT(rig.shown(), right, 5000);
    }
};

QUELLARO_TEST_MAIN(TestPollDiscipline)
#include "tst_poll_discipline.moc"
