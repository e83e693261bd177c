#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and writing for the recipes file, with the reason of a failure in words.

// Reads the whole file at `path` into `contents`. Only a regular file of at most `maxBytes`
// bytes is read: anything else (a FIFO, a device, a folder) is refused without being opened,
// as is a larger file. On failure returns false and sets `reason`.
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* contents, QString* reason);

// Replaces the file at `path` by `contents` at once: either the new file is complete on disk,
// or the old file, if any, is left exactly as it was. The new file gets the old one's owner,
// group and permission bits, as far as the user may set them. Other hard links of the old
// file keep its old contents. When the folder cannot be written but the file can, the file
// is written in place instead, which a failure can leave cut short.
// On failure returns false and sets `reason`.
bool saveFileAtomically(const QString& path, const QByteArray& contents, QString* reason);
