#pragma once

#include "link/state_records.h"
#include "shell/closingdialog.h"
#include "shell/style_sheets.h"

#include <QElapsedTimer>

#include <memory>

class CM_NetMessge;
class QHideEvent;
class QLabel;
class QTimer;
class StatusFields;

// The polling cycle that every service panel runs while it is shown: on show a fresh
// machine link client (and so a fresh connection) and a timer that sends the panel's state
// request at its interval; each answer goes straight to the panel's SetStateAnswer slot;
// on close, or on any other hide by the program, both are deleted. A panel class derives
// from this, sets up its form and overrides the SetStateAnswer of its answer kind.
//
// A line on top of the panel (linkStateLabel) says when the shown values are not live: no
// connection (and why, as the client tells it), a controller that has not answered for two seconds, or no usable address in the
// settings. It is hidden while answers arrive, and then takes no room. The cycle never
// reconnects: reopening the panel makes the next attempt.
class PollingDialog : public ClosingDialog
{
    Q_OBJECT

public:
    enum class Answer {
        Short,    // request 1, reply 1: _tag_getstate_answer
        Extended, // request 4, reply 4: _tag_getxstate_answer
    };

protected:
    PollingDialog(Answer answer, int intervalMs, QWidget* parent);
    ~PollingDialog() override;

    // Sends one request through the running cycle's client; nothing while the panel is closed.
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

protected slots:
    void GetCurentState();
    // The answers of the running cycle, by kind; a panel overrides the one it asked for.
    virtual void SetStateAnswer(const _tag_getstate_answer& answer);
    virtual void SetStateAnswer(const _tag_getxstate_answer& answer);

private:
    // How long an open connection may stay without an answer before the panel says so.
    static constexpr int SilenceMs = 2000;

    void addLinkStateLine();
    void answerArrived();
    void showLinkState();
    QString failureText() const;
    void startCycle();
    void stopCycle();
    void endCycle();
    void showStatusCodes(int mode, int state, int error);

    const Answer answerKind;
    const int interval;
    bool showsParentOnClose = false;
    QTimer* timer = nullptr;
    CM_NetMessge* netMessage = nullptr;
    QLabel* linkStateLabel = nullptr;
    std::unique_ptr<StatusFields> statusFields;
    // Since the cycle started, the connection opened or the last answer came.
    QElapsedTimer sinceAnswer;
};
