#include "link/cm_netmessge.h"

#include "link/frame_codec.h"
#include "link/link_trace.h"
#include "link/status_texts.h"

#include "link/protocol.h"

#include <QDateTime>
#include <QHostAddress>
#include <QTcpSocket>

#include <algorithm>

namespace {

using LinkTrace::Event;

// One trace line of link `link` at `at`; `fill` sets its event and is called only while the
// trace is on.
template <typename Fill>
void trace(int link, LinkTrace::Stamp at, const Fill& fill)
{
    LinkTrace::write([&] {
        LinkTrace::Line line;
        line.time = at;
        line.link = link;
        fill(line);
        return line;
    });
}

// "reply delivered: 03 00 07", "reply dropped, one frame per read: 03 00 08".
void tracePiece(int link, LinkTrace::Stamp at, const FrameAssembler::Piece& piece)
{
    static const Event fates[] = {Event::ReplyDelivered, Event::ReplyDropped, Event::ReplyKept};
    trace(link, at, [&](LinkTrace::Line& line) {
        line.event = fates[int(piece.fate)];
        line.text = QLatin1String(piece.reason);
        line.bytes = piece.bytes;
    });
}

int nextLinkNumber()
{
    static int made = 0;
    return ++made;
}

LinkFailure failureOf(QAbstractSocket::SocketError error, bool connecting)
{
    using Failure = LinkFailure;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return Failure::Refused;
    case QAbstractSocket::HostNotFoundError:
        return Failure::HostNotFound;
    case QAbstractSocket::RemoteHostClosedError:
        return Failure::ClosedByController;
    case QAbstractSocket::SocketTimeoutError:
        return Failure::TimedOut;
    case QAbstractSocket::NetworkError:
        // While connecting Qt reports a missing route (network or host unreachable) so; on an
        // open connection the same code means anything, so its text says more.
        return connecting ? Failure::NetworkUnreachable : Failure::Other;
    default:
        return Failure::Other;
    }
}

// The reply a poll asks for: reply 1 to request 1, reply 4 to request 4.
bool answersPoll(FrameCodec::Reply::Kind kind, int pollType)
{
    using Kind = FrameCodec::Reply::Kind;
    return (kind == Kind::StateAnswer && pollType == Protocol::RequestState)
        || (kind == Kind::XStateAnswer && pollType == Protocol::RequestXState);
}

} // namespace

CM_NetMessge::CM_NetMessge(const LinkEndpoint& controller, const LinkTiming& linkTiming)
    : QObject(nullptr)
    , address(controller)
    , timing(linkTiming)
    , linkNumber(nextLinkNumber())
    , scheduler(linkTiming)
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, &CM_NetMessge::slotConnected);
    connect(socket, &QTcpSocket::disconnected, this, &CM_NetMessge::slotDisconnected);
    connect(socket, &QTcpSocket::readyRead, this, &CM_NetMessge::slotReadyRead);
    connect(socket, &QTcpSocket::errorOccurred, this, &CM_NetMessge::slotError);
    setUpTimers();
    prepareTextMessages();
    clock.start();
    ConnectToCM();
}

void CM_NetMessge::setUpTimers()
{
    const auto singleShot = [this](QTimer& timer, int intervalMs, void (CM_NetMessge::*handler)()) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(intervalMs);
        connect(&timer, &QTimer::timeout, this, handler);
    };
    singleShot(connectTimer, timing.connectTimeoutMs, &CM_NetMessge::connectTimedOut);
    singleShot(pollTimer, 0, &CM_NetMessge::pollDue);
    singleShot(retryTimer, 0, &CM_NetMessge::retryTick);
    singleShot(silenceTimer, timing.silenceMs, &CM_NetMessge::silenceTimedOut);
    healthTimer.setInterval(timing.healthEveryMs);
    connect(&healthTimer, &QTimer::timeout, this, [this] {
        stamp = LinkTrace::now();
        traceHealth();
    });
}

CM_NetMessge::~CM_NetMessge()
{
    stamp = LinkTrace::now();
    if (isOpen())
        traceHealth();
}

CM_NetMessge::LinkState CM_NetMessge::linkState() const
{
    return state;
}

LinkFailure CM_NetMessge::linkFailure() const
{
    return failure;
}

QString CM_NetMessge::failureText() const
{
    return failureString;
}

const LinkEndpoint& CM_NetMessge::controllerAddress() const
{
    return address;
}

int CM_NetMessge::retryAttempt() const
{
    return retries;
}

int CM_NetMessge::secondsToRetry() const
{
    return int((msToRetry() + 999) / 1000);
}

