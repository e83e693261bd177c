#include "shell/high_dpi.h"
#include "shell/quellaro.h"
#include "shell/translation_loader.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // The check box images are compiled into the static core library; make sure the
    // linker keeps them.
    Q_INIT_RESOURCE(images);

    enableHighDpi();
    QApplication app(argc, argv);
    QTranslator translator;
    prepareApplication(translator);

    Quellaro menu(nullptr);
    menu.show();
    return app.exec();
}
