#pragma once

class QString;

// Turns the link trace (category "quellaro.link") on and appends each of its lines to the
// file at `path`, flushed at once, so that a crash keeps everything written before it. Other
// messages go on to the handler installed before. When the file cannot be opened for
// appending, says so on standard error and returns false.
bool startLinkTraceFile(const QString& path);
