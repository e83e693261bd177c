// Rebuilding replies from reads, apart from any socket.

#include "test_support.h"

#include "link/frame_assembler.h"

class TestFrameCodec : public QObject
{
    Q_OBJECT

private slots:
    void assembleFrames_data();
    void assembleFrames();
};

void TestFrameCodec::assembleFrames_data()
{
    QTest::addColumn<QStringList>("reads");     // "milliseconds: hex bytes", or "milliseconds: poll" written
    QTest::addColumn<QStringList>("delivered"); // one a read: the frame, or "-"
    QTest::addColumn<int>("kept");

    const QString many = QStringLiteral(" 03").repeated(10000);

    QTest::newRow("joined after 50 ms of silence")
        << QStringList{"0: 01 00 02", "50: E8 03 00 00"} << QStringList{"-", "01 00 02 e8 03 00 00"} << 0;
    QTest::newRow("stale after 51 ms: dropped with its rest, until a poll")
        << QStringList{"0: 01 00 02", "51: E8 03 00 00", "60: 03 00 07", "70: poll", "80: 03 00 08"}
        << QStringList{"-", "-", "-", "-", "03 00 08"} << 0;
    QTest::newRow("a frame given up at a poll: as many bytes as it lacked are dropped, then all until a poll")
        << QStringList{"0: 03 00", "60: poll", "500: 07", "501: 03 00 08", "600: poll", "610: 03 00 09"}
        << QStringList{"-", "-", "-", "-", "-", "03 00 09"} << 0;
    QTest::newRow("a poll drops what is kept, and the rest it lacks")
        << QStringList{"0: 01 00 02", "10: poll", "20: E8 03 00 00 03 00 07", "30: poll", "40: 03 00 08"}
        << QStringList{"-", "-", "-", "-", "03 00 08"} << 0;
    QTest::newRow("dropping until a poll, or until the line has been quiet for more than 50 ms")
        << QStringList{"0: 05", "10: 03 00 07", "60: 03 00 08", "111: 03 00 09"}
        << QStringList{"-", "-", "-", "03 00 09"} << 0;
    QTest::newRow("junk that began like a reply: its rest cut from the next reply, no frame from what follows")
        << QStringList{"0: 01 00 02 e8 03 00 00 02", "100: poll", "110: 01 00 02 e8 03 00 07", "200: poll",
                       "210: 01 00 02 e8 03 00 00"}
        << QStringList{"01 00 02 e8 03 00 00", "-", "-", "-", "01 00 02 e8 03 00 00"} << 0;
    QTest::newRow("two frames in one read: the newest")
        << QStringList{"0: 03 00 07 03 00 08 03"} << QStringList{"03 00 08"} << 1;
    QTest::newRow("silence counts from the last bytes") << QStringList{"0: 01", "40: 00 02", "80: E8", "130: 03 00 00"}
                                                        << QStringList{"-", "-", "-", "01 00 02 e8 03 00 00"} << 0;
    QTest::newRow("lone bytes: kept, or dropped when no type")
        << QStringList{"0: 03", "60: 07", "61: 03 00 09", "62: poll", "63: 03", "64: 00", "65: 09"}
        << QStringList{"-", "-", "-", "-", "-", "-", "03 00 09"} << 0;
    QTest::newRow("type 5 at a boundary drops the rest")
        << QStringList{"0: 03 00 01 05 03 00 02 03", "5: 03 00 04", "6: poll", "7: 03 00 05"}
        << QStringList{"03 00 01", "-", "-", "03 00 05"} << 0;
    QTest::newRow("10,000 bytes taken") << QStringList{"0:" + many} << QStringList{"03 03 03"} << 1;
    QTest::newRow("10,001 bytes dropped")
        << QStringList{"0: 03" + many, "5: 03 00 02"} << QStringList{"-", "03 00 02"} << 0;
    QTest::newRow("a kept byte and 10,000 more")
        << QStringList{"0: 03 00 07 01", "5:" + many} << QStringList{"03 00 07", "-"} << 0;
}

void TestFrameCodec::assembleFrames()
{
    QFETCH(QStringList, reads);
    QFETCH(QStringList, delivered);
    QFETCH(int, kept);

    FrameAssembler assembler;
    QStringList got;
    for (const QString& read : reads) {
        const qint64 at = read.section(':', 0, 0).toInt();
        if (read.endsWith(QLatin1String("poll"))) {
            assembler.pollWritten(at);
            got << QStringLiteral("-");
            continue;
        }
        const QByteArray bytes = QByteArray::fromHex(read.section(':', 1).toLatin1()); // blanks skipped
        const QByteArray frame = assembler.take(bytes.constData(), bytes.size(), at);
        got << (frame.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(frame.toHex(' ')));
    }
    QCOMPARE(got, delivered);
    QCOMPARE(assembler.keptSize(), kept);
}

QUELLARO_TEST_MAIN(TestFrameCodec)
#include "tst_frame_codec.moc"
