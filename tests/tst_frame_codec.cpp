// The byte layout of requests and replies, apart from any socket.

#include "test_support.h"

#include "link/frame_codec.h"

#include <cstring>
#include <memory>

class TestFrameCodec : public QObject
{
    Q_OBJECT

private slots:
    void composeRequest_data();
    void composeRequest();
    void decodeReply_data();
    void decodeReply();
    void decodeRecordFields();
    void parseRequest_data();
    void parseRequest();
    void composedRepliesDecodeBack();
};

void TestFrameCodec::composeRequest_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("arg1");
    QTest::addColumn<int>("arg2");
    QTest::addColumn<int>("arg3");
    QTest::addColumn<QByteArray>("frame");

    QTest::newRow("state query") << 1 << 0 << 0 << 0 << hexBytes("01 00");
    QTest::newRow("state query ignores its arguments") << 1 << 7 << 8 << 9 << hexBytes("01 00");
    QTest::newRow("extended query") << 4 << 0 << 0 << 0 << hexBytes("04 00");
    QTest::newRow("extended query ignores its arguments") << 4 << -5 << 300 << 70000 << hexBytes("04 00");
    QTest::newRow("mode diagnostic") << 2 << 6 << 0 << 0 << hexBytes("02 01 06");
    QTest::newRow("mode low 8 bits of 300") << 2 << 300 << 0 << 0 << hexBytes("02 01 2C");
    QTest::newRow("mode ignores arg2 and arg3") << 2 << 3 << 99 << 99 << hexBytes("02 01 03");
    QTest::newRow("boiler on") << 3 << 20 << 0 << 0 << hexBytes("03 06 14 00 00 00 00 00");
    QTest::newRow("make drink 5 with sugar 2") << 3 << 34 << 5 << 2 << hexBytes("03 06 22 00 05 00 02 00");
    QTest::newRow("negative arguments") << 3 << -1 << -1 << 0 << hexBytes("03 06 FF FF FF FF 00 00");
    QTest::newRow("low 16 bits") << 3 << 0x12345 << 65536 << -65535 << hexBytes("03 06 45 23 00 00 01 00");
    QTest::newRow("output on") << 5 << 14 << 1 << 0 << hexBytes("05 02 0E 01");
    QTest::newRow("output off") << 5 << 14 << 0 << 0 << hexBytes("05 02 0E 00");
    QTest::newRow("output low 8 bits, arg3 ignored") << 5 << 0x115 << 0x101 << 7 << hexBytes("05 02 15 01");
    QTest::newRow("type 0") << 0 << 1 << 2 << 3 << QByteArray();
    QTest::newRow("type 6") << 6 << 1 << 2 << 3 << QByteArray();
    QTest::newRow("type -1") << -1 << 1 << 2 << 3 << QByteArray();
    QTest::newRow("type 257 (low byte 1)") << 257 << 0 << 0 << 0 << QByteArray();
}

void TestFrameCodec::composeRequest()
{
    QFETCH(int, type);
    QFETCH(int, arg1);
    QFETCH(int, arg2);
    QFETCH(int, arg3);
    QFETCH(QByteArray, frame);
    QCOMPARE(FrameCodec::composeRequest(type, arg1, arg2, arg3).toHex(' '), frame.toHex(' '));
}

