#include "recipes/receptsdialog.h"

#include "recipes/fileaccess.h"
#include "recipes/receptform.h"
#include "recipes/receptsfile.h"
#include "settings/settings_store.h"
#include "shell/style_sheets.h"
#include "ui_receptsdialog.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// A tab's page: it takes the tab's form, edge to edge, once the tab is first shown.
QWidget* emptyPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return page;
}

} // namespace

#include <algorithm>

ReceptsDialog::ReceptsDialog(QWidget* parent)
    : ClosingDialog(parent)
    , ui(new Ui::ReceptsDialog)
{
    ui->setupUi(this);
    applyStyle(Style::PanelButton, {ui->saveButton, ui->cancelButton});
    ui->keptLabel->hide();
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &ReceptsDialog::buildFormOnTab);

    receptsFilePath = SettingsStore::receptsFilePath();
    showFilePath();
}

void ReceptsDialog::showFilePath()
{
    auto* label = new QLabel(tr("File: %1").arg(QDir::toNativeSeparators(receptsFilePath)), this);
    label->setObjectName(QStringLiteral("pathLabel"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* box = qobject_cast<QBoxLayout*>(layout());
    if (box)
        box->insertWidget(box->indexOf(ui->tabWidget) + 1, label);
}

ReceptsDialog::~ReceptsDialog()
{
    delete ui;
}

QString ReceptsDialog::lastError() const
{
    return error;
}

void ReceptsDialog::showEvent(QShowEvent* event)
{
    ReadReceptsFromFile();
    fitToScreen();
    ClosingDialog::showEvent(event); // places the dialog, centred on its parent
}

void ReceptsDialog::fitToScreen()
{
    // New tabs widen the dialog only when its layout next runs, which is after QDialog has
    // placed it for its old size: it would then grow past the screen's right edge. The size
    // is settled here, before the dialog is placed.
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()).boundedTo(screen()->availableGeometry().size()));
}

void ReceptsDialog::closeEvent(QCloseEvent* event)
{
    if (askToDiscard(discardQuestion())) {
        event->ignore();
        return;
    }
    showParentWidget();
    ClosingDialog::closeEvent(event);
}

int ReceptsDialog::editedReceptCount() const
{
    const std::vector<Recept> shown = receptsForSaving();
    int count = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        count += i >= recepts.size() || shown[i] != recepts[i] ? 1 : 0;
    return count;
}

QString ReceptsDialog::discardQuestion() const
{
    const int edited = editedReceptCount();
    return edited == 0 ? QString() : tr("Discard your changes to %n recipe(s)?", nullptr, edited);
}

void ReceptsDialog::ReadReceptsFromFile()
{
    setDiscardApproved(false);
    fileRead = false;
    recepts.clear();
    document = ReceptsDocument();
    error.clear();
    shownHash.clear();
    delete findChild<QMessageBox*>(QStringLiteral("readWarning"), Qt::FindDirectChildrenOnly);
    ui->saveButton->setEnabled(true);

    QByteArray contents;
    QString reason;
    std::vector<Recept> records;
    ReceptsFileError fileError;
    if (!readWholeFile(receptsFilePath, MaxReceptsFileBytes, &contents, &reason)) {
        refuseSave(reason);
    } else if (!parseReceptsFile(contents, records, &fileError, &document)) {
        QString what = fileError.message;
        if (fileError.kind == ReceptsFileError::Kind::TooDeep)
            what = tr("The elements are nested deeper than %1 levels.").arg(MaxReceptsFileDepth);
        else if (fileError.kind == ReceptsFileError::Kind::Entities)
            what = tr("The file declares entities, which a recipes file never does.");
        else if (fileError.kind == ReceptsFileError::Kind::TooMany)
            what = tr("The file holds more than %1 recipes, the most the program shows.").arg(MaxReceptsCount);
        refuseSave(tr("%1 (line %2, column %3)")
                       .arg(what, QString::number(fileError.line), QString::number(fileError.column)));
    } else {
        shownHash = QCryptographicHash::hash(contents, QCryptographicHash::Sha256);
        recepts = std::move(records);
        fileRead = true;
    }
    // Without a file read, the tabs of an earlier showing go too: shown, they would pass for
    // the file's recipes.
    createReceptsTabs();
    showKeptCount();
}

void ReceptsDialog::showKeptCount()
{
    int count = document.keptCount();
    for (int i = 0; i < int(recepts.size()); ++i) {
        const ReceptForm* form = formOnTab(i);
        count += form ? form->storedValueCount() : ReceptForm::unshownValueCount(recepts[size_t(i)]);
    }
    ui->keptLabel->setVisible(count > 0);
    ui->keptLabel->setText(tr("The file holds %n thing(s) that the forms cannot show: other elements, attributes "
                      "or comments, or values beyond a field's range, which are marked. Save writes them "
                      "back unchanged; a marked field keeps its value unless you change it.",
                      nullptr, count));
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
    if (isVisible() && !error.isEmpty() && !fileRead)
        message("readWarning", QMessageBox::Warning, error)->open();
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
    // A visible tab widget lays all its tabs out again for every tab added or renamed; hidden,
    // it does so once when shown again.
    const bool tabsShown = !tabs->isHidden();
    tabs->hide();
    for (int i = 0; i < wanted; ++i) {
        const QString title = tabTitle(i);
        if (i >= tabs->count()) {
            tabs->addTab(emptyPage(), title);
            continue;
        }
        if (tabs->tabText(i) != title)
            tabs->setTabText(i, title);
        if (ReceptForm* form = formOnTab(i))
            fillForm(form, recepts[static_cast<size_t>(i)]);
    }
    tabs->setVisible(tabsShown);
    if (tabs->count() > 0)
        tabs->setCurrentIndex(0);
    buildFormOnTab(tabs->currentIndex());
}

