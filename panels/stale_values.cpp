#include "panels/stale_values.h"

#include <QCheckBox>
#include <QLCDNumber>
#include <QPalette>

void setValuesStale(QWidget* panel, bool stale)
{
    // On top of the box's own sheet, whatever styles it, and off again leaving it.
    const QString rule = QStringLiteral("\nQCheckBox, QCheckBox:disabled { color: #595959; font-style: italic; }");
    const QList<QCheckBox*> boxes = panel->findChildren<QCheckBox*>();
    for (QCheckBox* box : boxes) {
        QString sheet = box->styleSheet();
        sheet.remove(rule);
        box->setStyleSheet(stale ? sheet + rule : sheet);
    }
    const QList<QLCDNumber*> lcds = panel->findChildren<QLCDNumber*>();
    for (QLCDNumber* lcd : lcds) {
        QPalette palette = lcd->palette();
        palette.setColor(QPalette::WindowText,
                         stale ? QColor(0x59, 0x59, 0x59) : panel->palette().color(QPalette::WindowText));
        lcd->setPalette(palette);
        lcd->setSegmentStyle(stale ? QLCDNumber::Flat : QLCDNumber::Outline);
    }
}
