#include "settings/settings_store.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

// Shows one panel of the program as the menus open it, in the language of the system locale,
// polling the controller at 127.0.0.1:PORT, and after a few answers saves the window as the
// display draws it. "HistoryDialog" is the History window beside the boiler panel, after
// "Boiler On" and a few seconds of heating; "MachinesDialog" the Machines window. "MachineCheckDialog"
// is the Machine check window from the test menu, in the middle of a run of the default check.
int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves a picture of one panel of Quellaro."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("panel"), QStringLiteral("Class name, e.g. TestBoilerDialog."));
    parser.addPositionalArgument(QStringLiteral("port"), QStringLiteral("Controller port on 127.0.0.1."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("PNG file to write."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3)
        parser.showHelp(2);

    SettingsStore::setControllerHost(QStringLiteral("127.0.0.1"));
    SettingsStore::setControllerPort(args[1]);
    Quellaro menu;
    // The Machines window is made when the main menu first opens it.
    if (args[0] == QLatin1String("MachinesDialog"))
        menu.findChild<QPushButton*>(QStringLiteral("showMachinesButton"))->click();
    const bool history = args[0] == QLatin1String("HistoryDialog");
    const bool check = args[0] == QLatin1String("MachineCheckDialog");
    const QString shown = history ? QStringLiteral("TestBoilerDialog")
        : check                   ? QStringLiteral("TestCofeMashineDialog")
                                  : args[0];
    QDialog* panel = nullptr;
    for (QDialog* dialog : menu.findChildren<QDialog*>())
        panel = QLatin1String(dialog->metaObject()->className()) == shown ? dialog : panel;
    if (!panel) {
        qWarning("no panel %s", qPrintable(args[0]));
        return 2;
    }
    panel->show();
    QWidget* pictured = panel;
    if (history) {
        QTimer::singleShot(1000, panel,
                           [panel] { panel->findChild<QPushButton*>(QStringLiteral("BoilerOnButton"))->click(); });
        QTimer::singleShot(4000, panel, [panel, &pictured] {
            panel->findChild<QPushButton*>(QStringLiteral("historyButton"))->click();
            for (QWidget* window : QApplication::topLevelWidgets())
                pictured = window->objectName() == QLatin1String("HistoryDialog") ? window : pictured;
        });
    }
    if (check) {
        panel->findChild<QPushButton*>(QStringLiteral("machineCheckButton"))->click();
        pictured = panel->findChild<QDialog*>(QStringLiteral("MachineCheckDialog"));
        pictured->findChild<QPushButton*>(QStringLiteral("runAllButton"))->click();
    }
    bool saved = false;
    QTimer::singleShot(history     ? 6000
                           : check ? 17000
                                   : 2500,
                       panel, [&] {
                           // The History window as Qt draws it: a new window's place on the screen is not known yet.
                           if (!pictured)
                               return;
                           const QPixmap picture =
                               history || check ? pictured->grab() : pictured->screen()->grabWindow(pictured->winId());
                           saved = picture.save(args[2]);
                           app.quit();
                       });
    app.exec();
    return saved ? 0 : 1;
}
