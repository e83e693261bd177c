// The benchmark's baseline: a bare Qt Widgets program that shows one dialog with five buttons
// in the main menu's style, and quits as soon as it has been painted. It loads the Qt libraries
// that the program loads, Network and Xml too: what loading them costs is Qt's own.
#include "bench/quit_when_shown.h"
#include "shell/style_sheets.h"

#include <QApplication>
#include <QDialog>
#include <QDomDocument>
#include <QHostAddress>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QHostAddress controller(QHostAddress::LocalHost);
    const QDomDocument recipes;
    QDialog dialog;
    dialog.resize(1030, 625);
    auto* layout = new QVBoxLayout(&dialog);
    for (const char* text : {"Modes", "Settings", "Tests", "Recepts", "Quit"}) {
        auto* button = new QPushButton(QString::fromLatin1(text), &dialog);
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        button->setStyleSheet(styleSheet(Style::MenuButton));
        layout->addWidget(button);
    }
    QuitWhenShown quit(&dialog);
    dialog.show();
    return app.exec();
}
