#pragma once

#include <QDialog>
#include <QMessageBox>

class QKeyEvent;
class QShowEvent;

// Base of every dialog that the menus open. A plain QDialog rejects itself on Escape and
// hides without a close event, so its close handler would not run: the polling cycle would
// go on and the menu would not come back. Here Escape goes through close() like "Quit".
class ClosingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClosingDialog(QWidget* parent = nullptr);

    // From the first call on, the repeated presses of Enter, Return, Space and Escape (and the
    // releases Qt flags as repeats) never reach a dialog or a button: a held key acts once. Otherwise the repeats
    // land on whatever takes the focus next, pressing a machine command over and over or
    // closing one window after the other down to the main menu.
    static void ignoreHeldKeys();

protected:
    // Escape closes; Return and Enter act only on the focused button, never on a default one.
    void keyPressEvent(QKeyEvent* event) override;
    // Gives the keyboard to the first field, or to the dialog itself: never to a button.
    void showEvent(QShowEvent* event) override;

    // A message over the dialog, with the dialog's title and the object name `objectName`, that
    // deletes itself when closed. Shown with open() it is window-modal and returns at once, so
    // no nested event loop runs; it gets an OK button unless the caller adds others.
    QMessageBox* message(const char* objectName, QMessageBox::Icon icon, const QString& text);

    // For a close handler of a dialog that holds edits: asks `question` ("discardQuestion",
    // with "discardButton" and "keepEditingButton") instead of closing, and Discard closes.
    // False, asking nothing, when `question` is empty (no edits) or closing is approved.
    bool askToDiscard(const QString& question);
    // Approves the next close without a question (after a save); a new showing withdraws it.
    void setDiscardApproved(bool approved);

    // Shows the parent window again; the dialogs opened from the main menu call this
    // from their close handler, because the menu hides itself while they are shown.
    void showParentWidget();

private:
    bool discardApproved = false;
};
