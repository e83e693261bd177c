#include "test_support.h"

#include "recipes/receptform.h"
#include "recipes/receptsdialog.h"
#include "recipes/receptsfile.h"
#include "settings/settings_keys.h"
#include "shell/style_sheets.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList warnings; // texts of the warnings the dialog showed

void recordWarning(QWidget*, const QString&, const QString& text)
{
    warnings << text;
}

void setReceptsPath(const QString& path)
{
    QSettings settings;
    settings.beginGroup(SettingsKeys::ReceptsGroup);
    settings.setValue(SettingsKeys::ReceptsFilePath, path);
    settings.endGroup();
}

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

Recept recept(const QString& name, int sugar, int component)
{
    Recept r;
    r.shortName = name;
    r.fullName = name + QStringLiteral(" full");
    r.sugarRashod = sugar;
    r.waterRashod = sugar + 1;
    r.component = {component, 0, 5, 1};
    r.ingridientRashod = {1, 2, 3, 4};
    r.ingridientWater = {5, 6, 7, 200};
    return r;
}

const std::vector<Recept> threeRecepts = {recept("Espresso", 1, 1), recept("Latte", 2, 2), recept("Tea", 3, 5)};

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
        setReceptsPath(path);
        dialog = std::make_unique<ReceptsDialog>(&menu);
    }

    // As the main menu does it.
    void open()
    {
        menu.hide();
        dialog->show();
        QCoreApplication::processEvents(); // let a pending warning come up
    }

    QTabWidget* tabs() const { return dialog->findChild<QTabWidget*>("tabWidget"); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
    template <typename T>
    T* onTab(int tab, const char* name) const
    {
        return tabs()->widget(tab)->findChild<T*>(QLatin1String(name));
    }
};

} // namespace

class TestReceptsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void formAndLook();
    void showsOneTabPerRecipe();
    void cancelDropsEdits();
    void saveWritesEdits();
    void saveRightAfterShowingRewritesSameBytes();
    void firstStartWithoutFile();
    void escapeBringsMenuBack();
    void repeatedShowingsKeepOnlyCurrentForms();
    void pathIsReadOnceAtConstruction();
    void defaultPathIsCurrentFolder();
    void unreadableFileRefusesSave_data();
    void unreadableFileRefusesSave();
    void failedSaveKeepsDialogAndEdits_data();
    void failedSaveKeepsDialogAndEdits();
    void fullDiskLeavesOldFile();
};

void TestReceptsDialog::init()
{
    ReceptsDialog::setWarningHandler(recordWarning);
    clearSettings();
}

void TestReceptsDialog::cleanupTestCase()
{
    ReceptsDialog::setWarningHandler(nullptr);
}

void TestReceptsDialog::formAndLook()
{
    Fixture f;
    QCOMPARE(f.dialog->objectName(), QStringLiteral("ReceptsDialog"));
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Recepts"));
    QCOMPARE(f.dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(f.button("saveButton")->text(), QStringLiteral("Save"));
    QCOMPARE(f.button("cancelButton")->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.button("saveButton")->styleSheet(), styleSheet(Style::PanelButton));
    QCOMPARE(f.button("cancelButton")->styleSheet(), styleSheet(Style::PanelButton));
    QCOMPARE(f.tabs()->count(), 0); // nothing is read before the first showing
}

void TestReceptsDialog::showsOneTabPerRecipe()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    QCOMPARE(f.tabs()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.tabs()->tabText(i), QStringLiteral(" Recept %1").arg(i + 1));
        auto* form = qobject_cast<ReceptForm*>(f.tabs()->widget(i));
        QVERIFY(form);
        const Recept& r = threeRecepts[static_cast<size_t>(i)];
        QCOMPARE(form->getShortName(), r.shortName);
        QCOMPARE(form->getFullName(), r.fullName);
        QCOMPARE(form->getSugarRashod(), r.sugarRashod);
        QCOMPARE(form->getWaterRashod(), r.waterRashod);
        for (int k = 0; k < 4; ++k) {
            const auto slot = static_cast<size_t>(k);
            QCOMPARE(form->getComponent(k), r.component[slot]);
            QCOMPARE(form->getIngridient(k), r.ingridientRashod[slot]);
            QCOMPARE(form->getIngridientWater(k), r.ingridientWater[slot]);
        }
    }
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(recepts.size(), size_t(3));
    QVERIFY(f.button("saveButton")->isEnabled());
    QVERIFY(warnings.isEmpty());

    // Another showing starts on the first recipe again.
    f.tabs()->setCurrentIndex(2);
    QTest::mouseClick(f.button("cancelButton"), Qt::LeftButton);
    f.open();
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(recepts.size(), size_t(3));
}