void TestFrameCodec::decodeReply_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("curentState");

    using K = FrameCodec::Reply::Kind;
    const QByteArray xstate = hexBytes("04 00") + QByteArray(49, '\1');
    QTest::newRow("reply 2: 266") << hexBytes("02 00 00 0A 01") << int(K::CurentState) << QString() << 266;
    QTest::newRow("reply 2: byte 2 not read") << hexBytes("02 33 FF 01 00") << int(K::CurentState) << QString() << 1;
    QTest::newRow("reply 2: 65535") << hexBytes("02 00 00 FF FF") << int(K::CurentState) << QString() << 65535;
    QTest::newRow("reply 2 short of its field") << hexBytes("02 00 00 0A") << int(K::Ignored) << QString() << 0;
    QTest::newRow("reply 3: 255") << hexBytes("03 00 FF") << int(K::String) << QStringLiteral("255") << 0;
    QTest::newRow("reply 3: 7") << hexBytes("03 00 07") << int(K::String) << QStringLiteral("7") << 0;
    QTest::newRow("reply 3: 0") << hexBytes("03 00 00 99") << int(K::String) << QStringLiteral("0") << 0;
    QTest::newRow("reply 3 short of its byte") << hexBytes("03 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("reply 1") << hexBytes("01 00 02 E8 03 00 00") << int(K::StateAnswer) << QString() << 0;
    QTest::newRow("reply 1 with more") << hexBytes("01 00 02 E8 03 00 00 01 00") << int(K::StateAnswer) << QString() << 0;
    QTest::newRow("reply 1 one byte short") << hexBytes("01 00 02 E8 03 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("reply 4") << xstate << int(K::XStateAnswer) << QString() << 0;
    QTest::newRow("reply 4 one byte short") << xstate.left(50) << int(K::Ignored) << QString() << 0;
    QTest::newRow("reply 4 header only") << hexBytes("04 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("type 0") << hexBytes("00 00 02 E8 03 00 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("type 5") << hexBytes("05 00 02 E8 03 00 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("type 0x81 is not 1") << hexBytes("81 00 02 E8 03 00 00") << int(K::Ignored) << QString() << 0;
    QTest::newRow("one byte") << hexBytes("04") << int(K::Ignored) << QString() << 0;
    QTest::newRow("nothing") << QByteArray() << int(K::Ignored) << QString() << 0;
}

void TestFrameCodec::decodeReply()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, curentState);

    // Exactly the given bytes on the heap, so a read past them shows under the sanitizers.
    std::unique_ptr<char[]> exact(new char[size_t(qMax(1, bytes.size()))]);
    std::memcpy(exact.get(), bytes.constData(), size_t(bytes.size()));
    const FrameCodec::Reply reply = FrameCodec::decodeReply(exact.get(), bytes.size());
    QCOMPARE(int(reply.kind), kind);
    QCOMPARE(reply.text, text);
    QCOMPARE(reply.curentState, curentState);
}

void TestFrameCodec::decodeRecordFields()
{
    // Header FF FF / FF FF: codes 65535, never negative. Temperature 9D 03 = 925.
    QByteArray frame = hexBytes("04 00 06 FF FF FF FF 9D 03 AA BB");
    for (int n = 0; n < 18; ++n)
        frame += char(n == 0 ? 2 : n == 17 ? 255 : 0);
    for (int n = 0; n < 22; ++n)
        frame += char(27 + n);
    QCOMPARE(frame.size(), 51);

    const FrameCodec::Reply reply = FrameCodec::decodeReply(frame.constData(), frame.size());
    QCOMPARE(int(reply.kind), int(FrameCodec::Reply::Kind::XStateAnswer));
    const _tag_getxstate_answer& x = reply.xstate;
    QCOMPARE(int(x.mode), 6);
    QCOMPARE(int(x.state), 65535);
    QCOMPARE(int(x.error), 65535);
    QCOMPARE(int(x.boiler_temperature), 925);
    QCOMPARE(int(x.power), 2);
    QCOMPARE(int(x.dispenser_sugar_insrc), 0);
    QCOMPARE(int(x.washing), 255);
    QCOMPARE(int(x.selector_water_run), 27);
    QCOMPARE(int(x.cooler), 33);
    QCOMPARE(int(x.mixer_1_screw), 40);
    QCOMPARE(int(x.mixer_1_drive), 41);
    QCOMPARE(int(x.mixer_4_drive), 47);
    QCOMPARE(int(x.water_pump), 48);

    const QByteArray shortFrame = hexBytes("01 00 03 01 80 0A 00");
    const FrameCodec::Reply s = FrameCodec::decodeReply(shortFrame.constData(), shortFrame.size());
    QCOMPARE(int(s.state.mode), 3);
    QCOMPARE(int(s.state.state), 0x8001);
    QCOMPARE(int(s.state.error), 10);
}

void TestFrameCodec::parseRequest_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("arg1");
    QTest::addColumn<int>("arg2");
    QTest::addColumn<int>("arg3");

    QTest::newRow("state query") << hexBytes("01 00") << 2 << 1 << 0 << 0 << 0;
    QTest::newRow("two requests: first only") << hexBytes("04 00 01 00") << 2 << 4 << 0 << 0 << 0;
    QTest::newRow("mode") << hexBytes("02 01 06") << 3 << 2 << 6 << 0 << 0;
    QTest::newRow("mode negative") << hexBytes("02 01 FF") << 3 << 2 << -1 << 0 << 0;
    QTest::newRow("command") << hexBytes("03 06 22 00 05 00 02 00") << 8 << 3 << 34 << 5 << 2;
    QTest::newRow("command negative") << hexBytes("03 06 FF FF FE FF 00 80") << 8 << 3 << -1 << -2 << -32768;
    QTest::newRow("output") << hexBytes("05 02 0E 01") << 4 << 5 << 14 << 1 << 0;
    QTest::newRow("command incomplete") << hexBytes("03 06 22 00 05 00 02") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("type only") << hexBytes("05") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("empty") << QByteArray() << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("unknown type 0") << hexBytes("00 00") << -1 << 0 << 0 << 0 << 0;
    QTest::newRow("unknown type 6") << hexBytes("06") << -1 << 0 << 0 << 0 << 0;
    QTest::newRow("unknown type FF") << hexBytes("FF 00 00") << -1 << 0 << 0 << 0 << 0;
}

