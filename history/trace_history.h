#pragma once

#include "link/link_trace.h"

class HistoryRecorder;
class QIODevice;

// Reads a link trace into a history: each run and connection of the file, its raw reads put
// together and decoded by the program's own frame reading, so that the history says what
// the panel was shown.
namespace TraceHistory {

LinkTrace::ReadResult read(QIODevice& device, HistoryRecorder& recorder);

} // namespace TraceHistory
