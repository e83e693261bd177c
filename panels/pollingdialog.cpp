#include "panels/pollingdialog.h"

#include "history/history_button.h"
#include "history/program_history.h"
#include "link/cm_netmessge.h"
#include "link/link_trace.h"
#include "link/protocol.h"
#include "panels/status_fields.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

PollingDialog::PollingDialog(Answer answer, int intervalMs, QWidget* parent)
    : ClosingDialog(parent)
    , answerKind(answer)
    , interval(intervalMs)
{
    setWindowModality(Qt::WindowModal);
}

PollingDialog::~PollingDialog()
{
    stopCycle();
}

void PollingDialog::sendCommand(int type, int arg1, int arg2, int arg3)
{
    if (!netMessage)
        return;
    const int result = netMessage->SendMessage(type, arg1, arg2, arg3);
    ProgramHistory::requested(netMessage, type, arg1, arg2, arg3, result);
}

void PollingDialog::applyPanelStyles(Style buttonStyle)
{
    addLinkStateLine();
    statusFields = std::make_unique<StatusFields>(this);
    HistoryButton::addBesideQuit(this);
    applyStyleToAll<QLabel>(Style::Label, this);
    applyStyleToAll<QPushButton>(buttonStyle, this);
}

void PollingDialog::setShowsParentOnClose(bool show)
{
    showsParentOnClose = show;
}

void PollingDialog::showEvent(QShowEvent* event)
{
    // A restored minimized window gets a show event too: never a second cycle.
    if (!netMessage)
        startCycle();
    ClosingDialog::showEvent(event);
}

void PollingDialog::closeEvent(QCloseEvent* event)
{
    endCycle();
    ClosingDialog::closeEvent(event);
}

void PollingDialog::hideEvent(QHideEvent* event)
{
    // Hidden by the program without a close event (hide(), accept(), reject()): end the
    // cycle all the same, so that no hidden panel keeps polling. A minimized window gets a
    // spontaneous hide event and goes on polling.
    if (!event->spontaneous())
        endCycle();
    ClosingDialog::hideEvent(event);
}

void PollingDialog::GetCurentState()
{
    const int request = answerKind == Answer::Short ? Protocol::RequestState : Protocol::RequestXState;
    sendCommand(request, 0, 0, 0);
    showLinkState();
}

// A panel asks for one kind of answer only; the other kind never comes to it.
void PollingDialog::SetStateAnswer(const _tag_getstate_answer& /*answer*/)
{
}

void PollingDialog::SetStateAnswer(const _tag_getxstate_answer& /*answer*/)
{
}

void PollingDialog::addLinkStateLine()
{
    // Every panel's form has a vertical box layout over the whole dialog.
    auto* column = qobject_cast<QBoxLayout*>(layout());
    if (!column || linkStateLabel)
        return;
    linkStateLabel = new QLabel(this);
    linkStateLabel->setObjectName(QStringLiteral("linkStateLabel"));
    linkStateLabel->setAlignment(Qt::AlignCenter);
    linkStateLabel->setWordWrap(true);
    linkStateLabel->hide();
    column->insertWidget(0, linkStateLabel);
}

void PollingDialog::answerArrived()
{
    sinceAnswer.start();
    showLinkState(); // hidden, unless the trace file cannot be written
}

void PollingDialog::showLinkState()
{
    if (!linkStateLabel || !netMessage)
        return;
    const CM_NetMessge::LinkState state = netMessage->linkState();
    const bool silent = sinceAnswer.elapsed() >= SilenceMs;
    const auto controller = [this] { return netMessage->controllerAddress().text(); };
    QString text;
    if (state == CM_NetMessge::LinkState::InvalidAddress) {
        text = tr("Controller address or port in the settings is not valid");
    } else if (state == CM_NetMessge::LinkState::Lost) {
        text = tr("No connection to the controller at %1").arg(controller()) + QLatin1Char('\n') + failureText()
            + QLatin1Char('\n') + tr("Close the panel and open it again to retry.");
    } else if (state == CM_NetMessge::LinkState::Connected && silent) {
        text = tr("The controller at %1 does not answer").arg(controller());
    }
    if (!LinkTrace::writeFailure().isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n"))
            + tr("The trace file cannot be written: %1").arg(LinkTrace::writeFailure());
    if (text.isEmpty()) {
        linkStateLabel->hide();
        return;
    }
    linkStateLabel->setText(text);
    linkStateLabel->show();
    // The line takes room from the rest of the panel: grow instead, so no button's text is cut.
    const int wanted = sizeHint().height();
    if (height() < wanted)
        resize(width(), wanted);
}

// Why the link was lost, in the technician's words.
QString PollingDialog::failureText() const
{
    using Failure = CM_NetMessge::LinkFailure;
    switch (netMessage->linkFailure()) {
    case Failure::Refused:
        return tr("The connection was refused: nothing listens at that port.");
    case Failure::HostNotFound:
        return tr("The host name was not found.");
    case Failure::ClosedByController:
        return tr("The controller closed the connection.");
    case Failure::TimedOut:
        return tr("No connection within 2 s (timed out).");
    case Failure::NetworkUnreachable:
        return tr("The network is unreachable.");
    case Failure::None:
    case Failure::Other:
        break;
    }
    return netMessage->failureText();
}

void PollingDialog::startCycle()
{
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &PollingDialog::GetCurentState);

    netMessage = new CM_NetMessge();
    ProgramHistory::follow(netMessage);
    if (answerKind == Answer::Short) {
        connect(netMessage, &CM_NetMessge::SendStateAnswer, this,
                qOverload<const _tag_getstate_answer&>(&PollingDialog::SetStateAnswer));
        connect(netMessage, &CM_NetMessge::SendStateAnswer, this, [this] { answerArrived(); });
    } else {
        connect(netMessage, &CM_NetMessge::SendXStateAnswer, this,
                qOverload<const _tag_getxstate_answer&>(&PollingDialog::SetStateAnswer));
        connect(netMessage, &CM_NetMessge::SendXStateAnswer, this, [this] { answerArrived(); });
    }
    connect(netMessage, &CM_NetMessge::LinkStateChanged, this, [this](CM_NetMessge::LinkState state) {
        // The silence of an open connection counts from its opening.
        if (state == CM_NetMessge::LinkState::Connected)
            sinceAnswer.start();
        showLinkState();
    });
    sinceAnswer.start();
    // The line left from the last showing goes; an address the client could not use shows at once.
    showLinkState();
    timer->start(interval);
}

void PollingDialog::endCycle()
{
    // Closing a panel that is not on screen (never shown, or closed twice) only hides it.
    if (!isVisible() && !netMessage)
        return;
    if (showsParentOnClose)
        showParentWidget();
    stopCycle();
}

void PollingDialog::stopCycle()
{
    if (timer) {
        timer->stop();
        delete timer;
        timer = nullptr;
    }
    delete netMessage;
    netMessage = nullptr;
}

void PollingDialog::showStatusCodes(int mode, int state, int error)
{
    if (!netMessage || !statusFields)
        return;
    const auto known = [](const QString& text, const QString& unknown, int code) {
        return text.isEmpty() ? unknown.arg(code) : text;
    };
    statusFields->show(known(netMessage->GetCMModeString(mode), tr("Unknown mode %1"), mode),
                       known(netMessage->GetCMStateString(state), tr("Unknown state %1"), state),
                       known(netMessage->GetCMErrorString(error), tr("Unknown error %1"), error));
}