void CM_NetMessge::startPolling(int type, int periodMs)
{
    pollType = type;
    scheduler.start(periodMs, clock.elapsed());
    schedulePoll();
}

int CM_NetMessge::SendMessage(int type, int arg1, int arg2, int arg3)
{
    stamp = LinkTrace::now();
    return writeRequest(type, arg1, arg2, arg3, false);
}

int CM_NetMessge::writeRequest(int type, int arg1, int arg2, int arg3, bool poll)
{
    try {
        const QByteArray frame = FrameCodec::composeRequest(type, arg1, arg2, arg3);
        if (frame.isEmpty())
            return 0;
        // A request written while connecting would wait in the socket and reach the machine
        // in a burst, seconds late, when the connection comes up.
        if (!isOpen()) {
            traceNotSent(frame);
            return -1;
        }
        // A poll's reply comes after what the line still holds: that is no part of it.
        if (type == Protocol::RequestState || type == Protocol::RequestXState) {
            FrameAssembler::Report report;
            assembler.pollWritten(clock.elapsed(), &report);
            noteDrops(report);
            tracePieces(report);
        }
        const int written = int(socket->write(frame));
        traceRequest(frame, poll);
        ++health.requests;
        return written;
    } catch (...) {
        // Deliberate: callers are button and timer slots, and an exception (an allocation that
        // failed) must not unwind through Qt's event loop, which does not allow it. The result's
        // contract already has 0 for "no frame written", and no caller looks at it.
        return 0;
    }
}

QString CM_NetMessge::GetCMModeString(int code)
{
    return modeTexts.value(code);
}

QString CM_NetMessge::GetCMStateString(int code)
{
    return stateTexts.value(code);
}

QString CM_NetMessge::GetCMErrorString(int code)
{
    return errorTexts.value(code);
}

