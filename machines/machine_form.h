#pragma once

#include "machines/machine.h"

#include <QDialog>

class MachineStore;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Adds a machine, or edits one: its name, site, serial number, notes, address and port.
// Save keeps it in the store and closes; a name, address or port the store refuses is said
// on the line "problemLabel" and the form stays open.
class MachineForm : public QDialog
{
    Q_OBJECT

public:
    // A machine without an id is added.
    MachineForm(MachineStore* store, const Machine& machine, QWidget* parent = nullptr);

    const Machine& machine() const { return edited; }

private:
    void save();
    QLineEdit* addField(class QFormLayout* form, const char* name, const QString& label, const QString& text);

    MachineStore* store;
    Machine edited;
    QLineEdit* nameEdit;
    QLineEdit* siteEdit;
    QLineEdit* serialEdit;
    QLineEdit* addressEdit;
    QLineEdit* portEdit;
    QPlainTextEdit* notesEdit;
    QLabel* problemLabel;
};
