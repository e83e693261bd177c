#include "shell/closingdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// Sees every event of the application, so also the keys that a button takes before its dialog
// does (Space, and Enter on an auto-default button). Text fields keep their repeats: a key they
// ignore (Return, Escape) goes on to their dialog and is swallowed there.
class HeldKeyFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            || !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            return qobject_cast<QDialog*>(watched) || qobject_cast<QAbstractButton*>(watched);
        default:
            return false;
        }
    }
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
    QDialog::keyPressEvent(event);
}

QMessageBox* ClosingDialog::message(const char* objectName, QMessageBox::Icon icon, const QString& text)
{
    auto* box = new QMessageBox(icon, windowTitle(), text, QMessageBox::NoButton, this);
    box->setObjectName(QLatin1String(objectName));
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void ClosingDialog::showParentWidget()
{
    if (QWidget* parent = parentWidget())
        parent->show();
}