void TestReceptsDialog::cancelDropsEdits()
{
    Fixture f;
    const QByteArray bytes = receptsFileBytes(threeRecepts);
    QVERIFY(writeFile(f.path, bytes));
    f.open();
    f.onTab<QSpinBox>(1, "sugarRashod")->setValue(150);
    QTest::mouseClick(f.button("cancelButton"), Qt::LeftButton);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
    QCOMPARE(readFile(f.path), bytes);

    f.open();
    QCOMPARE(f.onTab<QSpinBox>(1, "sugarRashod")->value(), 2);
}

void TestReceptsDialog::saveWritesEdits()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    f.onTab<QSpinBox>(2, "teawaterRashod")->setValue(42);
    f.onTab<QLineEdit>(0, "Name")->setText(QStringLiteral("Ристретто & <co>"));
    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
    QVERIFY(warnings.isEmpty());

    std::vector<Recept> expected = threeRecepts;
    expected[2].ingridientWater[3] = 42;
    expected[0].shortName = QStringLiteral("Ристретто & <co>");
    QCOMPARE(readFile(f.path), receptsFileBytes(expected));

    f.open();
    QCOMPARE(f.onTab<QSpinBox>(2, "teawaterRashod")->value(), 42);
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), QStringLiteral("Ристретто & <co>"));
}

void TestReceptsDialog::saveRightAfterShowingRewritesSameBytes()
{
    Fixture f;
    const QByteArray example = readFile(QFINDTESTDATA("../recipes/examples/recepts.xml"));
    QVERIFY(example.startsWith("<!DOCTYPE Recepts>\n"));
    QVERIFY(writeFile(f.path, example));
    f.open();
    QVERIFY(f.tabs()->count() >= 5);
    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QCOMPARE(readFile(f.path), example);
}

void TestReceptsDialog::firstStartWithoutFile()
{
    Fixture f;
    f.open();
    QCOMPARE(f.tabs()->count(), 0);
    QVERIFY(f.button("saveButton")->isEnabled());
    QVERIFY(warnings.isEmpty());
    QVERIFY(f.dialog->lastError().isEmpty());
    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QCOMPARE(readFile(f.path), QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n"));
}

void TestReceptsDialog::escapeBringsMenuBack()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
}

void TestReceptsDialog::repeatedShowingsKeepOnlyCurrentForms()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    for (int i = 0; i < 4; ++i) {
        f.open();
        QTest::mouseClick(f.button("cancelButton"), Qt::LeftButton);
    }
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 3);
    QVERIFY(writeFile(f.path, receptsFileBytes({threeRecepts[1]})));
    f.open();
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 1);
    QCOMPARE(f.tabs()->count(), 1);
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), QStringLiteral("Latte"));
}

void TestReceptsDialog::pathIsReadOnceAtConstruction()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    setReceptsPath(f.dir.filePath(QStringLiteral("other.xml")));
    f.open();
    QCOMPARE(f.tabs()->count(), 3);
}

void TestReceptsDialog::defaultPathIsCurrentFolder()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QWidget menu;
    ReceptsDialog dialog(&menu);
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("recepts.xml")), receptsFileBytes(threeRecepts)));
    dialog.show();
    QCOMPARE(dialog.findChild<QTabWidget*>("tabWidget")->count(), 3);
    QVERIFY(!QSettings().contains(SettingsKeys::ReceptsGroup + QStringLiteral("/") + SettingsKeys::ReceptsFilePath));
}

