#include "machines/machine_store.h"

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString CurrentKey = QStringLiteral("/Machines/Current");
const QString Suffix = QStringLiteral(".json");

// Reads the machine file at `path`: false with the reason.
bool readMachineFile(const QString& path, Machine* machine, QString* error)
{
    QFile file(path);
    if (file.size() > qint64(1024) * 1024) {
        *error = QCoreApplication::translate("Machines", "it is too large for a machine file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QCoreApplication::translate("Machines", "it is not JSON: %1 at byte %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return false;
    }
    return Machine::fromJson(document.object(), machine, error);
}

} // namespace

QString MachineStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/machines");
}

MachineStore::MachineStore(QString folder)
    : root(std::move(folder))
{
}

QString MachineStore::machineFolder(const QString& id) const
{
    return root + QLatin1Char('/') + id;
}

QString MachineStore::filePath(const QString& id) const
{
    return root + QLatin1Char('/') + id + Suffix;
}

QVector<Machine> MachineStore::list(QStringList* warnings) const
{
    QVector<Machine> machines;
    const QStringList files = QDir(root).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        Machine machine;
        QString error;
        if (readMachineFile(root + QLatin1Char('/') + name, &machine, &error)) {
            machine.id = name.chopped(Suffix.size());
            machines.append(machine);
        } else if (warnings) {
            warnings->append(QStringLiteral("%1: %2").arg(name, error));
        }
    }
    std::sort(machines.begin(), machines.end(),
              [](const Machine& a, const Machine& b) { return a.name.localeAwareCompare(b.name) < 0; });
    return machines;
}

bool MachineStore::find(const QString& id, Machine* machine) const
{
    QString error;
    if (id.isEmpty() || !readMachineFile(filePath(id), machine, &error))
        return false;
    machine->id = id;
    return true;
}

bool MachineStore::findByName(const QString& name, Machine* machine) const
{
    const QVector<Machine> machines = list();
    const auto found = std::find_if(machines.cbegin(), machines.cend(),
                                    [&name](const Machine& m) { return m.name == name.trimmed(); });
    if (found == machines.cend())
        return false;
    *machine = *found;
    return true;
}

