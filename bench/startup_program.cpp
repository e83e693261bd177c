// Quellaro's start-up as main() does it, ending as soon as the main menu has been painted.
#include "bench/quit_when_shown.h"
#include "machines/machine_store.h"
#include "shell/high_dpi.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"
#include "visits/visit_recorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(images);

    enableHighDpi();
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    MachineStore machines;
    machines.migrateStoredAddress();
    VisitRecorder::install(&machines);

    // How much of the start-up the menu's constructor takes, with the dialogs it makes.
    QElapsedTimer construction;
    construction.start();
    Quellaro menu(nullptr);
    std::printf("menu_ns %lld\n", static_cast<long long>(construction.nsecsElapsed()));
    QuitWhenShown quit(&menu);
    menu.show();
    return app.exec();
}
