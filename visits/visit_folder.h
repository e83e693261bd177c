#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// What a visit keeps, a folder "<yyyyMMdd-hhmmss>" in its machine's folder:
//
//   visit.json                the machine as it was (name, site, serial, address, port), when
//                             the visit began and ended, the program's version, the outcome
//   trace.txt                 the link trace of the whole visit, a line written at once
//   history.csv               its history as CSV, written when the visit ends
//   note.txt                  the technician's note (UTF-8)
//   recipes-NNN-before.xml    the recipes file before and after the NNN-th Save, from 001
//   recipes-NNN-after.xml
//   check-*.json              the results of machine checks: JSON objects, see the README
//
// A visit whose program was killed has no end in visit.json; its trace tells how far it got.
namespace VisitFolder {

inline const QString InfoFile = QStringLiteral("visit.json");
inline const QString TraceFile = QStringLiteral("trace.txt");
inline const QString HistoryFile = QStringLiteral("history.csv");
inline const QString NoteFile = QStringLiteral("note.txt");
inline const QString CheckFilePattern = QStringLiteral("check-*.json");

struct Info
{
    QString machineName, site, serial, address, port;
    QDateTime begin, end; // end invalid while the visit lasts or when its program was killed
    QString version;
    QString outcome; // "ok", "errors", "no-connection"; empty until the visit ends
};

bool readInfo(const QString& folder, Info* info);
bool writeInfo(const QString& folder, const Info& info);
// The outcome in words, in the program's language: "No errors", "Errors seen", ...
QString outcomeText(const QString& outcome);

QString note(const QString& folder);
bool setNote(const QString& folder, const QString& note);

// The visit folders in `machineFolder`, the latest first.
QStringList visits(const QString& machineFolder);
// The pairs of recipes files kept: for each Save its "before" and "after" paths.
QVector<QPair<QString, QString>> recipesSaves(const QString& folder);
// "recipes-NNN-before.xml" or "-after.xml" for the next Save of the visit.
QString nextRecipesFile(const QString& folder, bool before);

// Bytes used by all visit folders under `machinesRoot`.
qint64 usedBytes(const QString& machinesRoot);
// Removes the oldest visit folders under `machinesRoot`, whatever their machine, until they
// use at most `limitBytes`; the folder `keep` (the visit under way) stays. Returns how many went.
int keepWithin(const QString& machinesRoot, qint64 limitBytes, const QString& keep);

} // namespace VisitFolder
