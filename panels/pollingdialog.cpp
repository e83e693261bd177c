#include "panels/pollingdialog.h"

#include "link/cm_netmessge.h"
#include "link/protocol.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
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
    if (netMessage)
        netMessage->SendMessage(type, arg1, arg2, arg3);
}

void PollingDialog::applyPanelStyles(Style buttonStyle)
{
    applyStyleToAll<QLabel>(Style::Label, this);
    applyStyleToAll<QPushButton>(buttonStyle, this);
    const QString lineEditStyle = ::styleSheet(Style::LineEdit);
    for (const char* name : {"curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"}) {
        if (QLineEdit* field = statusField(name))
            field->setStyleSheet(lineEditStyle);
    }
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
}

void PollingDialog::startCycle()
{
    timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, SLOT(GetCurentState()));

    netMessage = new CM_NetMessge();
    if (answerKind == Answer::Short) {
        connect(netMessage, SIGNAL(SendStateAnswer(_tag_getstate_answer)), this,
                SLOT(SetStateAnswer(_tag_getstate_answer)));
    } else {
        connect(netMessage, SIGNAL(SendXStateAnswer(_tag_getxstate_answer)), this,
                SLOT(SetStateAnswer(_tag_getxstate_answer)));
    }
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
    if (!netMessage)
        return;
    const QString pattern = QStringLiteral("%1");
    if (QLineEdit* field = statusField("curentStatelineEdit"))
        field->setText(pattern.arg(netMessage->GetCMStateString(state), 0, QLatin1Char(' ')));
    if (QLineEdit* field = statusField("curentModelineEdit"))
        field->setText(pattern.arg(netMessage->GetCMModeString(mode), 0, QLatin1Char(' ')));
    if (QLineEdit* field = statusField("curentErrorlineEdit"))
        field->setText(pattern.arg(netMessage->GetCMErrorString(error), 0, QLatin1Char(' ')));
}

QLineEdit* PollingDialog::statusField(const char* objectName) const
{
    return findChild<QLineEdit*>(QLatin1String(objectName));
}
