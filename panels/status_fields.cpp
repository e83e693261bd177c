#include "panels/status_fields.h"

#include "shell/style_sheets.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>

#include <algorithm>
#include <iterator>

namespace {

bool holds(QLayoutItem* item, const QWidget* widget)
{
    if (QWidget* own = item->widget())
        return own == widget || own->isAncestorOf(widget);
    if (QLayout* inner = item->layout()) {
        for (int i = 0; i < inner->count(); ++i) {
            if (holds(inner->itemAt(i), widget))
                return true;
        }
    }
    return false;
}

// Whether the field draws its whole text: the room is worked out as QLineEdit lays out its text.
bool showsWhole(QLineEdit* field)
{
    field->ensurePolished();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    option.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect room = field->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, field)
                           .marginsRemoved(field->textMargins());
    const int lineEditMargin = 2; // QLineEdit keeps this much free on either side of its text
    return field->fontMetrics().horizontalAdvance(field->text()) <= room.width() - 2 * lineEditMargin;
}

} // namespace

StatusFields::StatusFields(QWidget* panel)
    : owner(panel)
{
    const char* names[] = {"curentModelineEdit", "curentStatelineEdit", "curentErrorlineEdit"};
    for (int i = 0; i < 3; ++i) {
        fields[i] = panel->findChild<QLineEdit*>(QLatin1String(names[i]));
        if (fields[i])
            applyStyle(Style::LineEdit, {fields[i]});
    }
    auto* column = qobject_cast<QBoxLayout*>(panel->layout());
    if (!column || !fields[2])
        return;
    int row = 0;
    while (row < column->count() && !holds(column->itemAt(row), fields[2]))
        ++row;
    fullTextLabel = new QLabel(panel);
    fullTextLabel->setObjectName(QStringLiteral("statusFullTextLabel"));
    fullTextLabel->setAlignment(Qt::AlignCenter);
    fullTextLabel->setWordWrap(true);
    fullTextLabel->hide();
    column->insertWidget(row < column->count() ? row + 1 : -1, fullTextLabel); // at the end when not found
}

void StatusFields::show(const QString& mode, const QString& state, const QString& error)
{
    const QString texts[] = {mode, state, error};
    // A panel polls ten times a second and the texts rarely change: nothing to measure or redraw.
    if (std::equal(std::begin(texts), std::end(texts), std::begin(shown)))
        return;
    std::copy(std::begin(texts), std::end(texts), std::begin(shown));
    QStringList cut;
    for (int i = 0; i < 3; ++i) {
        if (!fields[i])
            continue;
        fields[i]->setText(texts[i]);
        fields[i]->setCursorPosition(0); // a long text shows its beginning, not its end
        if (!showsWhole(fields[i]))
            cut << texts[i];
    }
    if (!fullTextLabel)
        return;
    fullTextLabel->setText(cut.join(QLatin1Char('\n')));
    fullTextLabel->setVisible(!cut.isEmpty());
    if (cut.isEmpty())
        return;
    // The line takes room from the rest of the panel: grow instead, so that it shows whole.
    QLayout* column = owner->layout();
    column->activate();
    const int wanted =
        column->hasHeightForWidth() ? column->totalHeightForWidth(owner->width()) : column->totalSizeHint().height();
    if (owner->height() < wanted)
        owner->resize(owner->width(), wanted);
}

void StatusFields::setStale(bool old)
{
    if (old == stale)
        return;
    stale = old;
    // #595959 on the fields' #EFEFEF: 6.1:1, against the live values' #262626 at 13:1. The rule
    // goes on top of the field's own sheet, whatever styles it, and comes off leaving it.
    const QString staleRule = QStringLiteral("\nQLineEdit:disabled { color: #595959; font-style: italic; }");
    for (QLineEdit* field : fields) {
        if (!field)
            continue;
        QString sheet = field->styleSheet();
        sheet.remove(staleRule);
        field->setStyleSheet(stale ? sheet + staleRule : sheet);
    }
}