QString MachineStore::nameTakenBy(const Machine& machine) const
{
    const QVector<Machine> machines = list();
    for (const Machine& other : machines) {
        if (other.id != machine.id && other.name.compare(machine.name.trimmed(), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("Machines", "a machine named \"%1\" is there already").arg(other.name);
    }
    return QString();
}

bool MachineStore::write(const Machine& machine, QString* error) const
{
    *error = machine.problem();
    if (error->isEmpty())
        *error = nameTakenBy(machine);
    if (!error->isEmpty())
        return false;
    if (!QDir().mkpath(root)) {
        *error = QCoreApplication::translate("Machines", "the folder %1 cannot be made").arg(root);
        return false;
    }
    Machine kept = machine;
    kept.name = machine.name.trimmed();
    QSaveFile file(filePath(machine.id));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(kept.toJson()).toJson()) < 0 || !file.commit()) {
        *error = QCoreApplication::translate("Machines", "%1 cannot be written: %2")
                     .arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

// The name in letters, digits and dashes, unique among the files and folders here.
QString MachineStore::newId(const QString& name) const
{
    QString base;
    const QString lowered = name.trimmed().toLower();
    for (const QChar c : lowered)
        base += c.isLetterOrNumber() ? c : QLatin1Char('-');
    base = base.left(40);
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base = QStringLiteral("machine");
    QString id = base;
    for (int n = 2; QFileInfo::exists(filePath(id)) || QFileInfo::exists(machineFolder(id)); ++n)
        id = QStringLiteral("%1-%2").arg(base).arg(n);
    return id;
}

bool MachineStore::add(Machine& machine, QString* error)
{
    Machine added = machine;
    added.id = newId(machine.name);
    if (!write(added, error))
        return false;
    machine = added;
    return true;
}

bool MachineStore::save(const Machine& machine, QString* error)
{
    if (!QFileInfo::exists(filePath(machine.id))) {
        *error = QCoreApplication::translate("Machines", "the machine \"%1\" is gone").arg(machine.name);
        return false;
    }
    if (!write(machine, error))
        return false;
    return machine.id != currentId() || choose(machine.id, error);
}

bool MachineStore::duplicate(const QString& id, Machine* copy, QString* error)
{
    Machine machine;
    if (!find(id, &machine)) {
        *error = QCoreApplication::translate("Machines", "the machine file %1 cannot be read").arg(filePath(id));
        return false;
    }
    const QString base = machine.name;
    machine.name = QCoreApplication::translate("Machines", "%1 (copy)").arg(base);
    for (int n = 2; !nameTakenBy(machine).isEmpty(); ++n)
        machine.name = QCoreApplication::translate("Machines", "%1 (copy %2)").arg(base).arg(n);
    if (!add(machine, error))
        return false;
    *copy = machine;
    return true;
}

bool MachineStore::remove(const QString& id, QString* error)
{
    if (!QFile::remove(filePath(id))) {
        *error = QCoreApplication::translate("Machines", "%1 cannot be removed").arg(filePath(id));
        return false;
    }
    QDir(machineFolder(id)).removeRecursively();
    if (QSettings().value(CurrentKey).toString() == id)
        QSettings().remove(CurrentKey);
    return true;
}

bool MachineStore::importFiles(const QStringList& paths, QString* error)
{
    QVector<Machine> read;
    QStringList names;
    for (const QString& path : paths) {
        Machine machine;
        QString why;
        if (!readMachineFile(path, &machine, &why)) {
            *error = QCoreApplication::translate("Machines", "%1 was not imported: %2")
                         .arg(QDir::toNativeSeparators(path), why);
            return false;
        }
        why = nameTakenBy(machine);
        if (why.isEmpty() && names.contains(machine.name, Qt::CaseInsensitive))
            why = QCoreApplication::translate("Machines", "another file imported names \"%1\" too").arg(machine.name);
        if (!why.isEmpty()) {
            *error = QCoreApplication::translate("Machines", "%1 was not imported: %2")
                         .arg(QDir::toNativeSeparators(path), why);
            return false;
        }
        names.append(machine.name);
        read.append(machine);
    }
    for (Machine& machine : read) {
        if (!add(machine, error))
            return false;
    }
    return true;
}

bool MachineStore::exportTo(const QStringList& ids, const QString& folder, QString* error) const
{
    for (const QString& id : ids) {
        Machine machine;
        if (!find(id, &machine)) {
            *error = QCoreApplication::translate("Machines", "the machine file %1 cannot be read").arg(filePath(id));
            return false;
        }
        QSaveFile file(folder + QLatin1Char('/') + id + Suffix);
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(machine.toJson()).toJson()) < 0
            || !file.commit()) {
            *error = QCoreApplication::translate("Machines", "%1 cannot be written: %2")
                         .arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}

QString MachineStore::currentId() const
{
    const QString id = QSettings().value(CurrentKey).toString();
    return !id.isEmpty() && QFileInfo::exists(filePath(id)) ? id : QString();
}

bool MachineStore::current(Machine* machine) const
{
    return find(QSettings().value(CurrentKey).toString(), machine);
}

bool MachineStore::choose(const QString& id, QString* error)
{
    Machine machine;
    if (!find(id, &machine)) {
        *error = QCoreApplication::translate("Machines", "the machine file %1 cannot be read").arg(filePath(id));
        return false;
    }
    QSettings().setValue(CurrentKey, id);
    if (!SettingsStore::setControllerHost(machine.address) || !SettingsStore::setControllerPort(machine.port)) {
        *error = QCoreApplication::translate("Machines", "the settings file %1 cannot be written")
                     .arg(QSettings().fileName());
        return false;
    }
    return true;
}

bool MachineStore::takeStoredAddress(const QString& host, const QString& port, QString* error)
{
    Machine machine;
    if (!current(&machine))
        return true; // no machine chosen: the keys alone hold the address
    machine.address = host;
    machine.port = port;
    return write(machine, error);
}

void MachineStore::migrateStoredAddress()
{
    if (!QSettings().value(CurrentKey).toString().isEmpty()
        || !QDir(root).entryList({QStringLiteral("*.json")}, QDir::Files).isEmpty())
        return;
    Machine machine;
    machine.name = QCoreApplication::translate("Machines", "Machine 1");
    machine.address = SettingsStore::controllerHost();
    machine.port = SettingsStore::controllerPort();
    QString error;
    if (add(machine, &error))
        QSettings().setValue(CurrentKey, machine.id);
}
