#include "panels/pollingdialog.h"

#include "connection/link_factory.h"
#include "history/history_button.h"
#include "history/program_history.h"
#include "link/cm_netmessge.h"
#include "link/failure_texts.h"
#include "link/link_trace.h"
#include "link/protocol.h"
#include "panels/stale_values.h"
#include "panels/status_fields.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

// How long the line says that a pressed command was not sent.
constexpr int NotSentShownMs = 5000;

} // namespace

PollingDialog::PollingDialog(Answer answer, PollPeriod period, QWidget* parent)
    : ClosingDialog(parent)
    , answerKind(answer)
    , pollPeriod(period)
{
    setWindowModality(Qt::WindowModal);
    notSentTimer = new QTimer(this);
    notSentTimer->setSingleShot(true);
    notSentTimer->setInterval(NotSentShownMs);
    connect(notSentTimer, &QTimer::timeout, this, [this] {
        notSentText.clear();
        showLinkState();
    });
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
    if (result >= 0)
        return;
    const auto* button = qobject_cast<const QAbstractButton*>(sender());
    sayNotSent(button ? button->text().remove(QLatin1Char('&')) : QString());
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

// A panel asks for one kind of answer only; the other kind never comes to it.
void PollingDialog::takeAnswer(const _tag_getstate_answer& /*answer*/)
{
}

void PollingDialog::takeAnswer(const _tag_getxstate_answer& /*answer*/)
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
    lastAnswerAt = QDateTime::currentDateTime();
    heldLinkText.clear();
    showLinkState();
}

// What the link lacks stays said until the next answer, through a reconnection too.
void PollingDialog::showLinkState()
{
    const QString fresh = linkText();
    if (!fresh.isEmpty())
        heldLinkText = fresh;
    const bool valuesAreOld = lastAnswerAt.isValid() && !heldLinkText.isEmpty();
    if (statusFields)
        statusFields->setStale(valuesAreOld);
    if (valuesLookOld != valuesAreOld) {
        valuesLookOld = valuesAreOld;
        setValuesStale(this, valuesAreOld);
    }
    if (!linkStateLabel)
        return;
    // The line needs no more room than three lines: the values' time joins the countdown, and a
    // press not sent takes the countdown's place while it is said.
    QStringList lines = heldLinkText.split(QLatin1Char('\n'));
    const QString asOf =
        valuesAreOld ? tr("Values as of %1").arg(lastAnswerAt.toString(QStringLiteral("HH:mm:ss"))) : QString();
    if (lines.size() == 3 && !notSentText.isEmpty())
        lines.last() = notSentText;
    else if (lines.size() == 3 && valuesAreOld)
        lines.last() += QLatin1Char(' ') + asOf;
    else
        lines << notSentText << asOf;
    if (!LinkTrace::writeFailure().isEmpty())
        lines << tr("The trace file cannot be written: %1").arg(LinkTrace::writeFailure());
    lines.removeAll(QString());
    if (lines.isEmpty()) {
        linkStateLabel->hide();
        return;
    }
    linkStateLabel->setText(lines.join(QLatin1Char('\n')));
    linkStateLabel->show();
    // The line takes room from the rest of the panel: grow instead, so no button's text is cut.
    const int wanted = sizeHint().height();
    if (height() < wanted)
        resize(width(), wanted);
}

// What the link lacks, as the client tells it; empty while it is live or has not yet had its chance.
QString PollingDialog::linkText() const
{
    if (!netMessage)
        return QString();
    using State = CM_NetMessge::LinkState;
    const State state = netMessage->linkState();
    const QString controller = netMessage->controllerAddress().hostAndPort();
    const int attempt = netMessage->retryAttempt();
    switch (state) {
    case State::InvalidAddress:
        return tr("Controller address or port in the settings is not valid");
    case State::NotAnswering:
        return tr("The controller at %1 does not answer").arg(controller);
    case State::Lost:
    case State::WaitingToRetry:
    case State::Connecting: {
        if (state == State::Connecting && attempt == 0)
            return QString();
        const QString retry = state == State::Lost ? QString()
            : state == State::Connecting
            ? tr("Trying again now (attempt %1).").arg(attempt)
            : tr("Trying again in %1 s (attempt %2).").arg(netMessage->secondsToRetry()).arg(attempt);
        return QStringList{tr("No connection to the controller at %1").arg(controller), failureText(), retry}
            .join(QLatin1Char('\n'))
            .trimmed();
    }
    case State::Connected:
        break;
    }
    return QString();
}

// Why the link was lost, in the technician's words.
QString PollingDialog::failureText() const
{
    return FailureTexts::sentence(netMessage->linkFailure(), netMessage->failureText(),
                                  netMessage->linkTiming().connectTimeoutMs);
}

void PollingDialog::startCycle()
{
    netMessage = LinkFactory::newClient();
    ProgramHistory::follow(netMessage);
    if (answerKind == Answer::Short) {
        connect(netMessage, &CM_NetMessge::SendStateAnswer, this, [this](const _tag_getstate_answer& answer) {
            takeAnswer(answer);
            answerArrived();
        });
    } else {
        connect(netMessage, &CM_NetMessge::SendXStateAnswer, this, [this](const _tag_getxstate_answer& answer) {
            takeAnswer(answer);
            answerArrived();
        });
    }
    connect(netMessage, &CM_NetMessge::LinkStateChanged, this, [this](CM_NetMessge::LinkState state) {
        if (state == CM_NetMessge::LinkState::Connected && notSentTimer->isActive()) {
            notSentTimer->stop();
            notSentText.clear();
        }
        showLinkState();
    });
    connect(netMessage, &CM_NetMessge::RetryCountdown, this, &PollingDialog::showLinkState);
    // The line left from the last showing goes; an address the client could not use shows at once.
    lastAnswerAt = QDateTime();
    heldLinkText.clear();
    notSentText.clear();
    showLinkState();
    netMessage->startPolling(answerKind == Answer::Short ? Protocol::RequestState : Protocol::RequestXState, pollPeriod);
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

void PollingDialog::sayNotSent(const QString& button)
{
    notSentText = tr("“%1” was not sent: no connection to the controller.").arg(button);
    notSentTimer->start();
    showLinkState();
}
