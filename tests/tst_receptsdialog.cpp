#include "test_support.h"

#include "recipes/receptform.h"
#include "recipes/receptsdialog.h"
#include "recipes/receptsfile.h"
#include "settings/settings_keys.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The offscreen screen is 800 x 600 pixels, narrower than the dialog; scaled, it is 1600 x 1200.
const bool screenScaled = qputenv("QT_SCALE_FACTOR", "0.5");

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
        QSettings().setValue(SettingsKeys::ReceptsGroup + QStringLiteral("/") + SettingsKeys::ReceptsFilePath, path);
        dialog = std::make_unique<ReceptsDialog>(&menu);
    }

    void open() // as the main menu does it
    {
        menu.hide();
        dialog->show();
        QCoreApplication::processEvents(); // let a pending warning come up
    }
    QMessageBox* box(const char* name) const { return dialog->findChild<QMessageBox*>(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QTabWidget* tabs() const { return dialog->findChild<QTabWidget*>("tabWidget"); }
    template <typename T>
    T* onTab(int tab, const char* name) const { return tabs()->widget(tab)->findChild<T*>(name); }
};


// Runs `body` in a child process as the user nobody; true when it exits with 0.
template <typename Body>
bool asNobody(Body body)
{
    fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const passwd* user = getpwnam("nobody");
        const struct group* nogroup = getgrnam("nogroup");
        umask(022);
        _exit(user && nogroup && setgroups(0, nullptr) == 0 && setgid(nogroup->gr_gid) == 0 && setuid(user->pw_uid) == 0
                      && body()
                  ? 0
                  : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QString ownership(const QString& path) // "owner:group mode"
{
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("missing");
    const passwd* user = getpwuid(st.st_uid);
    const struct group* group = getgrgid(st.st_gid);
    return QStringLiteral("%1:%2 %3")
        .arg(QString::fromLocal8Bit(user ? user->pw_name : "?"), QString::fromLocal8Bit(group ? group->gr_name : "?"))
        .arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
}

bool setOwnership(const QString& path, const QString& owner, mode_t mode) // owner: "user:group"
{
    const passwd* u = getpwnam(qPrintable(owner.section(QLatin1Char(':'), 0, 0)));
    const struct group* g = getgrnam(qPrintable(owner.section(QLatin1Char(':'), 1)));
    const QByteArray name = QFile::encodeName(path);
    return u && g && chown(name.constData(), u->pw_uid, g->gr_gid) == 0 && chmod(name.constData(), mode) == 0;
}

} // namespace
class TestReceptsDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsOneTabPerRecipe();
    void cancelDropsEdits();
    void saveWritesEdits();
    void refusesUnreadableFile_data();
    void refusesUnreadableFile();
    void saveWithoutFile_data();
    void saveWithoutFile();
    void fullDiskLeavesOldFile();
    void saveKeepsOwnerGroupMode_data();
    void saveKeepsOwnerGroupMode();
    void ordinaryUserSaves_data();
    void ordinaryUserSaves();
    void asksBeforeOverwritingChange_data();
    void asksBeforeOverwritingChange();
    void fitsOnScreen();
};

void TestReceptsDialog::showsOneTabPerRecipe()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    QCOMPARE(f.tabs()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.tabs()->tabText(i), QStringLiteral(" Recept %1").arg(i + 1));
        QCOMPARE(f.onTab<QLineEdit>(i, "Name")->text(), threeRecepts[static_cast<size_t>(i)].shortName);
    }
    QCOMPARE(f.tabs()->currentIndex(), 0);
}

void TestReceptsDialog::cancelDropsEdits()
{
    Fixture f;
    const QByteArray bytes = receptsFileBytes(threeRecepts);
    QVERIFY(writeFile(f.path, bytes));
    f.open();
    f.onTab<QSpinBox>(1, "sugarRashod")->setValue(150);
    f.tabs()->setCurrentIndex(2);
    f.click("cancelButton");
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
    QCOMPARE(readFile(f.path), bytes);
    // The next showing starts on the first tab again, with the file's values.
    f.open();
    QCOMPARE(f.onTab<QSpinBox>(1, "sugarRashod")->value(), 2);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    f.click("saveButton"); // right after showing: every field read and written back unchanged
    QCOMPARE(readFile(f.path), bytes);
}

void TestReceptsDialog::saveWritesEdits()
{
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    f.onTab<QSpinBox>(2, "teawaterRashod")->setValue(42);
    f.onTab<QLineEdit>(0, "Name")->setText(QStringLiteral("Ристретто & <co>"));
    f.click("saveButton");
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.menu.isVisible());
    std::vector<Recept> expected = threeRecepts;
    expected[2].ingridientWater[3] = 42;
    expected[0].shortName = QStringLiteral("Ристретто & <co>");
    QCOMPARE(readFile(f.path), receptsFileBytes(expected));
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")}); // no temporary file left behind
    f.open();
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), QStringLiteral("Ристретто & <co>"));
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 3); // the forms of earlier showings are gone
    QVERIFY(!f.box("saveWarning") && !f.box("readWarning"));
}

