#include "machines/machine.h"

#include "settings/controller_address.h"

#include <QCoreApplication>

bool Machine::operator==(const Machine& other) const
{
    return id == other.id && name == other.name && site == other.site && serial == other.serial && notes == other.notes
        && address == other.address && port == other.port;
}

QJsonObject Machine::toJson() const
{
    return QJsonObject{{QStringLiteral("format"), MachineFileFormat},
                       {QStringLiteral("version"), 1},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("site"), site},
                       {QStringLiteral("serial"), serial},
                       {QStringLiteral("notes"), notes},
                       {QStringLiteral("address"), address},
                       {QStringLiteral("port"), port.toInt()}};
}

bool Machine::fromJson(const QJsonObject& object, Machine* machine, QString* error)
{
    if (object.value(QStringLiteral("format")).toString() != MachineFileFormat) {
        *error = QCoreApplication::translate("Machines", "it is not a machine file");
        return false;
    }
    if (object.value(QStringLiteral("version")).toInt() != 1) {
        *error = QCoreApplication::translate("Machines", "its version %1 is not known")
                     .arg(object.value(QStringLiteral("version")).toVariant().toString());
        return false;
    }
    Machine read;
    read.name = object.value(QStringLiteral("name")).toString().trimmed();
    read.site = object.value(QStringLiteral("site")).toString();
    read.serial = object.value(QStringLiteral("serial")).toString();
    read.notes = object.value(QStringLiteral("notes")).toString();
    read.address = object.value(QStringLiteral("address")).toString();
    const QJsonValue port = object.value(QStringLiteral("port"));
    read.port = port.isDouble() ? QString::number(port.toDouble(), 'f', 0) : port.toString();
    *error = read.problem();
    if (!error->isEmpty())
        return false;
    *machine = read;
    return true;
}

QString Machine::problem() const
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("Machines", "the machine has no name");
    if (!isUsableHost(address))
        return QCoreApplication::translate("Machines", "the address \"%1\" cannot be used").arg(address);
    if (portFromText(port) == 0)
        return QCoreApplication::translate("Machines", "the port \"%1\" is not a number from 1 to 65535").arg(port);
    return QString();
}
