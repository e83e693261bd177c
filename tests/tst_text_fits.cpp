#include "test_support.h"

#include "history/history_dialog.h"
#include "history/history_model.h"

#include "link/state_records.h"
#include "link/status_texts.h"
#include "recipes/receptsfile.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTranslator>

namespace {

// Where the text of `widget` is drawn and how much room it has; no text when it shows none of its own.
struct TextPlace
{
    QString text;
    QRect room;   // in widget coordinates
    int flags = 0; // alignment and wrapping, as QFontMetrics::boundingRect takes them
};

TextPlace placeOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int inset = label->margin() + qMax(label->indent(), 0);
        return {label->text(), label->contentsRect().adjusted(inset, label->margin(), -inset, -label->margin()),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    const bool push = qobject_cast<QPushButton*>(widget);
    if (!push && !qobject_cast<QCheckBox*>(widget))
        return {};
    // The style's contents rectangle leaves out a button's border and a check box's indicator.
    auto* button = static_cast<QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = push ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents;
    return {QString(button->text()).remove(QLatin1Char('&')), button->style()->subElementRect(element, &option, button),
            push ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter)};
}

// The texts of `window` that do not fit where they are drawn, or are clipped by a parent.
QStringList cutTexts(QWidget* window)
{
    QStringList cut;
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const TextPlace place = placeOf(widget);
        if (place.text.isEmpty() || !widget->isVisible())
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        const QRect needed = metrics.boundingRect(place.room, place.flags, place.text);
        const QRegion hidden = QRegion(needed) - (widget->visibleRegion() & place.room);
        if (!hidden.isEmpty()) {
            cut << QStringLiteral("%1 %2 \"%3\": needs %4x%5, has %6x%7")
                       .arg(window->metaObject()->className(), widget->objectName(), place.text)
                       .arg(needed.width()).arg(needed.height())
                       .arg(place.room.width()).arg(place.room.height());
        }
    }
    return cut;
}

// Feeds the panel an answer for every text of the mode, state and error tables: each shows whole in its field
// (inside padding 6, frame 1 and margin 2 on each side) or else on the line under the fields.
QStringList unreadableStatusTexts(QWidget* panel)
{
    QMap<int, QString> tables[3];
    StatusTexts::fillModeTexts(tables[0]);
    StatusTexts::fillStateTexts(tables[1]);
    StatusTexts::fillErrorTexts(tables[2]);
    const auto* full = panel->findChild<QLabel*>(QStringLiteral("statusFullTextLabel"));
    // A panel declares the answer it asks for again; the polling cycle declares both.
    const QMetaObject* panelClass = panel->metaObject();
    const bool extended = panelClass->indexOfSlot("SetStateAnswer(_tag_getxstate_answer)") >= panelClass->methodOffset();
    QStringList unreadable;
    for (int i = 0; i < tables[1].size(); ++i) { // the state table is the longest
        _tag_getxstate_answer answer{};
        answer.mode = quint8(tables[0].keys()[i % tables[0].size()]);
        answer.state = quint16(tables[1].keys()[i]);
        answer.error = quint16(tables[2].keys()[i % tables[2].size()]);
        const _tag_getstate_answer header{answer.mode, answer.state, answer.error};
        extended ? QMetaObject::invokeMethod(panel, "SetStateAnswer", Q_ARG(_tag_getxstate_answer, answer))
                 : QMetaObject::invokeMethod(panel, "SetStateAnswer", Q_ARG(_tag_getstate_answer, header));
        QCoreApplication::processEvents();
        for (const QLineEdit* field : panel->findChildren<QLineEdit*>(QRegularExpression("^curent"))) {
            const QString text = field->text();
            if (text.isEmpty()
                || (field->fontMetrics().horizontalAdvance(text) > field->contentsRect().width() - 18
                    && !(full->isVisible() && full->text().split('\n').contains(text))))
                unreadable << text;
        }
        unreadable << cutTexts(panel);
    }
    return unreadable;
}

