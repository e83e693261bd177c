#pragma once

#include <QByteArray>
#include <QByteArrayList>

// The pace of replies that cross a serial line at `baud` (10 bits a byte: start, 8 data, stop)
// to a serial-to-Ethernet gateway, which forwards them in packets of `packetBytes` bytes, each
// as soon as its last byte has arrived. A run of bytes put on an idle line starts crossing at
// once; bytes put while it is busy follow the run. No clock of its own: the caller passes the
// time in nanoseconds.
class SerialLine
{
public:
    void setPace(int baud, int packetBytes);
    void put(const QByteArray& bytes, qint64 nowNs);
    // The packets that have arrived by `nowNs`, in order, taken off the line.
    QByteArrayList takeArrived(qint64 nowNs);
    // When the next packet will have arrived; meaningless while the line is empty.
    qint64 nextArrivalNs() const;
    // Bytes on the line, not yet forwarded.
    int size() const { return int(bytes.size() - head); }
    void clear();

private:
    int nextPacketSize() const { return qMin(packet, size()); }
    qint64 arrivalNs(qint64 count) const { return runStart + count * byteNs; }

    QByteArray bytes;
    int head = 0;         // bytes before it are forwarded
    qint64 runStart = 0;  // when the current run started crossing
    qint64 forwarded = 0; // bytes of the run forwarded so far
    qint64 byteNs = 1;
    int packet = 1;
};