void TestFrameCodec::parseRequest()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, used);
    QFETCH(int, type);
    QFETCH(int, arg1);
    QFETCH(int, arg2);
    QFETCH(int, arg3);

    FrameCodec::Request request;
    QCOMPARE(FrameCodec::parseRequest(bytes.constData(), bytes.size(), &request), used);
    QCOMPARE(request.type, type);
    QCOMPARE(request.arg1, arg1);
    QCOMPARE(request.arg2, arg2);
    QCOMPARE(request.arg3, arg3);
}

void TestFrameCodec::composedRepliesDecodeBack()
{
    _tag_getxstate_answer x{};
    x.mode = 4;
    x.state = 0xABCD;
    x.error = 10010;
    x.boiler_temperature = 925;
    x.trade = 1;
    x.water_pump = 1;
    const QByteArray frame = FrameCodec::composeXStateReply(x);
    QCOMPARE(frame.toHex(' '), (hexBytes("04 00 04 CD AB 1A 27 9D 03 00 00") + QByteArray(14, '\0') + hexBytes("01")
                                + QByteArray(3, '\0') + QByteArray(21, '\0') + hexBytes("01"))
                                   .toHex(' '));
    const FrameCodec::Reply back = FrameCodec::decodeReply(frame.constData(), frame.size());
    QCOMPARE(int(back.xstate.state), 0xABCD);
    QCOMPARE(std::memcmp(&back.xstate, &x, sizeof x), 0);

    _tag_getstate_answer s{};
    s.mode = 2;
    s.state = 1000;
    s.error = 0;
    QCOMPARE(FrameCodec::composeStateReply(s).toHex(' '), hexBytes("01 00 02 E8 03 00 00").toHex(' '));
    QCOMPARE(FrameCodec::composeCurentStateReply(266).toHex(' '), hexBytes("02 00 00 0A 01").toHex(' '));
    QCOMPARE(FrameCodec::composeNumberTextReply(255).toHex(' '), hexBytes("03 00 FF").toHex(' '));
}

QUELLARO_TEST_MAIN(TestFrameCodec)
#include "tst_frame_codec.moc"