// Most recipes of a large file are never looked at: a tab's form, some thirty widgets, is
// built when the tab is first shown.
void ReceptsDialog::buildFormOnTab(int index)
{
    QWidget* page = ui->tabWidget->widget(index);
    if (!page || index >= int(recepts.size()) || formOnTab(index))
        return; // tabs being removed after a read pass through pages whose records are gone
    auto* form = new ReceptForm(page);
    fillForm(form, recepts[static_cast<size_t>(index)]);
    page->layout()->addWidget(form);
    form->show(); // a child made in a page already shown stays hidden until told
}

ReceptForm* ReceptsDialog::formOnTab(int index) const
{
    const QWidget* page = ui->tabWidget->widget(index);
    return page ? page->findChild<ReceptForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString ReceptsDialog::tabTitle(int i) const
{
    QString title = QObject::tr(" Recept ") + QString::number(i + 1);
    const std::optional<QString>& id = recepts[static_cast<size_t>(i)].id;
    const auto sameId = [&id](const Recept& other) { return other.id == id; };
    if (!id || std::count_if(recepts.cbegin(), recepts.cend(), sameId) < 2)
        return title;
    return title + tr(" (shares ID %1)").arg(*id);
}

void ReceptsDialog::fillForm(ReceptForm* form, const Recept& recept)
{
    form->setRecept(recept);
}

std::vector<Recept> ReceptsDialog::receptsForSaving() const
{
    std::vector<Recept> records;
    records.reserve(recepts.size());
    for (int i = 0; i < ui->tabWidget->count() && i < int(recepts.size()); ++i) {
        const ReceptForm* form = formOnTab(i);
        records.push_back(form ? form->recept() : recepts[static_cast<size_t>(i)]);
    }
    return records;
}

// The hash of the file's bytes now: empty when there is no file, and one that matches no
// hash when the file cannot be read.
QByteArray ReceptsDialog::fileHash() const
{
    if (!QFileInfo::exists(receptsFilePath))
        return QByteArray();
    QByteArray contents;
    if (!readWholeFile(receptsFilePath, MaxReceptsFileBytes, &contents, nullptr))
        return QByteArrayLiteral("unreadable");
    return QCryptographicHash::hash(contents, QCryptographicHash::Sha256);
}

bool ReceptsDialog::refuseTooLarge(const QByteArray& bytes)
{
    if (bytes.size() <= MaxReceptsFileBytes)
        return false;
    error = tr("The recipes would make a file of %1 bytes, larger than the %2 MB the program reads. Shorten "
               "the names or save fewer changes.")
                .arg(bytes.size())
                .arg(MaxReceptsFileBytes / (qint64(1024) * 1024));
    message("tooLargeWarning", QMessageBox::Warning, error)->open();
    return true;
}

bool ReceptsDialog::SaveReceptsToFile()
{
    if (!fileRead)
        return false; // the file on disk could not be read: never overwrite it
    error.clear();
    QString reason;
    const QByteArray bytes = document.bytesWith(receptsForSaving());
    if (refuseTooLarge(bytes))
        return false;
    emit aboutToSave(receptsFilePath);
    if (!saveFileAtomically(receptsFilePath, bytes, &reason)) {
        error = tr("The recipes could not be saved to %1: %2").arg(receptsFilePath, reason);
        message("saveWarning", QMessageBox::Warning, error)->open();
        return false;
    }
    shownHash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    setDiscardApproved(true); // nothing left to lose
    emit saved(receptsFilePath);
    return true;
}

void ReceptsDialog::saveAndClose()
{
    if (SaveReceptsToFile())
        close();
}

void ReceptsDialog::on_saveButton_clicked()
{
    if (!fileRead)
        return;
    if (fileHash() == shownHash) {
        saveAndClose();
        return;
    }
    // Another program (or another copy of this one) wrote the file after it was shown: its
    // recipes would be lost without a word.
    QMessageBox* question = message("overwriteQuestion", QMessageBox::Question,
                                    tr("The recipes file was changed by another program after it was shown. "
                                       "Overwrite it with what you see here?"));
    QPushButton* overwrite = question->addButton(tr("Overwrite"), QMessageBox::AcceptRole);
    overwrite->setObjectName(QStringLiteral("overwriteButton"));
    question->addButton(tr("Cancel"), QMessageBox::RejectRole)->setObjectName(QStringLiteral("keepEditsButton"));
    connect(overwrite, &QPushButton::clicked, this, &ReceptsDialog::saveAndClose);
    question->open();
}

void ReceptsDialog::on_cancelButton_clicked()
{
    close();
}