int CM_NetMessge::ConnectToCM()
{
    stamp = LinkTrace::now();
    if (!address.valid) {
        traceInvalidAddress();
        setLinkState(LinkState::InvalidAddress);
        return -1;
    }
    traceConnecting();
    setLinkState(LinkState::Connecting);
    connectTimer.start();
    socket->abort();
    socket->connectToHost(address.host, address.port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    return 0;
}

int CM_NetMessge::DisconnectFromCM()
{
    // The connection ends only when the client is destroyed.
    return 0;
}

void CM_NetMessge::readMessages(QIODevice& device)
{
    stamp = LinkTrace::now();
    const qint64 now = clock.elapsed();
    const QByteArray bytes = device.read(device.bytesAvailable());
    if (bytes.isEmpty())
        return;
    scheduler.bytesArrived(now);
    traceRead(bytes);

    FrameAssembler::Report report;
    const QByteArray frame = assembler.take(bytes.constData(), bytes.size(), now, &report);
    noteDrops(report);
    const FrameCodec::Reply reply = FrameCodec::decodeReply(frame.constData(), frame.size());
    const bool taken = !frame.isEmpty() && takesReply(reply, now);
    // "reply delivered" is what the panel is given: a reply no poll awaits is dropped here.
    for (FrameAssembler::Piece& piece : report) {
        if (piece.fate == FrameAssembler::Piece::Fate::Delivered && !taken)
            piece = {FrameAssembler::Piece::Fate::Dropped, piece.bytes, "no poll awaits it"};
    }
    tracePieces(report);
    if (!taken)
        return;
    silenceTimer.start();
    retries = 0;
    ++health.replies;
    if (state == LinkState::NotAnswering) {
        traceAnswering();
        setLinkState(LinkState::Connected);
    }
    handleReply(reply);
}

// A reply of the polled kind is taken only as the answer to the poll on the line.
bool CM_NetMessge::takesReply(const FrameCodec::Reply& reply, qint64 now)
{
    if (!scheduler.polling() || !answersPoll(reply.kind, pollType))
        return true;
    const qint64 sentAt = scheduler.awaitingReply() ? scheduler.sentAt() : 0;
    if (!scheduler.replyCame(now))
        return false;
    health.roundTrips.append(now - sentAt);
    schedulePoll();
    return true;
}

void CM_NetMessge::handleMessage(const char* data, int size)
{
    handleReply(FrameCodec::decodeReply(data, size));
}

void CM_NetMessge::handleReply(const FrameCodec::Reply& reply)
{
    switch (reply.kind) {
    case FrameCodec::Reply::Kind::NumberText:
        emit SendString(reply.text);
        break;
    case FrameCodec::Reply::Kind::CurentState:
        emit SendCurentState(reply.curentState);
        break;
    case FrameCodec::Reply::Kind::StateAnswer:
        emit SendStateAnswer(reply.state);
        break;
    case FrameCodec::Reply::Kind::XStateAnswer:
        emit SendXStateAnswer(reply.xstate);
        break;
    case FrameCodec::Reply::Kind::Ignored:
        break;
    }
}

void CM_NetMessge::slotReadyRead()
{
    readMessages(*socket);
}

void CM_NetMessge::prepareTextMessages()
{
    StatusTexts::fillStateTexts(stateTexts);
    StatusTexts::fillModeTexts(modeTexts);
    StatusTexts::fillErrorTexts(errorTexts);
}

void CM_NetMessge::slotError(QAbstractSocket::SocketError err)
{
    stamp = LinkTrace::now();
    const LinkFailure why = failureOf(err, state == LinkState::Connecting);
    traceError(socket->errorString(), why);
    fail(why, socket->errorString());
}

void CM_NetMessge::slotConnected()
{
    stamp = LinkTrace::now();
    connectTimer.stop();
    traceConnected();
    assembler = FrameAssembler();
    silenceTimer.start();
    healthTimer.start();
    setLinkState(LinkState::Connected);
    // Back after a loss: the first poll goes at once.
    schedulePoll();
}

void CM_NetMessge::slotDisconnected()
{
    stamp = LinkTrace::now();
    traceDisconnected();
    fail(LinkFailure::ClosedByController);
}

void CM_NetMessge::connectTimedOut()
{
    if (state != LinkState::Connecting)
        return;
    stamp = LinkTrace::now();
    traceError(QStringLiteral("no connection within %1 ms").arg(timing.connectTimeoutMs), LinkFailure::TimedOut);
    socket->abort();
    fail(LinkFailure::TimedOut);
}

void CM_NetMessge::silenceTimedOut()
{
    if (state != LinkState::Connected)
        return;
    stamp = LinkTrace::now();
    traceNotAnswering();
    setLinkState(LinkState::NotAnswering);
}

// The first failure is the reason: the disconnect that follows an error says less.
void CM_NetMessge::fail(LinkFailure why, const QString& text)
{
    connectTimer.stop();
    if (state == LinkState::Lost || state == LinkState::WaitingToRetry)
        return;
    if (state == LinkState::Connected || state == LinkState::NotAnswering)
        traceHealth();
    resetPolling();
    silenceTimer.stop();
    healthTimer.stop();
    failure = why;
    failureString = text;
    setLinkState(LinkState::Lost);
    scheduleRetry();
}

bool CM_NetMessge::isOpen() const
{
    return socket->state() == QAbstractSocket::ConnectedState;
}

// The address the connection reached, else the one it was given.
QString CM_NetMessge::peerText() const
{
    const QHostAddress peer = socket->peerAddress();
    if (peer.isNull())
        return address.text();
    return QStringLiteral("%1:%2").arg(peer.toString()).arg(socket->peerPort());
}

QString CM_NetMessge::notSentReason() const
{
    switch (state) {
    case LinkState::Connecting:
        return QStringLiteral("not connected yet");
    case LinkState::InvalidAddress:
        return QStringLiteral("no connection");
    default:
        return QStringLiteral("connection lost");
    }
}

void CM_NetMessge::setLinkState(LinkState newState)
{
    if (state == newState)
        return;
    state = newState;
    emit LinkStateChanged(state);
}

void CM_NetMessge::schedulePoll()
{
    if (!scheduler.polling() || !isOpen()) {
        pollTimer.stop();
        return;
    }
    pollTimer.start(int(std::max<qint64>(0, scheduler.dueAt() - clock.elapsed())));
}

void CM_NetMessge::pollDue()
{
    stamp = LinkTrace::now();
    const qint64 now = clock.elapsed();
    for (PollScheduler::Step step = scheduler.step(now); step != PollScheduler::Step::None;
         step = scheduler.step(now)) {
        if (step == PollScheduler::Step::Overdue) {
            ++health.timeouts;
            traceTimeout();
        } else if (step == PollScheduler::Step::GivenUp) {
            traceGivenUp(now - scheduler.sentAt());
        } else {
            writePoll(now);
            break;
        }
    }
    schedulePoll();
}

void CM_NetMessge::writePoll(qint64 now)
{
    if (isOpen() && writeRequest(pollType, 0, 0, 0, true) > 0)
        scheduler.written(now);
}

// Dropped bytes count in the health line; dropped while a poll waits, its reply may be among them.
void CM_NetMessge::noteDrops(const FrameAssembler::Report& report)
{
    for (const FrameAssembler::Piece& piece : report) {
        if (piece.fate != FrameAssembler::Piece::Fate::Dropped)
            continue;
        ++health.drops;
        health.droppedBytes += piece.bytes.size();
        scheduler.dropped();
    }
}

void CM_NetMessge::resetPolling()
{
    pollTimer.stop();
    scheduler.reset();
}

void CM_NetMessge::scheduleRetry()
{
    if (timing.retryDelaysMs.isEmpty())
        return;
    const int delay = timing.retryDelaysMs.at(std::min(retries, int(timing.retryDelaysMs.size()) - 1));
    ++retries;
    retryAt = clock.elapsed() + delay;
    setLinkState(LinkState::WaitingToRetry);
    retryTick();
}

// Counts down in whole seconds, then makes the attempt.
void CM_NetMessge::retryTick()
{
    const qint64 left = msToRetry();
    if (left <= 0) {
        stamp = LinkTrace::now();
        traceAttempt(timing.retryDelaysMs.at(std::min(retries, int(timing.retryDelaysMs.size())) - 1));
        ConnectToCM();
        return;
    }
    emit RetryCountdown(retries, secondsToRetry());
    retryTimer.start(int(left % 1000 ? left % 1000 : 1000));
}

qint64 CM_NetMessge::msToRetry() const
{
    return state == LinkState::WaitingToRetry ? std::max<qint64>(0, retryAt - clock.elapsed()) : 0;
}

void CM_NetMessge::traceConnecting()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::Connecting;
        line.peer = address.text();
    });
}

