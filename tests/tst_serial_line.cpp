// The gateway's pace: bytes cross the serial line one every 10/baud s and leave in packets.

#include "test_support.h"

#include "simulator/serial_line.h"

class TestSerialLine : public QObject
{
    Q_OBJECT

private slots:
    void paces_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("packet");
        QTest::addColumn<QStringList>("steps"); // "put NS BYTES" or "take NS", the time in ns
        QTest::addColumn<QString>("taken");     // each take's packets, "|" between takes
        QTest::newRow("9600 baud, a byte each 1041666 ns")
            << 9600 << 1 << QStringList{"put 0 abc", "take 1041665", "take 1041666", "take 3124998"} << "|a|b,c";
        QTest::newRow("packets of 2, the last one short")
            << 4800 << 2 << QStringList{"put 0 abcde", "take 4166665", "take 4166666", "take 10416665"} << "|ab|cd,e";
        QTest::newRow("bytes put while it is busy follow the run")
            << 9600 << 1 << QStringList{"put 0 ab", "put 1000000 c", "take 3124997", "take 3124998"} << "a,b|c";
        QTest::newRow("an idle line starts a new run at the put")
            << 9600 << 1 << QStringList{"put 0 a", "take 2000000", "put 10000000 b", "take 11041665", "take 11041666"}
            << "a||b";
    }

    void paces()
    {
        QFETCH(int, baud);
        QFETCH(int, packet);
        QFETCH(QStringList, steps);
        QFETCH(QString, taken);
        SerialLine line;
        line.setPace(baud, packet);
        QStringList takes;
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            const qint64 ns = words[1].toLongLong();
            if (words[0] == "put") {
                line.put(words[2].toLatin1(), ns);
                continue;
            }
            QStringList packets;
            for (const QByteArray& bytes : line.takeArrived(ns))
                packets << QString::fromLatin1(bytes);
            takes << packets.join(',');
        }
        QCOMPARE(takes.join('|'), taken);
        QCOMPARE(line.size(), 0);
    }
};

QUELLARO_TEST_MAIN(TestSerialLine)
#include "tst_serial_line.moc"
