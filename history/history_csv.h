#pragma once

#include "history/history_event.h"


class HistoryModel;
class QIODevice;

// The history as CSV: UTF-8 with a byte-order mark, the header "time,link,kind,code,value,text",
// fields quoted as RFC 4180 says (lines end in CRLF). An input or output goes by its name, its
// value 1 or 0; a text that begins with = + - @, a tab or a carriage return gets a leading
// apostrophe, so that no spreadsheet runs it as a formula.
namespace HistoryCsv {

// Writes the events of the groups in `groups`, a set of bits 1 << HistoryGroup (all when 0).
// False when a write failed.
bool write(const HistoryModel& model, QIODevice& device, int groups = 0);

} // namespace HistoryCsv
