#include "shell/closingdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

namespace {

bool isHeldKey(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return || key == Qt::Key_Space || key == Qt::Key_Escape;
}

// Sees every event of the application, so also the keys that a button takes before its dialog
// does (Space, and Return on a focused button). Text fields keep their repeats: a key they
// ignore (Return, Escape) goes on to their dialog and is swallowed there.
// Qt on X11 flags a repeat only when the next press is already queued, so under load some
// repeats come unflagged: as a release and a press with the same timestamp. Such a press is a
// repeat too. Synthesized events carry no timestamp (0) and are judged by the flag alone.
class HeldKeyFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isHeldKey(key->key()))
            return false;
        bool repeat = key->isAutoRepeat();
        if (key->timestamp() != 0) {
            ulong& lastRelease = lastReleases[key->key()];
            if (event->type() == QEvent::KeyRelease)
                lastRelease = key->timestamp();
            else
                repeat = repeat || key->timestamp() == lastRelease;
        }
        // An unflagged release still reaches the button: held Space then clicks once, at the
        // first repeat, and the swallowed presses leave the button up for the releases after it.
        return repeat && (qobject_cast<QDialog*>(watched) || qobject_cast<QAbstractButton*>(watched));
    }

private:
    QHash<int, ulong> lastReleases; // per key, the timestamp of its last release
};

} // namespace

ClosingDialog::ClosingDialog(QWidget* parent)
    : QDialog(parent)
{
    ignoreHeldKeys();
}

void ClosingDialog::ignoreHeldKeys()
{
    static QPointer<HeldKeyFilter> filter;
    if (filter || !qApp)
        return;
    filter = new HeldKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

void ClosingDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    // Return that no focused button took (from the dialog or a field) presses nothing: QDialog
    // would press its default button, which nothing on screen marks.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClosingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) // restored from minimized: the focus stays where it was
        return;
    // A freshly shown window gives no button the keyboard: Return and Space act on a button
    // only once the technician has chosen it (Tab or a click), and its focus frame shows it.
    QWidget* first = this;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && widget->isVisibleTo(this) && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(widget)) {
            first = widget;
            break;
        }
    }
    first->setFocus(Qt::OtherFocusReason);
}

QMessageBox* ClosingDialog::message(const char* objectName, QMessageBox::Icon icon, const QString& text)
{
    auto* box = new QMessageBox(icon, windowTitle(), text, QMessageBox::NoButton, this);
    box->setObjectName(QLatin1String(objectName));
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

bool ClosingDialog::askToDiscard(const QString& question)
{
    if (question.isEmpty() || discardApproved)
        return false;
    QMessageBox* box = message("discardQuestion", QMessageBox::Question, question);
    QPushButton* discard = box->addButton(tr("Discard"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("discardButton"));
    box->addButton(tr("Keep editing"), QMessageBox::RejectRole)->setObjectName(QStringLiteral("keepEditingButton"));
    connect(discard, &QPushButton::clicked, this, [this] {
        discardApproved = true;
        close();
    });
    box->open();
    return true;
}

void ClosingDialog::setDiscardApproved(bool approved)
{
    discardApproved = approved;
}

void ClosingDialog::showParentWidget()
{
    if (QWidget* parent = parentWidget())
        parent->show();
}
