// A program in the middle of a visit, for the test that kills it: chooses the machine named
// on its command line, records the visit and writes a link trace line every 10 ms, telling
// each line's number on standard output once it is written.
#include "link/link_trace.h"
#include "machines/machine_store.h"
#include "settings/settings_store.h"
#include "visits/visit_recorder.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SettingsStore::setApplicationNames();
    MachineStore machines;
    Machine machine;
    QString error;
    if (argc < 2 || !machines.findByName(QString::fromUtf8(argv[1]), &machine) || !machines.choose(machine.id, &error))
        return 1;
    VisitRecorder::install(&machines);
    int number = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&number] {
        ++number;
        LinkTrace::write([number] {
            LinkTrace::Line line;
            line.time = LinkTrace::now();
            line.link = 1;
            line.event = LinkTrace::Event::Request;
            line.peer = QStringLiteral("127.0.0.1:2050");
            line.bytes = QByteArray::number(number);
            return line;
        });
        std::printf("%d\n", number);
        std::fflush(stdout);
    });
    timer.start(10);
    return QCoreApplication::exec();
}
