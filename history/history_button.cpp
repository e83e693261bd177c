#include "history/history_button.h"

#include "history/history_dialog.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace HistoryButton {

void addBesideQuit(QDialog* panel)
{
    auto* column = qobject_cast<QBoxLayout*>(panel->layout());
    if (!column)
        return;
    for (int i = column->count() - 1; i >= 0; --i) {
        auto* quit = qobject_cast<QPushButton*>(column->itemAt(i)->widget());
        if (!quit)
            continue;
        auto* history = new QPushButton(HistoryDialog::tr("History"), panel);
        history->setObjectName(QStringLiteral("historyButton"));
        history->setAutoDefault(false);
        QObject::connect(history, &QPushButton::clicked, panel, [] { HistoryDialog::showForProgram(); });
        delete column->takeAt(i);
        auto* row = new QHBoxLayout;
        row->addWidget(history);
        row->addWidget(quit);
        column->insertLayout(i, row);
        return;
    }
}

} // namespace HistoryButton
