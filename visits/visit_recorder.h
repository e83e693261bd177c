#pragma once

#include <QString>

class MachineStore;

// The visit under way: it begins at the first line of the link trace (the first connection)
// or the first recipes Save with a machine chosen, and ends when another machine is chosen or
// the program quits. From its beginning every line of the link trace is appended to the
// visit's trace.txt, unbuffered, so that a killed program leaves all but the line being written.
// The link trace is on while the recorder is installed; a --trace file, or the environment's
// logging rules, still get the lines as before. One recorder per program.
namespace VisitRecorder {

// The visits' size limit when none is set: 1 GB.
inline constexpr qint64 DefaultLimitMb = 1024;
qint64 limitMb();
void setLimitMb(qint64 megabytes);

// Starts recording the visits of the machines of `store`, which must outlive the recording.
void install(MachineStore* store);
// Ends the visit under way: its end, outcome and history.csv are written.
void endVisit();
// The visit under way's folder; empty when none.
QString currentFolder();
// The note to the visit under way; written with the visit when none is under way yet.
void setNote(const QString& note);
QString note();
// Keeps the recipes file at `path` in the visit, before and after a Save.
void keepRecipes(const QString& path, bool before);
// Keeps a machine check's results (a JSON document) in the visit, as check-<time>.json.
void keepCheckResults(const QByteArray& json);

} // namespace VisitRecorder
