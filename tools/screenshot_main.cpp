#include "settings/settings_store.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

// Shows one panel of the program as the menus open it, in the language of the system locale,
// polling the controller at 127.0.0.1:PORT, and after a few answers saves the window as the
// display draws it.
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
    QDialog* panel = nullptr;
    for (QDialog* dialog : menu.findChildren<QDialog*>())
        panel = QLatin1String(dialog->metaObject()->className()) == args[0] ? dialog : panel;
    if (!panel) {
        qWarning("no panel %s", qPrintable(args[0]));
        return 2;
    }
    panel->show();
    bool saved = false;
    QTimer::singleShot(2500, panel, [&] {
        saved = panel->screen()->grabWindow(panel->winId()).save(args[2]);
        app.quit();
    });
    app.exec();
    return saved ? 0 : 1;
}
