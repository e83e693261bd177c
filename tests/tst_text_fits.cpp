#include "test_support.h"

#include "link/state_records.h"
#include "link/status_texts.h"
#include "recipes/receptsfile.h"
#include "shell/quellaro.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
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

// A 1280x768 screen shows the window whole, its title bar included.
QStringList tooBig(QWidget* window)
{
    QStringList big;
    const QSize sizes[] = {window->size(), window->minimumSize(), window->minimumSizeHint()};
    for (const QSize& size : sizes) {
        if (size.width() > 1280 || size.height() > 740)
            big << QStringLiteral("%1 is %2x%3")
                       .arg(window->metaObject()->className())
                       .arg(size.width())
                       .arg(size.height());
    }
    return big;
}

// The link state line at its longest: three lines, as the panel grows to show it.
void showLongestLinkState(QWidget* window)
{
    auto* line = window->findChild<QLabel*>(QStringLiteral("linkStateLabel"));
    if (!line)
        return;
    line->setText(QCoreApplication::translate("PollingDialog", "No connection to the controller at %1")
                      .arg("255.255.255.255:65535")
                  + "\nConnection refused by the controller at that address.\n"
                  + QCoreApplication::translate("PollingDialog", "Close the panel and open it again to retry."));
    line->show();
    QCoreApplication::processEvents();
    window->resize(window->width(), qMax(window->height(), window->sizeHint().height()));
    QCoreApplication::processEvents();
}

bool installRussian(QTranslator& translator, bool russian)
{
    return !russian
        || (translator.load(QUELLARO_QM_DIR "/Quellaro_ru.qm") && QCoreApplication::installTranslator(&translator));
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
        QVERIFY(writeFile(path, receptsFileBytes({{"Latte", "Latte macchiato", 1, 2, {1, 2, 0, 0}, {1, 2, 3, 4},
                                                   {5, 6, 7, 8}}})));
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
        QVERIFY(installRussian(translator, russian));
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
            showLongestLinkState(shown);
            cut << cutTexts(shown) << tooBig(shown);
            shown->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void statusTextsReadable_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("russian");
        for (const char* panel :
             {"TestBoilerDialog", "TestSelectorWaterDialog", "TestMixerDialog", "TestCofeGroupDialog",
              "TestDispensorDialog", "TestDrinkDialog", "ShowInputsDialog", "ShowOutputsDialog", "SwitchModeDialog"}) {
            QTest::addRow("%s en", panel) << panel << false;
            QTest::addRow("%s ru", panel) << panel << true;
        }
    }

    // Every mode, state and error text shows whole: in its field, or else on the line under the fields.
    void statusTextsReadable()
    {
        QFETCH(QString, panel);
        QFETCH(bool, russian);
        QTranslator translator;
        QVERIFY(installRussian(translator, russian));
        SettingsStore::setControllerPort("0"); // no connection: the answers come from the test
        Quellaro menu;
        QWidget* shown = nullptr;
        for (QDialog* dialog : menu.findChildren<QDialog*>())
            shown = dialog->metaObject()->className() == panel ? dialog : shown;
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QMap<int, QString> tables[3];
        StatusTexts::fillModeTexts(tables[0]);
        StatusTexts::fillStateTexts(tables[1]);
        StatusTexts::fillErrorTexts(tables[2]);
        const QList<int> codes[] = {tables[0].keys(), tables[1].keys(), tables[2].keys()};
        const auto fields = {shown->findChild<QLineEdit*>("curentModelineEdit"),
                             shown->findChild<QLineEdit*>("curentStatelineEdit"),
                             shown->findChild<QLineEdit*>("curentErrorlineEdit")};
        const auto* full = shown->findChild<QLabel*>("statusFullTextLabel");
        QVERIFY(full);
        const bool extended = shown->metaObject()->indexOfSlot("SetStateAnswer(_tag_getxstate_answer)") >= 0;
        QStringList unreadable;
        for (int i = 0; i < codes[1].size(); ++i) { // the state table is the longest
            _tag_getxstate_answer answer{};
            answer.mode = quint8(codes[0][i % codes[0].size()]);
            answer.state = quint16(codes[1][i]);
            answer.error = quint16(codes[2][i % codes[2].size()]);
            const _tag_getstate_answer header{answer.mode, answer.state, answer.error};
            QVERIFY(extended ? QMetaObject::invokeMethod(shown, "SetStateAnswer", Q_ARG(_tag_getxstate_answer, answer))
                             : QMetaObject::invokeMethod(shown, "SetStateAnswer", Q_ARG(_tag_getstate_answer, header)));
            QCoreApplication::processEvents();
            const QString texts[] = {tables[0][answer.mode], tables[1][answer.state], tables[2][answer.error]};
            int f = 0;
            for (QLineEdit* field : fields) {
                const QString& text = texts[f++];
                QCOMPARE(field->text(), text);
                const int room = field->contentsRect().width() - 20; // padding 6, frame 2 and margin 2 each side
                const bool fits = field->fontMetrics().horizontalAdvance(text) <= room;
                if (!fits && !(full->isVisible() && full->text().split('\n').contains(text)))
                    unreadable << text;
            }
            unreadable << cutTexts(shown) << tooBig(shown);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1Char('\n'))));
    }
};

QUELLARO_TEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
