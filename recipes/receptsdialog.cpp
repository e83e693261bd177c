#include "recipes/receptsdialog.h"

#include "recipes/fileaccess.h"
#include "recipes/receptform.h"
#include "recipes/receptsfile.h"
#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_receptsdialog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QShowEvent>
#include <QTabBar>

namespace {

void showWarningBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

ReceptsDialog::WarningHandler warningHandler = showWarningBox;

} // namespace

ReceptsDialog::ReceptsDialog(QWidget* parent)
    : ClosingDialog(parent)
    , ui(new Ui::ReceptsDialog)
{
    ui->setupUi(this);
    applyStyle(Style::PanelButton, {ui->saveButton, ui->cancelButton});

    receptsFilePath = SettingsStore::receptsFilePath();
}

ReceptsDialog::~ReceptsDialog()
{
    delete ui;
}

void ReceptsDialog::setWarningHandler(WarningHandler handler)
{
    warningHandler = handler ? handler : showWarningBox;
}

QString ReceptsDialog::lastError() const
{
    return error;
}

void ReceptsDialog::showEvent(QShowEvent* event)
{
    ReadReceptsFromFile();
    ClosingDialog::showEvent(event);
}

void ReceptsDialog::closeEvent(QCloseEvent* event)
{
    showParentWidget();
    ClosingDialog::closeEvent(event);
}

void ReceptsDialog::ReadReceptsFromFile()
{
    recepts.clear();
    error.clear();
    ui->saveButton->setEnabled(true);

    // No file yet is the ordinary first start: nothing to show, nothing to lose.
    if (!QFileInfo::exists(receptsFilePath))
        return;

    QByteArray contents;
    QString reason;
    if (!readWholeFile(receptsFilePath, &contents, &reason)) {
        refuseSave(reason);
        return;
    }
    std::vector<Recept> records;
    ReceptsFileError fileError;
    if (!parseReceptsFile(contents, records, &fileError)) {
        QString what = fileError.message;
        if (fileError.kind == ReceptsFileError::Kind::TooDeep)
            what = tr("The elements are nested deeper than %1 levels.").arg(MaxReceptsFileDepth);
        else if (fileError.kind == ReceptsFileError::Kind::Entities)
            what = tr("The file declares entities, which a recipes file never does.");
        refuseSave(tr("%1 (line %2, column %3)")
                       .arg(what, QString::number(fileError.line), QString::number(fileError.column)));
        return;
    }
    recepts = std::move(records);
    createReceptsTabs();
}

void ReceptsDialog::refuseSave(const QString& reason)
{
    ui->saveButton->setEnabled(false);
    error = tr("The recipes file %1 cannot be read: %2").arg(receptsFilePath, reason) + QStringLiteral("\n\n")
        + tr("Saving is disabled until the file can be read.");
    // Shown once the dialog is on screen, not from inside its show event.
    QMetaObject::invokeMethod(this, "showReadWarning", Qt::QueuedConnection);
}

void ReceptsDialog::showReadWarning()
{
    if (isVisible() && !error.isEmpty())
        warningHandler(this, tr("Recepts"), error);
}

void ReceptsDialog::traverseNode(const QDomNode& node)
{
    traverseReceptNodes(node, recepts);
}

void ReceptsDialog::createReceptsTabs()
{
    QTabWidget* tabs = ui->tabWidget;
    const int wanted = int(recepts.size());

    // Forms that no recipe needs any more are deleted at once, from the back: taking away the
    // current first page would make the tab widget switch through every page behind it.
    while (tabs->count() > wanted) {
        const int last = tabs->count() - 1;
        QWidget* page = tabs->widget(last);
        tabs->removeTab(last);
        delete page;
    }

    // The forms that stay are filled afresh, every field of them, so they show exactly what a
    // new form would. Reusing them keeps a showing fast, and keeps Qt's style sheet cache,
    // which never forgets a destroyed spin box, from growing with every showing.
    // A visible tab bar lays all its tabs out again for every tab added or renamed; hidden,
    // it does so once when shown again.
    QWidget* tabBar = tabs->tabBar();
    const bool tabBarShown = !tabBar->isHidden();
    tabBar->hide();
    for (int i = 0; i < wanted; ++i) {
        const QString title = QObject::tr(" Recept ") + QString::number(i + 1);
        auto* form = i < tabs->count() ? qobject_cast<ReceptForm*>(tabs->widget(i)) : nullptr;
        if (!form) {
            form = new ReceptForm;
            tabs->addTab(form, title);
        } else if (tabs->tabText(i) != title) {
            tabs->setTabText(i, title);
        }
        fillForm(form, recepts[static_cast<size_t>(i)]);
    }
    tabBar->setVisible(tabBarShown);
    if (tabs->count() > 0)
        tabs->setCurrentIndex(0);
}

void ReceptsDialog::fillForm(ReceptForm* form, const Recept& recept)
{
    form->setShortName(recept.shortName);
    form->setFullName(recept.fullName);
    form->setSugarRashod(recept.sugarRashod);
    form->setWaterRashod(recept.waterRashod);
    for (int k = 0; k < Recept::SlotCount; ++k) {
        const auto slot = static_cast<size_t>(k);
        form->setComponent(k, recept.component[slot]);
        form->setIngridientRashod(k, recept.ingridientRashod[slot]);
        form->setIngridientWater(k, recept.ingridientWater[slot]);
    }
}

std::vector<Recept> ReceptsDialog::receptsFromTabs() const
{
    std::vector<Recept> records;
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        const auto* form = qobject_cast<const ReceptForm*>(ui->tabWidget->widget(i));
        if (!form)
            continue;
        Recept recept;
        recept.shortName = form->getShortName();
        recept.fullName = form->getFullName();
        recept.sugarRashod = form->getSugarRashod();
        recept.waterRashod = form->getWaterRashod();
        for (int k = 0; k < Recept::SlotCount; ++k) {
            const auto slot = static_cast<size_t>(k);
            recept.component[slot] = form->getComponent(k);
            recept.ingridientRashod[slot] = form->getIngridient(k);
            recept.ingridientWater[slot] = form->getIngridientWater(k);
        }
        records.push_back(recept);
    }
    return records;
}

bool ReceptsDialog::SaveReceptsToFile()
{
    if (!ui->saveButton->isEnabled())
        return false; // the file on disk could not be read: never overwrite it
    error.clear();
    QString reason;
    if (!saveFileAtomically(receptsFilePath, receptsFileBytes(receptsFromTabs()), &reason)) {
        error = tr("The recipes could not be saved to %1: %2").arg(receptsFilePath, reason);
        warningHandler(this, tr("Recepts"), error);
        return false;
    }
    return true;
}

void ReceptsDialog::on_saveButton_clicked()
{
    if (SaveReceptsToFile())
        close();
}

void ReceptsDialog::on_cancelButton_clicked()
{
    close();
}
