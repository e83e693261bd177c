#pragma once

#include "machines/machine.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The machines of the route: one file "<id>.json" each in the folder "machines" of the
// program's data folder, and beside each file a folder "<id>" for what is kept of its visits.
// The machine chosen is remembered in the settings (/Machines/Current) and its address and
// port are written into the stored controller keys, which the link reads when it connects.
// Every change is written at once (QSaveFile); a change that cannot be made says why.
class MachineStore
{
public:
    // "<AppDataLocation>/machines"
    static QString defaultFolder();

    explicit MachineStore(QString folder = defaultFolder());

    QString folder() const { return root; }
    // The folder kept for machine `id`'s visits.
    QString machineFolder(const QString& id) const;

    // Every machine file that reads, by name; `warnings` gets one line per file that does not.
    QVector<Machine> list(QStringList* warnings = nullptr) const;
    bool find(const QString& id, Machine* machine) const;
    bool findByName(const QString& name, Machine* machine) const;

    // Adds `machine` under a new id (set in `machine`). False, with the reason, for a machine
    // without a name, with the name of another, or with an address or port that cannot be used.
    bool add(Machine& machine, QString* error);
    // Writes an existing machine again; the chosen one's address goes into the stored keys too.
    bool save(const Machine& machine, QString* error);
    // Adds a copy of machine `id` named "NAME (copy)", "NAME (copy 2)", ...
    bool duplicate(const QString& id, Machine* copy, QString* error);
    // Removes machine `id` with the folder of its visits.
    bool remove(const QString& id, QString* error);

    // Adds the machines of the files at `paths`, all or none: a file that cannot be read, is no
    // machine file or names a machine already here refuses the import with its reason.
    bool importFiles(const QStringList& paths, QString* error);
    // Writes the machines `ids` into `folder`, a file "<id>.json" each.
    bool exportTo(const QStringList& ids, const QString& folder, QString* error) const;

    // The chosen machine's id, or empty when none is chosen or its file is gone.
    QString currentId() const;
    bool current(Machine* machine) const;
    // Remembers machine `id` as chosen and writes its address and port into the stored keys.
    bool choose(const QString& id, QString* error);
    // The settings dialog saved `host` and `port`: they become the chosen machine's.
    bool takeStoredAddress(const QString& host, const QString& port, QString* error);

    // On the first start with no machine at all, makes one ("Machine 1") from the stored
    // address and port and chooses it, so that an existing setup goes on working.
    // Later starts read nothing but the chosen machine's file.
    void migrateStoredAddress();

private:
    QString filePath(const QString& id) const;
    bool write(const Machine& machine, QString* error) const;
    QString newId(const QString& name) const;
    QString nameTakenBy(const Machine& machine) const;

    QString root;
};
