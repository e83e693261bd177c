#include "panel_wire.h"

#include "panels/showinputsdialog.h"
#include "panels/switchmodedialog.h"
#include "panels/testboilerdialog.h"
#include "shell/translation_loader.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QLabel>
#include <QRegularExpression>
#include <QShowEvent>
#include <QTranslator>

#include <cmath>

// The polling cycle, driven through the mode switch panel (short answers every 500 ms; it brings
// back the menu that opened it), the inputs panel and the boiler panel (extended answers every
// 100 ms).
namespace {

enum Panel { ModeSwitch, Inputs, Boiler };

struct Rig : PanelWire::Rig
{
    explicit Rig(Panel kind)
        : inputs(kind != ModeSwitch), interval(inputs ? 100 : 500), poll(hexBytes(inputs ? "04 00" : "01 00"))
    {
        panel = kind == ModeSwitch ? static_cast<QWidget*>(new SwitchModeDialog(&menu))
                : kind == Inputs   ? static_cast<QWidget*>(new ShowInputsDialog(&menu)) : new TestBoilerDialog(&menu);
        line = panel->findChild<QLabel*>(QStringLiteral("linkStateLabel"));
    }
    QByteArray reply(int mode, int state, int error) const { return PanelWire::answer(inputs, mode, state, error); }
    int polls() const { return PanelWire::requests(peer.received()).count(poll); }
    QStringList fields() const
    {
        return {field("curentModelineEdit"), field("curentStatelineEdit"), field("curentErrorlineEdit")};
    }
    // The link state line, the time of the shown values as hh:mm:ss: empty while hidden.
    QString shownLine() const
    {
        return line && line->isVisible()
            ? line->text().replace(QRegularExpression("as of \\d\\d:\\d\\d:\\d\\d$"), "as of hh:mm:ss")
            : QString();
    }
    const bool inputs;
    const int interval;
    const QByteArray poll;
    QLabel* line = nullptr;
};

// The LCD and the texts of the check boxes (right of the box) as drawn, same values live or old.
QList<QImage> valueImages(QWidget* panel)
{
    QList<QImage> images;
    for (QLCDNumber* lcd : panel->findChildren<QLCDNumber*>())
        images << lcd->grab().toImage();
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        images << box->grab(box->rect().adjusted(26, 0, 0, 0)).toImage();
    return images;
}

// The contrast of the darkest pixel against the commonest one, the background.
double darkestContrast(const QImage& image)
{
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    QHash<QRgb, int> counts;
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++counts[pixel];
            if (luminance(pixel) < luminance(darkest))
                darkest = pixel;
        }
    }
    QRgb background = darkest;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    return (luminance(background) + 0.05) / (luminance(darkest) + 0.05);
}

// The darkest colour drawn.
QColor darkest(const QImage& image)
{
    QColor found = Qt::white;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixel(x, y);
            if (pixel.lightness() < found.lightness())
                found = pixel;
        }
    }
    return found;
}

const QString Retry = QStringLiteral("\nTrying again in 1 s (attempt 1).");
const QString AsOf = QStringLiteral("\nValues as of hh:mm:ss");

} // namespace

class TestPollingCycle : public QObject
{
    Q_OBJECT

private slots:
    void pollsAtItsIntervalOnOneCycle_data()
    {
        QTest::addColumn<bool>("inputs");
        QTest::newRow("mode switch") << false;
        QTest::newRow("inputs") << true;
    }

    void pollsAtItsIntervalOnOneCycle()
    {
        QFETCH(bool, inputs);
        Rig rig(inputs ? Inputs : ModeSwitch);
        rig.peer.answerPolls(rig.reply(2, 1000, 0));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.open());
        QTRY_VERIFY(rig.polls() >= 3);
        // The first request goes out one interval after the show (timers may fire 5 % early).
        QVERIFY2(clock.elapsed() >= 3 * rig.interval * 9 / 10, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(rig.peer.received(), rig.poll.repeated(rig.polls()));

        // A second show event, as a restored minimized window gets it, starts no second cycle.
        QShowEvent again;
        QCoreApplication::sendEvent(rig.panel, &again);
        rig.panel->show();
        rig.peer.clearReceived();
        clock.start();
        QTRY_VERIFY(rig.polls() >= 6);
        QVERIFY2(rig.polls() <= clock.elapsed() / rig.interval + 2, qPrintable(QString::number(rig.polls())));
        QCOMPARE(rig.peer.connectionCount(), 1);
    }

    void closingEndsTheCycleAndReopeningStartsANewOne_data()
    {
        QTest::addColumn<bool>("inputs");
        QTest::addColumn<QString>("way");
        QTest::newRow("mode switch: Quit") << false << "Quit";
        QTest::newRow("mode switch: Escape") << false << "Escape";
        QTest::newRow("inputs: Escape") << true << "Escape"; // its Quit: in the device panels' test
    }

