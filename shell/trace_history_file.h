#pragma once

#include <QString>

class HistoryModel;

// Reads the trace file at `path` into `history`. False, with `error` set ("FILE, line 3: ..."),
// when the file cannot be read or is no trace; warnings (a cut last line) go to standard error.
bool readTraceHistoryFile(const QString& path, HistoryModel& history, QString* error);
