#pragma once

#include "recipes/recept.h"
#include "recipes/receptsdocument.h"
#include "shell/closingdialog.h"

#include <QString>

#include <vector>

class QCloseEvent;
class QShowEvent;
class ReceptForm;

namespace Ui {
class ReceptsDialog;
}

// Edits all recipes of the recipes file, one tab per recipe. Every showing reads the file
// afresh; Save writes the file as read with only the values edited in the tabs changed (the
// line "keptLabel" counts what the file holds beyond the forms' fields). A file that
// cannot be read is reported, no recipes are shown and Save is refused until a later showing
// reads it, so that it is never overwritten with fewer recipes than it holds. A file changed
// by another program since the showing is overwritten only when the user says so. A failed
// save is reported and keeps the dialog open with the edits. Messages are window-modal boxes
// that never block the caller; their object names are "readWarning", "saveWarning",
// "overwriteQuestion", "tooLargeWarning" and "discardQuestion". Closing with
// edits (Escape, Cancel, the window's close button) asks first. The path of the file edited
// stands under the tabs ("pathLabel").
class ReceptsDialog : public ClosingDialog
{
    Q_OBJECT

public:
    explicit ReceptsDialog(QWidget* parent = nullptr);
    ~ReceptsDialog() override;

    // The last failure reported by a read or a save, empty when it went well.
    QString lastError() const;

    // Writes the file from the tabs; false (and reported) when the file was not replaced.
    // Writes even over a file that another program has changed since the showing.
    bool SaveReceptsToFile();
    // Shows one tab per record of `recepts` and makes the first one current. A tab's form is
    // built from its record when the tab is first shown; the forms built earlier are refilled.
    void createReceptsTabs();

protected slots:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void ReadReceptsFromFile();

signals:
    // Around each write of the recipes file at `path`: so that it can be kept before and after.
    void aboutToSave(const QString& path);
    void saved(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_saveButton_clicked();
    void on_cancelButton_clicked();
    void showReadWarning();

private:
    // The records to save: each from its form where one was built, from `recepts` otherwise.
    std::vector<Recept> receptsForSaving() const;
    static void fillForm(ReceptForm* form, const Recept& recept);
    // The form on tab `index`, nullptr while the tab has not been shown.
    ReceptForm* formOnTab(int index) const;
    void buildFormOnTab(int index);
    // " Recept 2", and which ID it shares when other recipes have the same.
    QString tabTitle(int i) const;
    void refuseSave(const QString& reason);
    void showKeptCount();
    QByteArray fileHash() const;
    void saveAndClose();
    void fitToScreen();
    // How many recipes differ from those read.
    int editedReceptCount() const;
    // "Discard your changes to 2 recipes?", empty without edits.
    QString discardQuestion() const;
    void showFilePath();
    // Refuses a file larger than the program reads; false when `bytes` fit.
    bool refuseTooLarge(const QByteArray& bytes);

    Ui::ReceptsDialog* ui;
    QString receptsFilePath;
    QString error;
    ReceptsDocument document; // the file shown, as read
    QByteArray shownHash; // of the file's bytes at the showing; empty when it was not read
    bool fileRead = false;       // the file shown was read: Save may replace it
};
