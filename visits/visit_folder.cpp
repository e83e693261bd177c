#include "visits/visit_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace VisitFolder {

namespace {

// A visit folder's name: the local time it began, which sorts as it should.
const QRegularExpression& visitName()
{
    static const QRegularExpression name(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?$"));
    return name;
}

QString dateText(const QDateTime& time)
{
    return time.isValid() ? time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs) : QString();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

bool readInfo(const QString& folder, Info* info)
{
    QFile file(folder + QLatin1Char('/') + InfoFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    if (o.isEmpty())
        return false;
    info->machineName = o.value(QStringLiteral("machine")).toString();
    info->site = o.value(QStringLiteral("site")).toString();
    info->serial = o.value(QStringLiteral("serial")).toString();
    info->address = o.value(QStringLiteral("address")).toString();
    info->port = o.value(QStringLiteral("port")).toString();
    info->begin = QDateTime::fromString(o.value(QStringLiteral("begin")).toString(), Qt::ISODateWithMs);
    info->end = QDateTime::fromString(o.value(QStringLiteral("end")).toString(), Qt::ISODateWithMs);
    info->version = o.value(QStringLiteral("version")).toString();
    info->outcome = o.value(QStringLiteral("outcome")).toString();
    return true;
}

bool writeInfo(const QString& folder, const Info& info)
{
    const QJsonObject o{{QStringLiteral("machine"), info.machineName}, {QStringLiteral("site"), info.site},
                        {QStringLiteral("serial"), info.serial},       {QStringLiteral("address"), info.address},
                        {QStringLiteral("port"), info.port},           {QStringLiteral("begin"), dateText(info.begin)},
                        {QStringLiteral("end"), dateText(info.end)},   {QStringLiteral("version"), info.version},
                        {QStringLiteral("outcome"), info.outcome}};
    return writeBytes(folder + QLatin1Char('/') + InfoFile, QJsonDocument(o).toJson());
}

QString outcomeText(const QString& outcome)
{
    if (outcome == QLatin1String("ok"))
        return QCoreApplication::translate("Visits", "No errors");
    if (outcome == QLatin1String("errors"))
        return QCoreApplication::translate("Visits", "Errors seen");
    if (outcome == QLatin1String("no-connection"))
        return QCoreApplication::translate("Visits", "No connection");
    return QCoreApplication::translate("Visits", "Not finished");
}

QString note(const QString& folder)
{
    QFile file(folder + QLatin1Char('/') + NoteFile);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool setNote(const QString& folder, const QString& note)
{
    return writeBytes(folder + QLatin1Char('/') + NoteFile, note.toUtf8());
}

QStringList visits(const QString& machineFolder)
{
    QStringList found;
    const QStringList names =
        QDir(machineFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& name : names) {
        if (visitName().match(name).hasMatch())
            found.append(machineFolder + QLatin1Char('/') + name);
    }
    return found;
}

QVector<QPair<QString, QString>> recipesSaves(const QString& folder)
{
    QVector<QPair<QString, QString>> saves;
    const QDir dir(folder);
    const QStringList befores = dir.entryList({QStringLiteral("recipes-*-before.xml")}, QDir::Files, QDir::Name);
    for (const QString& before : befores) {
        QString after = before;
        after.replace(QStringLiteral("-before.xml"), QStringLiteral("-after.xml"));
        if (dir.exists(after))
            saves.append({dir.filePath(before), dir.filePath(after)});
    }
    return saves;
}

QString nextRecipesFile(const QString& folder, bool before)
{
    const QDir dir(folder);
    int number = dir.entryList({QStringLiteral("recipes-*-before.xml")}, QDir::Files).size();
    if (before)
        ++number;
    return dir.filePath(QStringLiteral("recipes-%1-%2.xml")
                            .arg(number, 3, 10, QLatin1Char('0'))
                            .arg(before ? QStringLiteral("before") : QStringLiteral("after")));
}

namespace {

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

// Every visit folder of every machine, the oldest first, with its size.
QVector<QPair<QString, qint64>> allVisits(const QString& machinesRoot)
{
    QVector<QPair<QString, qint64>> all;
    const QStringList machines = QDir(machinesRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& machine : machines) {
        const QStringList folders = visits(machinesRoot + QLatin1Char('/') + machine);
        for (const QString& folder : folders)
            all.append({folder, folderBytes(folder)});
    }
    std::sort(all.begin(), all.end(), [](const QPair<QString, qint64>& a, const QPair<QString, qint64>& b) {
        return QFileInfo(a.first).fileName() < QFileInfo(b.first).fileName();
    });
    return all;
}

} // namespace

qint64 usedBytes(const QString& machinesRoot)
{
    qint64 bytes = 0;
    const auto all = allVisits(machinesRoot);
    for (const auto& visit : all)
        bytes += visit.second;
    return bytes;
}

int keepWithin(const QString& machinesRoot, qint64 limitBytes, const QString& keep)
{
    const auto all = allVisits(machinesRoot);
    qint64 used = 0;
    for (const auto& visit : all)
        used += visit.second;
    int removed = 0;
    for (const auto& visit : all) {
        if (used <= limitBytes)
            break;
        if (QFileInfo(visit.first) == QFileInfo(keep))
            continue;
        if (QDir(visit.first).removeRecursively()) {
            used -= visit.second;
            ++removed;
        }
    }
    return removed;
}

} // namespace VisitFolder
