#include "test_support.h"

#include "link/status_texts.h"
#include "recipes/receptsfile.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTranslator>

namespace {

// Where the text of `widget` is drawn and how much room it has; no text when it shows none of its own.
struct TextPlace
{
    QString text;
    QRect room;    // in widget coordinates
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
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(place.room.width())
                       .arg(place.room.height());
        }
    }
    return cut;
}

// Every text that `window` shows: its title, captions, group box titles and tab titles.
QStringList shownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            texts << box->title();
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    return texts;
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
        const QString path = dir.filePath("recepts.xml");
        QVERIFY(writeFile(
            path, receptsFileBytes({{"Latte", "Latte macchiato", 1, 2, {1, 2, 0, 0}, {1, 2, 3, 4}, {5, 6, 7, 8}}})));
        SettingsStore::setReceptsFilePath(path);
    }

    void everyTextFits_data()
    {
        QTest::addColumn<bool>("russian");
        QTest::newRow("en") << false;
        QTest::newRow("ru") << true;
    }
    void everyTextFits()
    {
        QFETCH(bool, russian);
        QTranslator translator; // removes itself when it goes
        if (russian) {
            QVERIFY(translator.load(QUELLARO_QM_DIR "/Quellaro_ru.qm"));
            QCoreApplication::installTranslator(&translator);
        }
        Quellaro menu; // makes every window of the program
        QWidgetList windows{&menu};
        for (QDialog* dialog : menu.findChildren<QDialog*>())
            windows << dialog;
        QCOMPARE(windows.size(), 13);
        QStringList cut;
        for (QWidget* shown : windows) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QCoreApplication::processEvents(); // layouts settle once the contents are built
            cut << cutTexts(shown);
            if (shown->width() > 1280) // a 1280-pixel-wide screen shows the window whole
                cut << QStringLiteral("%1 is wider than 1280 pixels").arg(shown->metaObject()->className());
            shown->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // The English file, found for an English locale, spells every text of every window and
    // every machine status correctly, and its texts fit.
    void englishHasNoMisspelling()
    {
        QTranslator translator;
        QVERIFY(loadTranslation(translator, QUELLARO_QM_DIR, dir.path(), "en_US"));
        QCoreApplication::installTranslator(&translator);
        Quellaro menu;
        QWidgetList windows{&menu};
        for (QDialog* dialog : menu.findChildren<QDialog*>())
            windows << dialog;
        QStringList texts, cut;
        for (QWidget* shown : windows) {
            shown->show(); // the recipes dialog makes its tabs when shown
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QCoreApplication::processEvents();
            texts << shownTexts(shown);
            cut << cutTexts(shown);
            shown->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        QMap<int, QString> statuses;
        StatusTexts::fillModeTexts(statuses);
        texts << statuses.values();
        StatusTexts::fillStateTexts(statuses);
        texts << statuses.values();
        StatusTexts::fillErrorTexts(statuses);
        texts << statuses.values();
        QVERIFY(texts.contains("Recipes") && texts.contains("Tests") && texts.contains("Drink number"));
        const QRegularExpression misspelled(
            "\\b(recepts?|adress|cofee|coffe|cofe|cofefe|cofegroup|coffeegroup|systerm|strait|dispender|referent|"
            "ingredien|number of drinks)\\b|\\S  \\S|\\( |\\p{Cyrillic}",
            QRegularExpression::CaseInsensitiveOption);
        QStringList wrong = texts.filter(misspelled);
        wrong.removeDuplicates();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QUELLARO_TEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