void CM_NetMessge::traceConnected()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::Connected;
        line.peer = peerText();
    });
}

void CM_NetMessge::traceDisconnected()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::Disconnected;
        line.peer = peerText();
    });
}

void CM_NetMessge::traceError(const QString& reason, LinkFailure why)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = Event::Error;
        line.peer = peerText();
        line.lost = why;
        line.text = reason;
    });
}

void CM_NetMessge::traceInvalidAddress()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::AddressNotValid;
        line.text = QStringLiteral("\"%1\" \"%2\"").arg(address.givenHost, address.givenPort);
    });
}

void CM_NetMessge::traceRequest(const QByteArray& frame, bool poll)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = poll ? Event::Poll : Event::Request;
        line.peer = peerText();
        line.bytes = frame;
    });
}

void CM_NetMessge::traceNotSent(const QByteArray& frame)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = Event::NotSent;
        line.text = notSentReason();
        line.bytes = frame;
    });
}

void CM_NetMessge::traceRead(const QByteArray& bytes)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = Event::Read;
        line.bytes = bytes;
    });
}

void CM_NetMessge::tracePieces(const FrameAssembler::Report& report)
{
    for (const FrameAssembler::Piece& piece : report)
        tracePiece(linkNumber, stamp, piece);
}

void CM_NetMessge::traceTimeout()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::NoReply;
        line.text = QStringLiteral("%1 ms").arg(scheduler.replyTimeoutMs());
    });
}

void CM_NetMessge::traceGivenUp(qint64 waitedMs)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = Event::NoReply;
        line.text = QStringLiteral("%1 ms, given up").arg(waitedMs);
    });
}

void CM_NetMessge::traceNotAnswering()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        line.event = Event::NotAnswering;
        line.text = QStringLiteral("%1 ms").arg(timing.silenceMs);
    });
}

void CM_NetMessge::traceAnswering()
{
    trace(linkNumber, stamp, [](LinkTrace::Line& line) { line.event = Event::Answering; });
}

void CM_NetMessge::traceAttempt(int delayMs)
{
    trace(linkNumber, stamp, [&](LinkTrace::Line& line) {
        line.event = Event::Attempt;
        line.text = QStringLiteral("%1 after %2 ms").arg(retries).arg(delayMs);
    });
}

// "health: 600 requests, 598 replies, round trip median 54 ms, largest 61 ms, 2 timeouts,
// 1 dropped (48 bytes)", over the time since the last such line.
void CM_NetMessge::traceHealth()
{
    trace(linkNumber, stamp, [this](LinkTrace::Line& line) {
        QVector<qint64> trips = health.roundTrips;
        std::sort(trips.begin(), trips.end());
        const QString roundTrip = trips.isEmpty() ? QStringLiteral("no round trip")
                                                  : QStringLiteral("round trip median %1 ms, largest %2 ms")
                                                        .arg(trips.at(trips.size() / 2))
                                                        .arg(trips.last());
        line.event = Event::Health;
        line.text = QStringLiteral("%1 requests, %2 replies, %3, %4 timeouts, %5 dropped (%6 bytes)")
                        .arg(health.requests)
                        .arg(health.replies)
                        .arg(roundTrip)
                        .arg(health.timeouts)
                        .arg(health.drops)
                        .arg(health.droppedBytes);
    });
    health = Health();
}
