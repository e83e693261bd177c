#include "simulator/console_reader.h"

#include <QString>

#include <cerrno>
#include <unistd.h>

ConsoleReader::ConsoleReader(QObject* parent)
    : QObject(parent)
    , notifier(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&notifier, &QSocketNotifier::activated, this, &ConsoleReader::readInput);
}

void ConsoleReader::readInput()
{
    char buffer[1024];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got <= 0) {
        notifier.setEnabled(false);
        if (!pending.isEmpty())
            emit lineRead(QString::fromLocal8Bit(pending));
        pending.clear();
        return;
    }
    pending.append(buffer, int(got));
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        emit lineRead(QString::fromLocal8Bit(pending.left(end)).trimmed());
        pending.remove(0, end + 1);
    }
    if (pending.size() > MaxLine)
        pending.truncate(MaxLine);
}