// The WCAG contrast of the darkest colour drawn in `area` (its text) on the lightest (its background).
double contrast(const QImage& area)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int c) { return c <= 10 ? c / 3294.6 : std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    double light = 0, dark = 1;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const double l = luminance(area.pixel(i % area.width(), i / area.width()));
        light = qMax(light, l), dark = qMin(dark, l);
    }
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class TestTextFits : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Offscreen measures with the machine's fonts: without Cyrillic ones, Russian would measure as boxes.
    void initTestCase()
    {
        const QString family = QFontInfo(QApplication::font()).family();
        QVERIFY2(QFontDatabase().writingSystems(family).contains(QFontDatabase::Cyrillic),
                 qPrintable("no Cyrillic in the font \"" + family + "\": install fonts-dejavu-core"));
        const QString path = dir.filePath("drinks.xml"); // "recepts" is a misspelling the check finds
        QVERIFY(writeFile(path, receptsFileBytes({{"Latte", "Latte macchiato", 1, 2, {1, 2, 0, 0}, {1, 2, 3, 4},
                                                   {5, 6, 7, 8}},
                                                  {"Tea", "Tea with milk", 3, 4, {5, 2, 0, 0}, {9, 10, 0, 0},
                                                   {11, 12, 0, 0}}})));
        SettingsStore::setReceptsFilePath(path);
        SettingsStore::setControllerPort("0"); // not valid: the panels show their link state line at once
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("locale"); // empty: the source texts
        QTest::newRow("source") << QString();
        QTest::newRow("en") << "en_US";
        QTest::newRow("ru") << "ru_RU";
    }
    // Every text shows whole, status texts included, machine values at a contrast of 4.5:1 or more; every window
    // fits a 1280x768 screen with its title bar, a panel with a three-line link state line too.
    void everyTextFits()
    {
        QFETCH(QString, locale);
        QTranslator translator; // removes itself when it goes
        if (!locale.isEmpty()) {
            QVERIFY(loadTranslation(translator, {QUELLARO_QM_DIR}, locale));
            QCoreApplication::installTranslator(&translator);
        }
        Quellaro menu; // makes every window of the program
        QWidgetList windows{&menu};
        for (QDialog* dialog : menu.findChildren<QDialog*>())
            windows << dialog;
        QCOMPARE(windows.size(), 13);
        HistoryModel history;
        HistoryDialog historyWindow(&history);
        windows << &historyWindow;
        QStringList cut, texts;
        for (QWidget* shown : windows) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QCoreApplication::processEvents(); // layouts settle once the contents are built
            showEveryTab(shown);
            cut << cutTexts(shown);
            texts << shown->windowTitle();
            for (QWidget* widget : shown->findChildren<QWidget*>()) {
                texts << placeOf(widget).text << widget->property("title").toString(); // group boxes
                if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
                    for (int i = 0; i < tabs->count(); ++i)
                        texts << tabs->tabText(i);
                }
            }
            if (auto* line = shown->findChild<QLabel*>(QStringLiteral("linkStateLabel"), Qt::FindDirectChildrenOnly)) {
                // The longest the line gets: no link, why, and a press not sent (else the next attempt
                // and the values' time).
                const auto said = [](const char* text) { return QCoreApplication::translate("PollingDialog", text); };
                line->setText(QStringList{line->text(),
                                          "Connection refused",
                                          said("“%1” was not sent: no connection to the controller.")
                                              .arg(QCoreApplication::translate("TestBoilerDialog", "Pump On"))}
                                  .join('\n'));
                QCoreApplication::processEvents();
                shown->resize(shown->width(), qMax(shown->height(), shown->sizeHint().height()));
                cut << unreadableStatusTexts(shown);
            }
            const QImage drawn = shown->grab().toImage();
            for (QWidget* value : shown->findChildren<QWidget*>(QRegularExpression("^curent|checkBox$"))) {
                const int inset = qobject_cast<QCheckBox*>(value) ? 0 : 8; // a check box's text fills its height
                const QRect room(value->mapTo(shown, QPoint(inset ? 8 : 33, inset)),
                                 value->size() - QSize(41, 2 * inset));
                if (!value->isEnabled() && value->isVisible() && contrast(drawn.copy(room)) < 4.5)
                    cut << value->objectName() + " is hard to read";
            }
            const QSize size = shown->size().expandedTo(shown->minimumSize()).expandedTo(shown->minimumSizeHint());
            if (size.width() > 1280 || size.height() > 740)
                cut << QStringLiteral("%1 is too big").arg(shown->metaObject()->className());
            shown->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        if (locale != "en_US")
            return;
        // The English file spells every text of every window and every machine status correctly.
        QMap<int, QString> modes, states, errors;
        StatusTexts::fillModeTexts(modes);
        StatusTexts::fillStateTexts(states);
        StatusTexts::fillErrorTexts(errors);
        texts << modes.values() << states.values() << errors.values();
        QVERIFY(texts.contains("Recipes") && texts.contains("Tests") && texts.contains("Drink number"));
        QStringList wrong = texts.filter(QRegularExpression(
            "\\b(recepts?|adress|cofee|coffe|cofe|cofefe|cofegroup|coffeegroup|systerm|strait|dispender|referent|"
            "ingredien|number of drinks)\\b|\\S  \\S|\\( |\\p{Cyrillic}",
            QRegularExpression::CaseInsensitiveOption));
        wrong.removeDuplicates();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QUELLARO_TEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
