#pragma once
#include "link/frame_codec.h"
#include "recording_peer.h"
#include "test_support.h"
#include <QLineEdit>

// What the panels' tests put on and take off the wire.
namespace PanelWire {
// The request frames in `bytes` but those of type `skip`; bytes that make no request are kept.
inline QByteArrayList requests(const QByteArray& bytes, int skip = -1)
{
    QByteArrayList frames;
    FrameCodec::Request request;
    for (int pos = 0, taken = 0; pos < bytes.size(); pos += taken) {
        if ((taken = FrameCodec::parseRequest(bytes.constData() + pos, bytes.size() - pos, &request)) <= 0)
            return frames << bytes.mid(pos);
        if (request.type != skip)
            frames << bytes.mid(pos, taken);
    }
    return frames;
}

// A short or an extended answer; in the latter record bytes `first` to `last` are `value`.
inline QByteArray answer(bool extended, int mode, int state, int error, int first = 0, int last = -1, quint8 value = 0)
{
    _tag_getxstate_answer x{};
    for (int i = first; i <= last; ++i)
        reinterpret_cast<quint8*>(&x)[i] = value;
    x.mode = quint8(mode);
    x.state = quint16(state);
    x.error = quint16(error);
    return extended ? FrameCodec::composeXStateReply(x) : FrameCodec::composeStateReply({x.mode, x.state, x.error});
}

// A panel whose parent stands in for the menu that opens it, pointed at a recording controller.
// open() shows it and waits for its connection; answer() sends a frame and waits for its mode text.
struct Rig
{
    Rig() { setControllerAddress(QStringLiteral("127.0.0.1"), peer.port()); }
    bool open() { return panel->show(), QTest::qWaitFor([&] { return peer.openConnectionCount() == 1; }, 5000); }
    QString field(const char* name) const { return panel->findChild<QLineEdit*>(QLatin1String(name))->text(); }
    bool answer(const QByteArray& frame, const QString& mode)
    {
        return peer.send(frame) && QTest::qWaitFor([&] { return field("curentModelineEdit") == mode; }, 5000);
    }
    RecordingPeer peer;
    QWidget menu;
    QWidget* panel = nullptr;
};
} // namespace PanelWire
