#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

// Reads standard input line by line without blocking the event loop. At the end of input
// (or when it is /dev/null, as for a program started in the background) it stops listening.
class ConsoleReader : public QObject
{
    Q_OBJECT

public:
    explicit ConsoleReader(QObject* parent = nullptr);

signals:
    void lineRead(const QString& line);

private:
    void readInput();

    // At most this much of a line is kept while it waits for its end.
    static constexpr int MaxLine = 4096;

    QSocketNotifier notifier;
    QByteArray pending;
};
