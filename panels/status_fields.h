#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The three status fields of a panel's form (curentModelineEdit, curentStatelineEdit,
// curentErrorlineEdit) and a word-wrapped line under them, statusFullTextLabel, that shows
// every text a field is too narrow for. The fields are disabled, so they can neither be
// scrolled nor show a tooltip: each shows the beginning of its text, and the line the whole.
class StatusFields
{
public:
    // Styles the panel's fields and puts the line, hidden, into the panel's column just below
    // the row that holds them.
    explicit StatusFields(QWidget* panel);

    void show(const QString& mode, const QString& state, const QString& error);
    // Old values look different from live ones and stay as legible: grey italics at 6:1.
    void setStale(bool stale);

private:
    QWidget* const owner;
    QLineEdit* fields[3] = {};
    QLabel* fullTextLabel = nullptr;
    QString shown[3]; // the texts last shown, so that a repeated answer costs nothing
    bool stale = false;
};