    void closingEndsTheCycleAndReopeningStartsANewOne()
    {
        QFETCH(bool, inputs);
        QFETCH(QString, way);
        Rig rig(inputs ? Inputs : ModeSwitch);
        QVERIFY(rig.open());
        QVERIFY(rig.answer(rig.reply(2, 1000, 0), "Trade"));
        if (way == "Quit")
            rig.click("quitButton");
        else
            QTest::keyClick(rig.panel, Qt::Key_Escape);

        QVERIFY(!rig.panel->isVisible());
        QCOMPARE(rig.menu.isVisible(), !inputs);
        QTRY_COMPARE(rig.peer.openConnectionCount(), 0);
        rig.peer.clearReceived();
        QVERIFY(!QSignalSpy(&rig.peer, &RecordingPeer::bytesReceived).wait(3 * rig.interval));
        // Closing a panel that is not shown brings back nothing.
        rig.menu.hide();
        rig.panel->close();
        QVERIFY(!rig.menu.isVisible());

        // Reopened, it polls on a new connection; the old texts stay until its first answer. A code
        // without a text shows as a code, in its own field only.
        QVERIFY(rig.open());
        QCOMPARE(rig.peer.connectionCount(), 2);
        QTRY_VERIFY(rig.polls() > 0);
        QCOMPARE(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}));
        QVERIFY(rig.peer.send(rig.reply(7, 555, 10001)));
        QTRY_COMPARE(rig.fields(), (QStringList{"Unknown mode 7", "Unknown state 555", "Error boiler"}));
    }

    void lineSaysWhatTheLinkLacks_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason"); // the line's second line, when no connection
        const QStringList reasons{"The connection was refused: nothing listens at that port.",
                                  "The controller closed the connection."};
        for (Panel panel : {Boiler, ModeSwitch}) {
            int i = 0;
            for (const char* fault : {"refused", "closed after 3", "port not valid", "silent", "silent after a reply"})
                QTest::addRow("%s: %s", panel == Boiler ? "boiler" : "mode switch", fault)
                    << int(panel) << fault << reasons.value(i++);
        }
        QTest::newRow("boiler: unknown host") << int(Boiler) << "unknown host" << "The host name was not found.";
        QTest::newRow("boiler: hangs") << int(Boiler) << "hangs" << "No connection within 2 s (timed out).";
    }

    // The line shows what the link lacks and the values shown before stay, with their time. A lost
    // connection is tried again; an open one without an answer for 2 s is reported until the next
    // answer.
    void lineSaysWhatTheLinkLacks()
    {
        QFETCH(int, panel);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Rig rig{Panel(panel)};
        QVERIFY(rig.line);
        const bool silent = fault.startsWith("silent");
        const bool neverConnects = fault == "unknown host" || fault == "hangs";
        if (fault == "unknown host") // refused as a name at once: no name server is asked
            SettingsStore::setControllerHost("bad..name");
        const QString at = SettingsStore::controllerHost() + ':' + QString::number(rig.peer.port());
        QString expected = silent ? "The controller at " + at + " does not answer"
                                  : "No connection to the controller at " + at + '\n' + reason + Retry;
        QStringList fields{"", "", ""};
        QElapsedTimer silence;
        silence.start();
        if (fault == "port not valid") {
            SettingsStore::setControllerPort("104507");
            rig.panel->show();
            expected = "Controller address or port in the settings is not valid";
            QCOMPARE(rig.shownLine(), expected);
        } else if (neverConnects) {
            QVERIFY(fault != "hangs" || rig.peer.hangConnections());
            rig.panel->show();
        } else {
            QVERIFY(rig.open());
            if (fault != "silent") {
                QVERIFY(rig.answer(rig.reply(3, 0, 1), "Operator"));
                silence.start();
                fields = QStringList{"Operator", "Start mode", "Timeout diagnosis"};
                expected += fault == "refused" ? "" : silent ? AsOf : QString(" Values as of hh:mm:ss");
                QCOMPARE(rig.shownLine(), QString());
            }
            if (fault == "closed after 3") {
                rig.peer.clearReceived();
                QTRY_VERIFY(rig.polls() >= 1);
                rig.peer.closeConnections();
            } else if (fault == "refused") {
                rig.panel->close();
                rig.peer.stopListening();
                rig.panel->show();
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(rig.shownLine(), expected, 5000);
        QCOMPARE(rig.fields(), fields);
        if (silent) {
            // Counted from the reply's reading, a moment before the test sees it shown.
            QVERIFY2(silence.elapsed() >= 1950, qPrintable(QString::number(silence.elapsed())));
            // Values once shown look old: legible, and plainly not as live.
            const QList<QImage> old = fault == "silent" ? QList<QImage>() : valueImages(rig.panel);
            for (const QImage& image : old)
                QVERIFY2(darkestContrast(image) >= 4.5, qPrintable(QString::number(darkestContrast(image))));
            QVERIFY(rig.answer(rig.reply(4, 1000, 0), "Master"));
            QCOMPARE(rig.shownLine(), QString());
            QVERIFY(rig.line->isHidden());
            const QList<QImage> live = valueImages(rig.panel);
            for (int i = 0; i < old.size() && i < live.size(); ++i)
                QVERIFY2(live[i] != old[i], qPrintable(QString::number(i)));
        } else {
            QCOMPARE(rig.peer.connectionCount(), fault == "port not valid" || neverConnects ? 0 : 1);
        }
    }

    // A command pressed while the connection hangs is not sent when it comes up, seconds late.
    void noCommandWaitsForTheConnection()
    {
        Rig rig(Boiler);
        QVERIFY(rig.peer.hangConnections());
        rig.panel->show();
        for (int press = 0; press < 3; ++press)
            rig.click("WaterPompOnButton");
        rig.peer.release();
        QTRY_COMPARE_WITH_TIMEOUT(rig.peer.connectionCount(), 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.polls() >= 1, 5000);
        QCOMPARE(rig.sent(), QByteArrayList());
        QCOMPARE(rig.shownLine(), QString());
    }

    // A lost link is tried again after 1 s, 2 s, 4 s: the panel is live again within 8 s of the
    // controller's return, and the line goes with the first answer.
    void comesBackByItself_data()
    {
        QTest::addColumn<QString>("loss");
        QTest::addColumn<QString>("line");
        QTest::newRow("refused, then the controller starts")
            << "refused" << "The connection was refused: nothing listens at that port.";
        QTest::newRow("closed by the controller, then it listens again")
            << "closed" << "The controller closed the connection.";
    }

    void comesBackByItself()
    {
        QFETCH(QString, loss);
        QFETCH(QString, line);
        Rig rig(Boiler);
        const QString at = "127.0.0.1:" + QString::number(rig.peer.port());
        rig.peer.answerPolls(rig.reply(3, 0, 1));
        if (loss == "refused") {
            rig.peer.stopListening();
            rig.panel->show();
        } else {
            QVERIFY(rig.open());
            QTRY_COMPARE(rig.fields(), (QStringList{"Operator", "Start mode", "Timeout diagnosis"}));
            rig.peer.stopListening();
            rig.peer.closeConnections();
        }
        const QString asOf = loss == "closed" ? " Values as of hh:mm:ss" : "";
        QTRY_COMPARE_WITH_TIMEOUT(rig.shownLine(),
                                  "No connection to the controller at " + at + '\n' + line + Retry + asOf, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.shownLine().section('\n', 2, 2), "Trying again in 2 s (attempt 2)." + asOf, 5000);
        rig.peer.answerPolls(rig.reply(2, 1000, 0));
        QVERIFY(rig.peer.listenAgain());
        QTRY_COMPARE_WITH_TIMEOUT(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}), 8000);
        QTRY_COMPARE(rig.shownLine(), QString());
    }

    // A press without a connection is not sent, now or later, and the line names the button.
    void pressWhileLost()
    {
        Rig rig(Boiler);
        rig.peer.stopListening();
        rig.panel->show();
        QTRY_VERIFY_WITH_TIMEOUT(rig.shownLine().contains("Trying again"), 5000);
        rig.click("PompaOnButton");
        QVERIFY(rig.shownLine().endsWith(QString::fromUtf8("\n“Pump On” was not sent: no connection to the controller.")));
        rig.peer.answerPolls(rig.reply(2, 1000, 0));
        QVERIFY(rig.peer.listenAgain());
        QTRY_COMPARE_WITH_TIMEOUT(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}), 8000);
        QTRY_COMPARE(rig.shownLine(), QString());
        QVERIFY(!QTest::qWaitFor([&] { return !rig.sent().isEmpty(); }, 300));
    }

    // Values of a controller that falls silent say their time within 3 s, and look old.
    void oldValuesSayHowOld()
    {
        Rig rig(Boiler);
        rig.peer.answerPolls(rig.reply(2, 1000, 0));
        QVERIFY(rig.open());
        QTRY_COMPARE(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}));
        const auto* field = rig.panel->findChild<QLineEdit*>("curentModelineEdit");
        const QString liveLook = field->styleSheet();
        rig.peer.answerPolls(QByteArray());
        const QString silent = "The controller at 127.0.0.1:" + QString::number(rig.peer.port()) + " does not answer";
        QTRY_COMPARE_WITH_TIMEOUT(rig.shownLine(), silent + AsOf, 3000);
        QCOMPARE(rig.fields(), (QStringList{"Trade", "Waiting", "All correct"}));
        QVERIFY(field->styleSheet() != liveLook);
        rig.peer.answerPolls(rig.reply(2, 1000, 0));
        QTRY_COMPARE(rig.shownLine(), QString());
        QCOMPARE(field->styleSheet(), liveLook);
    }

    void oldValuesLookOld_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("boiler"); // the heating check box's text
        QTest::newRow("English") << "en_GB"
                                 << "Boiler heating On";
        QTest::newRow("Russian") << "ru_RU" << QString::fromUtf8("Нагрев бойлера включён");
    }
    // In either language the boiler panel's check box texts and its LCD turn flat grey when the
    // controller falls silent: nothing as dark as live, still legible at 4.5:1.
    void oldValuesLookOld()
    {
        QFETCH(QString, locale);
        QFETCH(QString, boiler);
        QTranslator translator;
        QVERIFY(loadTranslation(translator, {QUELLARO_QM_DIR}, locale));
        QCoreApplication::installTranslator(&translator);
        Rig rig(Boiler);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(rig.panel->findChild<QCheckBox*>("boilerOncheckBox")->text(), boiler);
        rig.peer.answerPolls(PanelWire::answer(true, 2, 1000, 0, 5, 48, 1));
        QVERIFY(rig.open());
        QTRY_VERIFY(rig.panel->findChild<QCheckBox*>("boilerOncheckBox")->isChecked());
        const QList<QImage> live = valueImages(rig.panel);
        rig.peer.answerPolls(QByteArray());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.shownLine().isEmpty(), 3000);
        const QList<QImage> old = valueImages(rig.panel);
        QCOMPARE(old.size(), 7);
        const QColor grey(0x59, 0x59, 0x59);
        for (int i = 0; i < old.size(); ++i) {
            QVERIFY2(darkestContrast(old[i]) >= 4.5, qPrintable(QString::number(i)));
            QVERIFY2(darkest(old[i]).lightness() >= grey.lightness() - 2, qPrintable(QString::number(i)));
            QVERIFY2(darkest(live[i]).lightness() < grey.lightness() - 30, qPrintable(QString::number(i)));
        }
    }

    // A serial gateway forwards the replies slowly, in pieces: every reply is shown, and nothing else.
    void showsRepliesAGatewayForwards_data()
    {
        QTest::addColumn<int>("piece");   // bytes
        QTest::addColumn<int>("everyUs"); // between pieces
        QTest::newRow("9600 baud, byte by byte") << 1 << 1042;
        QTest::newRow("4800 baud, byte by byte") << 1 << 2083;
        QTest::newRow("2400 baud, byte by byte") << 1 << 4167;
        QTest::newRow("8-byte packets every 10 ms") << 8 << 10000;
        QTest::newRow("32-byte packets every 25 ms") << 32 << 25000;
        // The late byte is the rest of a dropped frame, not the start of a reply 3 glued to the next.
        QTest::newRow("last byte of replies 1 and 3 150 ms late") << 50 << 150000;
    }

    void showsRepliesAGatewayForwards()
    {
        QFETCH(int, piece);
        QFETCH(int, everyUs);
        const bool late = piece == 50;
        Rig rig(Boiler);
        QStringList modes;
        connect(rig.panel->findChild<QLineEdit*>("curentModelineEdit"), &QLineEdit::textChanged,
                [&modes](const QString& text) { modes << text; });
        QVERIFY(rig.open());
        for (int mode : {4, 5, 6, 1}) {
            QByteArray frame = PanelWire::answer(true, mode, 1000, 0);
            frame[50] = '\3'; // alone, the start of a reply 3
            const int polls = rig.polls();
            QTRY_VERIFY_WITH_TIMEOUT(rig.polls() > polls, 5000); // each reply answers a poll
            rig.peer.sendPaced(frame, late && mode % 2 ? frame.size() : piece, everyUs);
            QTRY_VERIFY_WITH_TIMEOUT(!rig.peer.pacing(), 5000);
        }
        QTRY_COMPARE(modes, (late ? QStringList{"Washing", "Initialization"}
                                  : QStringList{"Master", "Washing", "Diagnostic", "Initialization"}));
        QVERIFY(!QTest::qWaitFor([&] { return modes.size() != (late ? 2 : 4); }, 100));
    }
};

QUELLARO_TEST_MAIN(TestPollingCycle)
#include "tst_pollingcycle.moc"
