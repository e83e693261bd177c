#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and writing for the recipes file, with the reason of a failure in words.

// Reads the whole file at `path` into `contents`. On failure returns false and sets `reason`.
bool readWholeFile(const QString& path, QByteArray* contents, QString* reason);

// Replaces the file at `path` by `contents` at once: either the new file is complete on disk,
// or the old file, if any, is left exactly as it was. On failure returns false and sets `reason`.
bool saveFileAtomically(const QString& path, const QByteArray& contents, QString* reason);
