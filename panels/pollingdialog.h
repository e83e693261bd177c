#pragma once

#include "shell/closingdialog.h"
#include "shell/style_sheets.h"

class CM_NetMessge;
class QHideEvent;
class QLineEdit;
class QTimer;

// The polling cycle that every service panel runs while it is shown: on show a fresh
// machine link client (and so a fresh connection) and a timer that sends the panel's state
// request at its interval; each answer goes straight to the panel's SetStateAnswer slot;
// on close, or on any other hide by the program, both are deleted. A panel class derives
// from this, sets up its form and declares
//     void SetStateAnswer(const _tag_getstate_answer& answer);   // short answer panels
//     void SetStateAnswer(const _tag_getxstate_answer& answer);  // extended answer panels
// as a slot; the cycle connects the client's answer signal to it by signature.
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
    // curentErrorlineEdit) with the texts of the answer's mode, state and error codes.
    template <typename Record>
    void showStatus(const Record& answer)
    {
        showStatusCodes(answer.mode, answer.state, answer.error);
    }

    // The look shared by the panels: the label style on every label, the line edit style on
    // the status fields and `buttonStyle` on every push button. Called after setupUi.
    void applyPanelStyles(Style buttonStyle);

    // The mode switch panel is opened by the main menu, which hides itself meanwhile; such a
    // panel brings its parent back when it closes.
    void setShowsParentOnClose(bool show);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

protected slots:
    void GetCurentState();

private:
    void startCycle();
    void stopCycle();
    void endCycle();
    void showStatusCodes(int mode, int state, int error);
    QLineEdit* statusField(const char* objectName) const;

    const Answer answerKind;
    const int interval;
    bool showsParentOnClose = false;
    QTimer* timer = nullptr;
    CM_NetMessge* netMessage = nullptr;
};
