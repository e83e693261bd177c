#include "test_support.h"

#include "link/poll_scheduler.h"

// The poll schedule on a clock of its own, polling every 100 ms. A poll is written whenever one
// is due; the events are "r" a reply of the polled kind that answers the poll on the line, "x" one
// that answers none, "b" bytes that end no reply and "d" bytes dropped, each at its time in ms.
class TestPollScheduler : public QObject
{
    Q_OBJECT

private slots:
    void schedule_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("untilMs");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("timeoutMs"); // the reply timeout at the end

        QTest::newRow("answered: a poll a period after the last")
            << QStringList{"140 r", "230 r"} << 300 << "100 poll, 200 poll, 300 poll" << 500;
        QTest::newRow("late by a period: a new slot from the reply")
            << QStringList{"350 r", "390 r"} << 800 << "100 poll, 350 poll, 450 poll" << 500;
        QTest::newRow("a late reply is waited for, not taken for the next poll's")
            << QStringList{"700 r"} << 700 << "100 poll, 600 overdue, 700 poll" << 900;
        QTest::newRow("the timeout grows with the round trips, up to 4 s")
            << QStringList{"3100 r", "6100 r"} << 6100 << "100 poll, 600 overdue, 3100 poll, 6100 poll" << 4000;
        QTest::newRow("the timeout shrinks back after eight fast replies")
            << QStringList{"1100 r", "1110 r", "1210 r", "1310 r", "1410 r", "1510 r", "1610 r", "1710 r", "1810 r"}
            << 1900
            << "100 poll, 600 overdue, 1100 poll, 1200 poll, 1300 poll, 1400 poll, 1500 poll, 1600 poll, "
               "1700 poll, 1800 poll, 1900 poll"
            << 500;
        QTest::newRow("no reply at all: given up after 4 s")
            << QStringList{} << 4200 << "100 poll, 600 overdue, 4100 given up, 4100 poll" << 500;
        QTest::newRow("the reply after a give-up: a timeout of quiet, a repeat dropped")
            << QStringList{"4150 r", "4400 x"} << 4700 << "100 poll, 600 overdue, 4100 given up, 4100 poll, 4650 poll"
            << 500;
        QTest::newRow("a reply that stalled: given up once overdue and quiet")
            << QStringList{"130 b"} << 700 << "100 poll, 600 overdue, 600 given up, 600 poll" << 500;
        QTest::newRow("a repeat while no poll waits is not taken")
            << QStringList{"120 r", "150 x"} << 200 << "100 poll, 200 poll" << 500;
        QTest::newRow("dropped while awaited: the next poll waits for quiet")
            << QStringList{"160 d", "190 r", "230 b"} << 300 << "100 poll, 280 poll" << 500;
    }

    void schedule()
    {
        QFETCH(QStringList, events);
        QFETCH(int, untilMs);
        QFETCH(QString, steps);
        QFETCH(int, timeoutMs);
        PollScheduler scheduler;
        scheduler.start(100, 0);
        QStringList got;
        qint64 clock = 0;
        const auto runUntil = [&](qint64 until) {
            while (qMax(scheduler.dueAt(), clock) <= until) {
                clock = qMax(scheduler.dueAt(), clock);
                const PollScheduler::Step step = scheduler.step(clock);
                static const char* const names[] = {"none", "overdue", "given up", "poll"};
                got << QStringLiteral("%1 %2").arg(clock).arg(QLatin1String(names[int(step)]));
                if (step == PollScheduler::Step::Poll)
                    scheduler.written(clock);
            }
        };
        for (const QString& event : events) {
            const qint64 at = event.section(' ', 0, 0).toLongLong();
            const QString what = event.section(' ', 1);
            runUntil(at);
            clock = at;
            scheduler.bytesArrived(at);
            if (what == "r" || what == "x")
                QCOMPARE(scheduler.replyCame(at), what == "r");
            else if (what == "d")
                scheduler.dropped();
            runUntil(at);
        }
        runUntil(untilMs);
        QCOMPARE(got.join(", "), steps);
        QCOMPARE(scheduler.replyTimeoutMs(), timeoutMs);
    }
};

QUELLARO_TEST_MAIN(TestPollScheduler)
#include "tst_poll_scheduler.moc"
