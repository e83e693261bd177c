#pragma once

#include <QJsonObject>
#include <QString>

// A machine on the technician's route: what the Machines window lists and the link connects to.
// Kept as one small JSON file, so that a route moves between computers as a folder of files.
struct Machine
{
    QString id;   // the file's name without ".json"; kept when the machine is renamed
    QString name; // required, unique among the machines
    QString site;
    QString serial;
    QString notes;
    QString address; // the controller's address as typed: a dotted address, host name or IPv6
    QString port = QStringLiteral("2050");

    bool operator==(const Machine& other) const;
    bool operator!=(const Machine& other) const { return !(*this == other); }

    QJsonObject toJson() const;
    // Reads a machine file's object. False, with the reason, for a file that is no machine: the
    // wrong format, a name missing, an address or port that cannot be used.
    static bool fromJson(const QJsonObject& object, Machine* machine, QString* error);
    // Why a machine cannot be kept as it is, or empty: its name, address or port.
    QString problem() const;
};

// The format name the machine files carry, so that any other JSON file is refused on import.
inline const QString MachineFileFormat = QStringLiteral("quellaro-machine");
