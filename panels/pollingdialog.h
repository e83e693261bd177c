#pragma once

#include "link/link_timing.h"
#include "link/state_records.h"
#include "shell/closingdialog.h"
#include "shell/style_sheets.h"

#include <QDateTime>

#include <memory>
#include <type_traits>

class CM_NetMessge;
class QHideEvent;
class QLabel;
class QTimer;
class StatusFields;

// The polling cycle that every service panel runs while it is shown: on show a fresh machine
// link client (and so a fresh connection) that polls with the panel's state request at its
// interval; each answer goes straight to the panel's SetStateAnswer slot; on close, or on any
// other hide by the program, the client is deleted. A panel class derives from PollingPanel
// below, which names its answer kind once.
//
// A line on top of the panel (linkStateLabel) shows the link's state as the client tells it
// when the shown values are not live: no connection (why, and when the client tries again), a
// controller that does not answer, or no usable address in the settings; then also since when
// the values are old ("Values as of 14:30:05"), and the status fields look stale. It says too
// when a pressed command was not sent. It is hidden while answers arrive, and then takes no room.
class PollingDialog : public ClosingDialog
{
    Q_OBJECT

public:
    enum class Answer {
        Short,    // request 1, reply 1: _tag_getstate_answer
        Extended, // request 4, reply 4: _tag_getxstate_answer
    };

protected:
    PollingDialog(Answer answer, PollPeriod period, QWidget* parent);
    ~PollingDialog() override;

    // Sends one command through the running cycle's client at once; nothing while the panel is
    // closed. Without a connection it is not sent, and the line names the button pressed (the
    // sender of the slot that calls this).
    void sendCommand(int type, int arg1, int arg2 = 0, int arg3 = 0);

    // Fills the three status fields of the form (curentModelineEdit, curentStatelineEdit,
    // curentErrorlineEdit) with the texts of the answer's mode, state and error codes; a code
    // without a text shows as "Unknown mode 9", so that it never looks like no error.
    template <typename Record>
    void showStatus(const Record& answer)
    {
        showStatusCodes(answer.mode, answer.state, answer.error);
    }

    // The look shared by the panels: the label style on every label, the line edit style on
    // the status fields and `buttonStyle` on every push button. Called after setupUi; it also
    // puts the link state line on top of the form's layout and the line for status texts too
    // long for their fields below them.
    void applyPanelStyles(Style buttonStyle);

    // The mode switch panel is opened by the main menu, which hides itself meanwhile; such a
    // panel brings its parent back when it closes.
    void setShowsParentOnClose(bool show);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // PollingPanel hands each answer of its kind on to its panel.
    virtual void takeAnswer(const _tag_getstate_answer& answer);
    virtual void takeAnswer(const _tag_getxstate_answer& answer);

private:
    void addLinkStateLine();
    void answerArrived();
    void showLinkState();
    QString linkText() const;
    QString failureText() const;
    void startCycle();
    void stopCycle();
    void endCycle();
    void showStatusCodes(int mode, int state, int error);
    void sayNotSent(const QString& button);

    const Answer answerKind;
    const PollPeriod pollPeriod;
    bool showsParentOnClose = false;
    CM_NetMessge* netMessage = nullptr;
    QLabel* linkStateLabel = nullptr;
    std::unique_ptr<StatusFields> statusFields;
    QDateTime lastAnswerAt; // of the values shown; null before the first answer
    QString heldLinkText;   // what the link lacked, until the next answer
    bool valuesLookOld = false;
    QString notSentText;
    QTimer* notSentTimer = nullptr;
};

// A panel that polls for answers of one kind, `Record`, and overrides its SetStateAnswer slot.
template <typename Record>
class PollingPanel : public PollingDialog
{
protected:
    PollingPanel(PollPeriod period, QWidget* parent)
        : PollingDialog(std::is_same<Record, _tag_getstate_answer>::value ? Answer::Short : Answer::Extended,
                        period, parent)
    {
        static_assert(std::is_same<Record, _tag_getstate_answer>::value
                          || std::is_same<Record, _tag_getxstate_answer>::value,
                      "a panel polls for a reply 1 or a reply 4");
    }

    virtual void SetStateAnswer(const Record& answer) = 0;

private:
    using PollingDialog::takeAnswer;
    void takeAnswer(const Record& answer) final { SetStateAnswer(answer); }
};
