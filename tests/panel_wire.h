#pragma once
#include "link/frame_codec.h"
#include "recording_peer.h"
#include "test_support.h"
#include <QCheckBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPushButton>

// What the panels' tests put on and take off the wire.
namespace PanelWire {
// The request frames in `bytes`, the polls (requests 1 and 4) too unless `polls` is false; bytes
// that make no request are kept.
inline QByteArrayList requests(const QByteArray& bytes, bool polls = true)
{
    QByteArrayList frames;
    FrameCodec::Request request;
    for (int pos = 0, taken = 0; pos < bytes.size(); pos += taken) {
        if ((taken = FrameCodec::parseRequest(bytes.constData() + pos, bytes.size() - pos, &request)) <= 0)
            return frames << bytes.mid(pos);
        if (polls || (request.type != 1 && request.type != 4))
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

// A panel whose parent stands in for the menu that opens it, pointed at a controller, and what
// it shows by object name: every panel test's view of a panel, whatever controller it faces.
struct PanelView
{
    void pointAt(quint16 port) { setControllerAddress(QStringLiteral("127.0.0.1"), port); }
    // Makes a `Dialog` against the controller at `port` and shows it.
    template <typename Dialog>
    void show(quint16 port)
    {
        pointAt(port);
        panel = new Dialog(&menu);
        panel->show();
    }
    QString field(const char* name) const { return panel->findChild<QLineEdit*>(QLatin1String(name))->text(); }
    void click(const QString& button, QWidget* on = nullptr)
    {
        QTest::mouseClick((on ? on : panel)->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // The object names of the checked boxes.
    QStringList checked() const
    {
        QStringList names;
        for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
            if (box->isChecked())
                names << box->objectName();
        }
        return names;
    }
    double temperature() const { return panel->findChild<QLCDNumber*>(QStringLiteral("lcdNumber"))->value(); }
    // Everything a boiler panel shows of a reply, as one text: the status fields, the temperature
    // in tenths and each check box, "Trade|Waiting|All correct|772|010000".
    QString shown() const
    {
        QString key;
        for (const char* name : {"curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"})
            key += field(name) + '|';
        key += QString::number(qRound(temperature() * 10)) + '|';
        for (const QCheckBox* box : panel->findChildren<QCheckBox*>())
            key += box->isChecked() ? '1' : '0';
        return key;
    }
    QWidget menu;
    QWidget* panel = nullptr;
};

// A panel against a recording controller. open() shows it and waits for its connection;
// answer() sends a frame and waits for its mode text; sent() is what reached the controller
// but the polls.
struct Rig : PanelView
{
    Rig() { pointAt(peer.port()); }
    bool open()
    {
        return panel->show(), QTest::qWaitFor([&] { return peer.openConnectionCount() == 1; }, 5000);
    }
    // As a controller does, the answer goes to a poll not answered yet.
    bool answer(const QByteArray& frame, const QString& mode)
    {
        if (!QTest::qWaitFor([&] { return polls() > answered; }, 10000))
            return false;
        answered = polls();
        return peer.send(frame) && QTest::qWaitFor([&] { return field("curentModelineEdit") == mode; }, 5000);
    }
    int polls() const { return int(requests(peer.received()).size() - sent().size()); }
    QByteArrayList sent() const { return requests(peer.received(), false); }
    RecordingPeer peer;
    int answered = 0; // polls
};
} // namespace PanelWire
