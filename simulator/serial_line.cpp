#include "simulator/serial_line.h"

void SerialLine::setPace(int baud, int packetBytes)
{
    byteNs = qint64(10) * 1000 * 1000 * 1000 / qMax(1, baud);
    packet = qMax(1, packetBytes);
}

void SerialLine::put(const QByteArray& more, qint64 nowNs)
{
    if (size() == 0) {
        clear();
        runStart = nowNs;
    }
    bytes += more;
}

QByteArrayList SerialLine::takeArrived(qint64 nowNs)
{
    QByteArrayList arrived;
    while (size() > 0 && nextArrivalNs() <= nowNs) {
        const int count = nextPacketSize();
        arrived << bytes.mid(head, count);
        head += count;
        forwarded += count;
    }
    // Forwarded bytes are dropped in one go once they are the larger part, so that a long run
    // costs no more than its length.
    if (head > bytes.size() / 2) {
        bytes.remove(0, head);
        head = 0;
    }
    return arrived;
}

qint64 SerialLine::nextArrivalNs() const
{
    return arrivalNs(forwarded + nextPacketSize());
}

void SerialLine::clear()
{
    bytes.clear();
    head = 0;
    forwarded = 0;
}