void TestReceptsDialog::refusesUnreadableFile_data()
{
    QTest::addColumn<QByteArray>("contents"); // a FIFO, a folder or "/dev/..." a link to that device
    QTest::addColumn<QString>("reason");
    std::vector<Recept> big(4); // 4.8 MB
    for (size_t i = 0; i < big.size(); ++i)
        big[i].shortName = QString(600000, QChar(0x0436));
    QTest::newRow("malformed") << QByteArray("<!DOCTYPE Recepts>\n<Recepts>\n <Recept_0>\n  <ID Value=\"0\">\n</Recepts>\n")
                               << "(line 5, column";
    QTest::newRow("FIFO") << QByteArray("FIFO") << "It is not a regular file.";
    QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << "It is not a regular file.";
    QTest::newRow("folder") << QByteArray("folder") << "It is not a regular file.";
    QTest::newRow("over 4 MB") << receptsFileBytes(big) << "The file is larger than 4 MB, the most the program reads.";
    QTest::newRow("501 recipes") << receptsFileBytes(std::vector<Recept>(501))
                                 << "The file holds more than 500 recipes, the most the program shows.";
}

// A file that no longer reads is reported, and Save refused until it reads again; the
// tabs of the last good read stay. Showing the dialog returns at once, the warning open.
void TestReceptsDialog::refusesUnreadableFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    f.click("cancelButton");
    QVERIFY(QFile::remove(f.path));
    const QByteArray name = QFile::encodeName(f.path);
    if (contents == "FIFO")
        QCOMPARE(mkfifo(name.constData(), 0600), 0);
    else if (contents == "folder")
        QVERIFY(QDir().mkdir(f.path));
    else if (contents.startsWith("/dev/"))
        QCOMPARE(symlink(contents.constData(), name.constData()), 0);
    else
        QVERIFY(writeFile(f.path, contents));

    f.open();
    QTRY_VERIFY(f.box("readWarning") && f.box("readWarning")->isVisible());
    const QString text = f.box("readWarning")->text();
    QVERIFY2(text.contains(f.path) && text.contains(reason), qPrintable(text));
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.tabs()->count(), 3);
    QVERIFY(!f.button("saveButton")->isEnabled());
    QVERIFY(!f.dialog->SaveReceptsToFile()); // the tabs of the earlier showing are not saved over it
    f.box("readWarning")->close();
    QTRY_VERIFY(!f.box("readWarning"));
    f.click("cancelButton");
    if (!contents.startsWith("/dev/") && contents != "FIFO" && contents != "folder")
        QCOMPARE(readFile(f.path), contents);

    if (!QFile::remove(f.path))
        QVERIFY(QDir().rmdir(f.path));
    QVERIFY(writeFile(f.path, receptsFileBytes({threeRecepts[2]})));
    f.open();
    QVERIFY(f.button("saveButton")->isEnabled());
    QTest::qWait(50);
    QVERIFY(!f.box("readWarning"));
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
}

void TestReceptsDialog::saveWithoutFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, saved);
    Fixture f(fileName);
    f.open();
    QCOMPARE(f.tabs()->count(), 0);
    QVERIFY(!f.box("readWarning"));

    f.click("saveButton");
    QCOMPARE(readFile(f.path), saved ? QByteArray("<!DOCTYPE Recepts>\n<Recepts/>\n") : QByteArray("<unreadable>"));
    QCOMPARE(f.dialog->isVisible(), !saved);
    QCOMPARE(f.box("saveWarning") != nullptr, !saved);
    QVERIFY(saved || f.box("saveWarning")->text().contains(f.path));
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
        _exit(f.box("saveWarning") && f.box("saveWarning")->text().contains(f.path) && f.dialog->isVisible() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(readFile(f.path), good);
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")});

    // The same save without the limit goes through: the limit was what failed it.
    f.click("saveButton");
    QVERIFY(!f.box("saveWarning") && !f.dialog->isVisible());
    big[3].sugarRashod = 99;
    QCOMPARE(readFile(f.path), receptsFileBytes(big));
}

void TestReceptsDialog::saveKeepsOwnerGroupMode_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hardLink");
    QTest::newRow("another user's, group-shared") << "nobody:nogroup" << 0640 << false;
    QTest::newRow("read-only") << "root:root" << 0444 << false;
    QTest::newRow("hard link") << "nobody:root" << 0600 << true;
}

