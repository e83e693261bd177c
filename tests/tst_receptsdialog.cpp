#include "test_support.h"

#include "recipes/receptform.h"
#include "recipes/receptsdialog.h"
#include "recipes/receptsfile.h"
#include "settings/settings_keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList warnings; // texts of the warnings the dialog showed
void recordWarning(QWidget*, const QString&, const QString& text) { warnings << text; }

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every field different, so that a field lost or swapped on the way shows.
const std::vector<Recept> threeRecepts = {
    {"Espresso", "Espresso full", 1, 2, {1, 0, 5, 1}, {1, 2, 3, 4}, {5, 6, 7, 200}},
    {"Latte", "Latte full", 2, 3, {2, 3, 4, 0}, {11, 12, 13, 14}, {15, 16, 17, 18}},
    {"Tea", "Tea full", 3, 4, {5, 4, 3, 2}, {21, 22, 23, 24}, {25, 26, 27, 28}}};

// A main menu, the dialog as its child and a recipes file in a throwaway folder.
struct Fixture
{
    QTemporaryDir dir;
    QString path;
    QWidget menu;
    std::unique_ptr<ReceptsDialog> dialog;

    explicit Fixture(const QString& fileName = QStringLiteral("recepts.xml"))
        : path(dir.filePath(fileName))
    {
        warnings.clear();
        QSettings().setValue(SettingsKeys::ReceptsGroup + QStringLiteral("/") + SettingsKeys::ReceptsFilePath, path);
        dialog = std::make_unique<ReceptsDialog>(&menu);
    }

    void open() // as the main menu does it
    {
        menu.hide();
        dialog->show();
        QCoreApplication::processEvents(); // let a pending warning come up
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QTabWidget* tabs() const { return dialog->findChild<QTabWidget*>("tabWidget"); }
    template <typename T>
    T* onTab(int tab, const char* name) const { return tabs()->widget(tab)->findChild<T*>(name); }
};

} // namespace

class TestReceptsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ReceptsDialog::setWarningHandler(recordWarning); }
    void onlySaveKeepsEdits();
    void saveWithoutFile_data();
    void saveWithoutFile();
    void fullDiskLeavesOldFile();
};

void TestReceptsDialog::onlySaveKeepsEdits()
{
    Fixture f;
    const QByteArray bytes = receptsFileBytes(threeRecepts);
    QVERIFY(writeFile(f.path, bytes));
    f.open();
    QCOMPARE(f.tabs()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.tabs()->tabText(i), QStringLiteral(" Recept %1").arg(i + 1));
        QCOMPARE(f.onTab<QLineEdit>(i, "Name")->text(), threeRecepts[static_cast<size_t>(i)].shortName);
    }
    QCOMPARE(f.tabs()->currentIndex(), 0);

    // Cancel drops the edits; the next showing starts on the first tab again.
    f.onTab<QSpinBox>(1, "sugarRashod")->setValue(150);
    f.tabs()->setCurrentIndex(2);
    f.click("cancelButton");
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
    QCOMPARE(readFile(f.path), bytes);
    f.open();
    QCOMPARE(f.onTab<QSpinBox>(1, "sugarRashod")->value(), 2);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    f.click("saveButton"); // right after showing: every field read and written back unchanged
    QCOMPARE(readFile(f.path), bytes);

    // Save writes the edits, and the next showing shows them.
    f.open();
    f.onTab<QSpinBox>(2, "teawaterRashod")->setValue(42);
    f.onTab<QLineEdit>(0, "Name")->setText(QStringLiteral("Ристретто & <co>"));
    f.click("saveButton");
    QVERIFY(!f.dialog->isVisible());
    std::vector<Recept> expected = threeRecepts;
    expected[2].ingridientWater[3] = 42;
    expected[0].shortName = QStringLiteral("Ристретто & <co>");
    QCOMPARE(readFile(f.path), receptsFileBytes(expected));
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")}); // no temporary file left behind
    f.open();
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), QStringLiteral("Ристретто & <co>"));
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 3); // the forms of earlier showings are gone
    QVERIFY(warnings.isEmpty());
    f.click("cancelButton");

    // A file that no longer reads is reported, and Save refused until it reads again.
    const QByteArray broken("<!DOCTYPE Recepts>\n<Recepts>\n <Recept_0>\n  <ID Value=\"0\">\n</Recepts>\n");
    QVERIFY(writeFile(f.path, broken));
    f.open();
    QTRY_COMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(f.path) && warnings[0].contains("(line 5, column"), qPrintable(warnings[0]));
    QVERIFY(!f.button("saveButton")->isEnabled());
    QVERIFY(!f.dialog->SaveReceptsToFile()); // the tabs of the earlier showing are not saved over it
    f.click("cancelButton");
    QCOMPARE(readFile(f.path), broken);
    QVERIFY(writeFile(f.path, receptsFileBytes({threeRecepts[2]})));
    f.open();
    QVERIFY(f.button("saveButton")->isEnabled());
    QCOMPARE(warnings.size(), 1);
    // One recipe now: one tab, one form, filled from the file rather than left from before.
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 1);
    QCOMPARE(f.tabs()->tabText(0), QStringLiteral(" Recept 1"));
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), threeRecepts[2].shortName);
}

void TestReceptsDialog::saveWithoutFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("saved");
    QTest::newRow("first start") << "recepts.xml" << true;
    QTest::newRow("folder missing") << "missing/recepts.xml" << false;
    QTest::newRow("path is a folder") << "recepts.xml" << false;
}

void TestReceptsDialog::saveWithoutFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, saved);
    Fixture f(fileName);
    f.open();
    QCOMPARE(f.tabs()->count(), 0);
    QVERIFY(warnings.isEmpty());
    if (QByteArray(QTest::currentDataTag()) == "path is a folder")
        QVERIFY(QDir().mkdir(f.path));

    f.click("saveButton");
    QCOMPARE(readFile(f.path), saved ? QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n") : QByteArray("<unreadable>"));
    QCOMPARE(f.dialog->isVisible(), !saved);
    QCOMPARE(warnings.size(), saved ? 0 : 1);
    QVERIFY(saved || warnings[0].contains(f.path));
}

void TestReceptsDialog::fullDiskLeavesOldFile()
{
    Fixture f;
    // Long names make a file far larger than the file size limit below.
    std::vector<Recept> big(4);
    for (size_t i = 0; i < big.size(); ++i)
        big[i].shortName = QString(30000, QChar(0x0436 + static_cast<int>(i)));
    const QByteArray good = receptsFileBytes(big);
    QVERIFY(writeFile(f.path, good));
    f.open();
    f.onTab<QSpinBox>(3, "sugarRashod")->setValue(99); // a save that went through would show

    fflush(nullptr);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) { // every write past 64 KiB fails with EFBIG, as on a full disk
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 64 * 1024;
        if (setrlimit(RLIMIT_FSIZE, &limit) == 0)
            f.click("saveButton");
        _exit(warnings.size() == 1 && warnings[0].contains(f.path) && f.dialog->isVisible() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(readFile(f.path), good);
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")});

    // The same save without the limit goes through: the limit was what failed it.
    f.click("saveButton");
    QVERIFY(warnings.isEmpty());
    big[3].sugarRashod = 99;
    QCOMPARE(readFile(f.path), receptsFileBytes(big));
}

QUELLARO_TEST_MAIN(TestReceptsDialog)
#include "tst_receptsdialog.moc"
