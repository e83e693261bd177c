#include "history/program_history.h"

#include "history/history_model.h"
#include "history/history_recorder.h"
#include "history/history_texts.h"
#include "link/cm_netmessge.h"
#include "link/failure_texts.h"
#include "link/frame_codec.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

// Owned by the application object, so that it ends with the program.
class Keeper : public QObject
{
public:
    Keeper()
        : QObject(QCoreApplication::instance())
        , model(HistoryModel::DefaultLimit, this)
        , recorder(model)
    {
        recorder.setInfersSilence(false); // the clients say when their controller is silent
    }
    HistoryModel model;
    HistoryRecorder recorder;
};

Keeper& keeper()
{
    static QPointer<Keeper> kept;
    if (!kept)
        kept = new Keeper();
    return *kept;
}

QString lostReason(const CM_NetMessge& client)
{
    return FailureTexts::fragment(client.linkFailure(), client.failureText(), client.linkTiming().connectTimeoutMs);
}

QString notSentReason(const CM_NetMessge& client)
{
    switch (client.linkState()) {
    case CM_NetMessge::LinkState::Connecting:
        return HistoryTexts::notSentText(QStringLiteral("not connected yet"));
    case CM_NetMessge::LinkState::InvalidAddress:
        return HistoryTexts::notSentText(QStringLiteral("no connection"));
    default:
        return HistoryTexts::notSentText(QStringLiteral("connection lost"));
    }
}

} // namespace

namespace ProgramHistory {

HistoryModel& model()
{
    return keeper().model;
}

HistoryRecorder& recorder()
{
    return keeper().recorder;
}

void follow(CM_NetMessge* client)
{
    const int link = client->number();
    // At the client's time of each event, the time its trace lines carry, so that the history
    // read back from the trace is this one.
    QObject::connect(client, &CM_NetMessge::LinkStateChanged, client, [client, link](CM_NetMessge::LinkState state) {
        // The client tells when its controller stops answering; a lost link waits to be tried again.
        if (state == CM_NetMessge::LinkState::Connected)
            recorder().connected(link, client->eventTime());
        else if (state == CM_NetMessge::LinkState::NotAnswering)
            recorder().notAnswering(link, client->eventTime());
        else if (state == CM_NetMessge::LinkState::Lost || state == CM_NetMessge::LinkState::WaitingToRetry)
            recorder().lost(link, client->eventTime(), lostReason(*client));
    });
    QObject::connect(
        client, &CM_NetMessge::SendStateAnswer, client,
        [client, link](const _tag_getstate_answer& answer) { recorder().answer(link, client->eventTime(), answer); });
    QObject::connect(
        client, &CM_NetMessge::SendXStateAnswer, client,
        [client, link](const _tag_getxstate_answer& answer) { recorder().answer(link, client->eventTime(), answer); });
}

void requested(const CM_NetMessge* client, int type, int arg1, int arg2, int arg3, int result)
{
    const QByteArray frame = FrameCodec::composeRequest(type, arg1, arg2, arg3);
    if (frame.isEmpty())
        return;
    recorder().request(client->number(), client->eventTime(), frame, result >= 0,
                       result >= 0 ? QString() : notSentReason(*client));
}

} // namespace ProgramHistory