void TestReceptsDialog::saveKeepsOwnerGroupMode()
{
    if (geteuid() != 0)
        QSKIP("giving a file to another user needs root");
    QFETCH(QString, owner);
    QFETCH(int, mode);
    QFETCH(bool, hardLink);
    Fixture f;
    const QByteArray before = receptsFileBytes(threeRecepts);
    QVERIFY(writeFile(f.path, before));
    QVERIFY(setOwnership(f.path, owner, mode_t(mode)));
    const QString other = f.dir.filePath(QStringLiteral("other-name.xml"));
    if (hardLink)
        QCOMPARE(link(QFile::encodeName(f.path).constData(), QFile::encodeName(other).constData()), 0);
    f.open();
    f.onTab<QSpinBox>(0, "sugarRashod")->setValue(7);
    f.click("saveButton");
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(ownership(f.path), owner + QStringLiteral(" 0") + QString::number(mode, 8));
    std::vector<Recept> after = threeRecepts;
    after[0].sugarRashod = 7;
    QCOMPARE(readFile(f.path), receptsFileBytes(after));
    if (hardLink) // replaced as a whole: the other name keeps the old file
        QCOMPARE(readFile(other), before);
}

void TestReceptsDialog::ordinaryUserSaves_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // Only the file is writable: it is written in place, and stays as it was.
    QTest::newRow("root's folder") << 0755 << "nobody:nogroup 0644" << "nobody:nogroup 0644";
    // Only root may give a file away: the new file is the user's, with the old permissions.
    QTest::newRow("root's file") << 0777 << "root:root 0666" << "nobody:nogroup 0666";
}

void TestReceptsDialog::ordinaryUserSaves()
{
    if (geteuid() != 0)
        QSKIP("playing an ordinary user needs root, to become the user nobody");
    QFETCH(int, folderMode);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Fixture f(QStringLiteral("shared/recepts.xml"));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("shared")));
    QVERIFY(chmod(QFile::encodeName(f.dir.path()).constData(), 0755) == 0);
    QVERIFY(chmod(QFile::encodeName(f.dir.filePath(QStringLiteral("shared"))).constData(), mode_t(folderMode)) == 0);
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    QVERIFY(setOwnership(f.path, before.section(QLatin1Char(' '), 0, 0),
                         mode_t(before.section(QLatin1Char(' '), 1).toInt(nullptr, 8))));
    f.open();
    f.onTab<QSpinBox>(0, "sugarRashod")->setValue(7);
    QVERIFY(asNobody([&f] {
        f.click("saveButton");
        return !f.dialog->isVisible() && !f.box("saveWarning");
    }));
    QCOMPARE(ownership(f.path), after);
    std::vector<Recept> saved = threeRecepts;
    saved[0].sugarRashod = 7;
    QCOMPARE(readFile(f.path), receptsFileBytes(saved));
}

void TestReceptsDialog::asksBeforeOverwritingChange_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("overwritten");
    QTest::newRow("Overwrite") << QByteArray("overwriteButton") << true;
    QTest::newRow("Cancel") << QByteArray("keepEditsButton") << false;
}

void TestReceptsDialog::asksBeforeOverwritingChange()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, overwritten);
    Fixture f;
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.open();
    f.onTab<QSpinBox>(1, "sugarRashod")->setValue(150);
    const QByteArray theirs = receptsFileBytes({threeRecepts[2]});
    QVERIFY(writeFile(f.path, theirs));

    f.click("saveButton");
    QMessageBox* question = f.box("overwriteQuestion");
    QVERIFY(question && question->isVisible());
    QCOMPARE(question->text(), QStringLiteral("The recipes file was changed by another program after it was shown. "
                                              "Overwrite it with what you see here?"));
    QCOMPARE(readFile(f.path), theirs);
    QPushButton* answer = question->findChild<QPushButton*>(button);
    QCOMPARE(answer->text(), QString::fromLatin1(QTest::currentDataTag()));
    QTest::mouseClick(answer, Qt::LeftButton);
    QTRY_VERIFY(!f.box("overwriteQuestion"));
    std::vector<Recept> ours = threeRecepts;
    ours[1].sugarRashod = 150;
    QCOMPARE(readFile(f.path), overwritten ? receptsFileBytes(ours) : theirs);
    QCOMPARE(f.dialog->isVisible(), !overwritten);
    QCOMPARE(f.onTab<QSpinBox>(1, "sugarRashod")->value(), 150);
}

// The first showing with tabs widens the dialog by half; it is placed for the size it ends up
// with: centred on the main menu, all of it on the screen.
void TestReceptsDialog::fitsOnScreen()
{
    Fixture f;
    QVERIFY(screenScaled);
    QVERIFY(writeFile(f.path, receptsFileBytes(threeRecepts)));
    f.menu.setGeometry(700, 500, 400, 200);
    f.open();
    QTRY_VERIFY(f.dialog->windowHandle() && f.dialog->windowHandle()->isExposed());
    QCoreApplication::processEvents();
    const QRect frame = f.dialog->frameGeometry();
    QVERIFY(frame.width() > 1000);
    QVERIFY2((frame.center() - QPoint(900, 600)).manhattanLength() <= 2, qPrintable(QString::number(frame.x())));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(screen, QRect(0, 0, 1600, 1200));
    QVERIFY(screen.contains(frame));
}

QUELLARO_TEST_MAIN(TestReceptsDialog)
#include "tst_receptsdialog.moc"