void TestReceptsDialog::unreadableFileRefusesSave_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("malformed") << QByteArray("<!DOCTYPE Recepts>\n<Recepts>\n <Recept_0>\n  <ID Value=\"0\">\n</Recepts>\n")
                               << "(line 5, column";
    QTest::newRow("100000 levels") << QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000)
                                   << "nested deeper than 64 levels";
    QTest::newRow("empty") << QByteArray() << "(line 1, column";
    QTest::newRow("billion laughs") << QByteArray("<!DOCTYPE R [<!ENTITY a \"aa\"><!ENTITY b \"&a;&a;\">]><R>&b;</R>")
                                    << "declares entities";
    QTest::newRow("a folder") << QByteArray() << "";
}

void TestReceptsDialog::unreadableFileRefusesSave()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reasonPart);
    Fixture f;
    // A good showing first: its tabs stay, but must not be saved over the broken file.
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    QTest::mouseClick(f.button("cancelButton"), Qt::LeftButton);

    if (QByteArray(QTest::currentDataTag()) == "a folder")
        QVERIFY(QFile::remove(f.path) && QDir().mkdir(f.path));
    else
        QVERIFY(writeFile(f.path, contents));
    f.open();
    QTRY_COMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(f.path), qPrintable(warnings[0]));
    QVERIFY2(warnings[0].contains(reasonPart), qPrintable(warnings[0]));
    QCOMPARE(f.dialog->lastError(), warnings[0]);
    QVERIFY(recepts.empty());
    QVERIFY(!f.button("saveButton")->isEnabled());

    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QVERIFY(!f.dialog->SaveReceptsToFile());
    QVERIFY(f.dialog->isVisible());
    QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    QVERIFY(!f.dialog->isVisible());
    if (QFileInfo(f.path).isDir())
        QVERIFY(QDir(f.path).isEmpty());
    else
        QCOMPARE(readFile(f.path), contents);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("recepts.xml")});

    // Once the file reads again, so does Save.
    QDir().rmdir(f.path);
    QVERIFY(writeFile(f.path, receptsFileBytes({threeRecepts[2]})));
    f.open();
    QVERIFY(f.button("saveButton")->isEnabled());
    QCOMPARE(f.tabs()->count(), 1);
    QVERIFY(f.dialog->lastError().isEmpty());
    QCOMPARE(warnings.size(), 1);
}

void TestReceptsDialog::failedSaveKeepsDialogAndEdits_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("folder missing") << "missing/recepts.xml";
    QTest::newRow("path is a folder") << "recepts.xml";
}

void TestReceptsDialog::failedSaveKeepsDialogAndEdits()
{
    QFETCH(QString, fileName);
    Fixture f(fileName);
    f.open(); // no file: the first start
    QVERIFY(f.button("saveButton")->isEnabled());
    if (QByteArray(QTest::currentDataTag()) == "path is a folder")
        QVERIFY(QDir().mkdir(f.path));

    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(f.path), qPrintable(warnings[0]));
    QCOMPARE(f.dialog->lastError(), warnings[0]);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(!f.menu.isVisible());
    QVERIFY(!QFileInfo(f.path).isFile());
}

void TestReceptsDialog::fullDiskLeavesOldFile()
{
    Fixture f;
    // Long names make a file far larger than the file size limit below.
    std::vector<Recept> big;
    for (int i = 0; i < 4; ++i)
        big.push_back(recept(QString(30000, QChar(0x0436 + i)), i, i));
    const QByteArray good = receptsFileBytes(big);
    QVERIFY(good.size() > 400 * 1024);
    QVERIFY(writeFile(f.path, good));
    f.open();
    QCOMPARE(f.tabs()->count(), 4);
    f.onTab<QSpinBox>(3, "sugarRashod")->setValue(99); // a save that went through would show

    fflush(stdout);
    fflush(stderr);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Every write past 64 KiB fails with EFBIG, as on a full disk.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 64 * 1024;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(10);
        QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
        if (warnings.size() != 1 || !warnings[0].contains(f.path))
            _exit(11);
        if (!f.dialog->isVisible())
            _exit(12);
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(readFile(f.path), good);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("recepts.xml")});

    // The same save without the limit goes through: the limit was what failed it.
    QTest::mouseClick(f.button("saveButton"), Qt::LeftButton);
    QVERIFY(warnings.isEmpty());
    big[3].sugarRashod = 99;
    QCOMPARE(readFile(f.path), receptsFileBytes(big));
}

QUELLARO_TEST_MAIN(TestReceptsDialog)
#include "tst_receptsdialog.moc"
