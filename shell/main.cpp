#include "shell/command_line.h"
#include "shell/high_dpi.h"
#include "shell/link_trace_file.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // The check box images are compiled into the static core library; make sure the
    // linker keeps them.
    Q_INIT_RESOURCE(images);

    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitNow)
        return commandLine.exitCode;

    enableHighDpi();
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);
    if (!commandLine.traceFile.isEmpty() && !startLinkTraceFile(commandLine.traceFile))
        return 1;

    Quellaro menu(nullptr);
    menu.show();
    return app.exec();
}
