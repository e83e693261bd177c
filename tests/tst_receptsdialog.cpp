#include "test_support.h"

#include "recipes/receptform.h"
#include "recipes/receptsdialog.h"
#include "recipes/receptsfile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>

#include <csignal>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The offscreen screen is 800 x 600 pixels, narrower than the dialog; scaled, it is 1600 x 1200.
const bool screenScaled = qputenv("QT_SCALE_FACTOR", "0.5");

// Every field different, so that a field lost or swapped on the way shows.
const std::vector<Recept> threeRecepts = {
    {"Espresso", "Espresso full", 1, 2, {1, 0, 5, 1}, {1, 2, 3, 4}, {5, 6, 7, 200}},
    {"Latte", "Latte full", 2, 3, {2, 3, 4, 0}, {11, 12, 13, 14}, {15, 16, 17, 18}},
    {"Tea", "Tea full", 3, 4, {5, 4, 3, 2}, {21, 22, 23, 24}, {25, 26, 27, 28}}};

// A main menu, the dialog as its child and a recipes file in a throwaway folder.
struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("recepts.xml"));
    QWidget menu;
    ReceptsDialog* dialog = nullptr; // the menu's child

    Fixture()
    {
        SettingsStore::setReceptsFilePath(path); // read by the dialog when it is made
        dialog = new ReceptsDialog(&menu);
    }

    void openWith(const QByteArray& bytes)
    {
        QVERIFY(writeFile(path, bytes));
        open();
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
    bool save() { click("saveButton"); return !dialog->isVisible() && !box("saveWarning"); } // true: it went through
    QTabWidget* tabs() const { return dialog->findChild<QTabWidget*>("tabWidget"); }
    template <typename T>
    T* onTab(int tab, const QString& name) const // shown first: a tab has its form from then on
    {
        tabs()->setCurrentIndex(tab);
        return tabs()->widget(tab)->findChild<T*>(name);
    }
    int forms() const { return dialog->findChildren<ReceptForm*>().size(); }
};

// Slot n's widgets: "component_<n+1>", "<name>Rashod" and "<name>waterRashod".
const char* const slotNames[] = {"milk", "chocolate", "vanila", "tea"};


// Runs `body` in a child process; true when it returned true there.
bool inChild(const std::function<bool()>& body)
{
    fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool becomeNobody()
{
    const passwd* user = getpwnam("nobody");
    const struct group* group = getgrnam("nogroup");
    return user && group && setgroups(0, nullptr) == 0 && setgid(group->gr_gid) == 0 && setuid(user->pw_uid) == 0;
}

// "owner:group mode" of a file, as `ls -l` would tell it.
QString ownership(const QString& path)
{
    QProcess stat;
    stat.start(QStringLiteral("stat"), {QStringLiteral("-c%U:%G %04a"), path});
    return stat.waitForFinished() ? QString::fromLocal8Bit(stat.readAllStandardOutput()).trimmed() : QString();
}

bool setOwnership(const QString& path, const QString& ownership)
{
    const QStringList parts = ownership.split(QLatin1Char(' '));
    return QProcess::execute("chown", {parts[0], path}) == 0 && QProcess::execute("chmod", {parts[1], path}) == 0;
}

} // namespace

class TestReceptsDialog : public QObject
{
    Q_OBJECT

private slots:
    void closeWithEdits_data();
    void closeWithEdits();
    void refusesUnreadableFile_data();
    void refusesUnreadableFile();
    void savesEveryRecipe_data();
    void savesEveryRecipe();
    void keepsWhatFormsCannotShow_data();
    void keepsWhatFormsCannotShow();
    void fullDiskLeavesOldFile();
    void saveKeepsOwnership_data();
    void saveKeepsOwnership();
    void asksBeforeOverwritingChange_data();
    void asksBeforeOverwritingChange();
    void fitsOnScreen();
    void keepsFileAsRead_data();
    void keepsFileAsRead();
    void refusesFileOverLimit();
    void strayEscapeKeepsEdits();
};

void TestReceptsDialog::closeWithEdits_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("Save") << true;
    QTest::newRow("Cancel") << false;
}

// Save writes the edits, Cancel drops them; the next showing starts on tab 1 with the file's values.
void TestReceptsDialog::closeWithEdits()
{
    QFETCH(bool, save);
    Fixture f;
    std::vector<Recept> expected = threeRecepts;
    expected[1].component[3] = -1; // no entry selected
    const QByteArray original = receptsFileBytes(expected);
    f.openWith(original);
    QCOMPARE(f.tabs()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.tabs()->tabText(i), QStringLiteral(" Recept %1").arg(i + 1));
        for (int n = 0; n < 4; ++n) {
            const QString slot = QString::fromLatin1(slotNames[n]);
            QCOMPARE(f.onTab<QComboBox>(i, QStringLiteral("component_%1").arg(n + 1))->currentIndex(),
                     expected[i].component[n]);
            QCOMPARE(f.onTab<QSpinBox>(i, slot + "Rashod")->value(), expected[i].ingridientRashod[n]);
            QCOMPARE(f.onTab<QSpinBox>(i, slot + "waterRashod")->value(), expected[i].ingridientWater[n]);
        }
    }
    f.onTab<QSpinBox>(2, "teawaterRashod")->setValue(42);
    f.onTab<QLineEdit>(0, "Name")->setText(QStringLiteral("Ристретто & <co>"));
    f.tabs()->setCurrentIndex(2);
    f.click(save ? "saveButton" : "cancelButton");
    if (!save) {
        QCOMPARE(f.box("discardQuestion")->text(), QStringLiteral("Discard your changes to 2 recipe(s)?"));
        QTest::mouseClick(f.box("discardQuestion")->findChild<QPushButton*>("discardButton"), Qt::LeftButton);
    }
    QVERIFY(!f.dialog->isVisible() && f.menu.isVisible());
    expected[2].ingridientWater[3] = 42;
    expected[0].shortName = QStringLiteral("Ристретто & <co>");
    QCOMPARE(readFile(f.path), save ? receptsFileBytes(expected) : original);
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")}); // no temporary file left behind
    f.open();
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.onTab<QSpinBox>(2, "teawaterRashod")->value(), save ? 42 : 28);
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), save ? expected[0].shortName : "Espresso");
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 3); // the forms of earlier showings are gone
    QVERIFY(!f.box("saveWarning") && !f.box("readWarning"));
}

void TestReceptsDialog::refusesUnreadableFile_data()
{
    QTest::addColumn<QByteArray>("contents"); // a FIFO, or "/dev/..." a link to that device
    QTest::addColumn<QString>("reason");
    QTest::newRow("deleted") << QByteArray() << "No such file or directory";
    QTest::newRow("malformed") << QByteArray("<!DOCTYPE Recepts>\n<Recepts>\n <Recept_0>\n  <ID Value=\"0\">\n</Recepts>\n")
                               << "(line 5, column";
    QTest::newRow("FIFO") << QByteArray("FIFO") << "It is not a regular file.";
    QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << "It is not a regular file.";
    QTest::newRow("over 4 MB") << "<Recepts>" + QByteArray(4 * 1024 * 1024, ' ') + "</Recepts>"
                               << "The file is larger than 4 MB, the most the program reads.";
    QTest::newRow("501 recipes") << receptsFileBytes(std::vector<Recept>(501))
                                 << "The file holds more than 500 recipes, the most the program shows.";
}

// An unreadable file is reported without blocking; Save is refused until it reads again.
void TestReceptsDialog::refusesUnreadableFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    Fixture f;
    f.openWith(receptsFileBytes(threeRecepts));
    f.click("cancelButton");
    QVERIFY(QFile::remove(f.path));
    if (contents == "FIFO")
        QCOMPARE(mkfifo(QFile::encodeName(f.path).constData(), 0600), 0);
    else if (contents.startsWith("/dev/"))
        QVERIFY(QFile::link(QString::fromLatin1(contents), f.path));
    else if (!contents.isEmpty()) // else no file at all
        QVERIFY(writeFile(f.path, contents));

    f.open();
    QTRY_VERIFY(f.box("readWarning") && f.box("readWarning")->isVisible());
    const QString text = f.box("readWarning")->text();
    QVERIFY2(text.contains(f.path) && text.contains(reason), qPrintable(text));
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.tabs()->count(), 0); // the recipes of the earlier showing are not the file's
    QVERIFY(f.dialog->findChildren<ReceptForm*>().isEmpty());
    QVERIFY(!f.button("saveButton")->isEnabled());
    QVERIFY(!f.dialog->SaveReceptsToFile());
    QCOMPARE(QFileInfo::exists(f.path), !contents.isEmpty());
    f.box("readWarning")->close();
    QTRY_VERIFY(!f.box("readWarning"));
    f.click("cancelButton");

    QFile::remove(f.path);
    f.openWith(receptsFileBytes({threeRecepts[2]}));
    QVERIFY(f.button("saveButton")->isEnabled());
    QVERIFY(!QTest::qWaitFor([&] { return f.box("readWarning") != nullptr; }, 50));
    // One recipe now: one tab, one form, filled from the file rather than left from before.
    QCOMPARE(f.dialog->findChildren<ReceptForm*>().size(), 1);
    QCOMPARE(f.tabs()->tabText(0), QStringLiteral(" Recept 1"));
    QCOMPARE(f.onTab<QLineEdit>(0, "Name")->text(), threeRecepts[2].shortName);
}

void TestReceptsDialog::savesEveryRecipe_data()
{
    QTest::addColumn<QList<int>>("visited"); // the tabs shown after the first, in order
    QTest::addColumn<QByteArray>("line");     // of the file, changed on the third tab, and what it becomes
    QTest::addColumn<QByteArray>("edited");
    QTest::newRow("first tab only") << QList<int>{} << QByteArray() << QByteArray();
    QTest::newRow("every tab") << QList<int>{2, 1} << QByteArray() << QByteArray();
    QTest::newRow("edit on a tab visited late") << QList<int>{1, 2} << QByteArray("\"2\">5<") << QByteArray("\"2\">6<");
}

// A tab's form is built when the tab is first shown; Save writes every recipe, shown or not,
// values the forms cannot show (on the third tab) included.
void TestReceptsDialog::savesEveryRecipe()
{
    QFETCH(QList<int>, visited);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, edited);
    Fixture f;
    const QByteArray file = readFile(QFINDTESTDATA("data/recepts_three.xml"));
    f.openWith(file);
    QCOMPARE(f.tabs()->count(), 3);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QCOMPARE(f.forms(), 1);
    QVERIFY(f.dialog->findChild<QLabel*>("keptLabel")->text().startsWith("The file holds 3 thing(s)"));
    for (int tab : visited)
        f.tabs()->setCurrentIndex(tab);
    QCOMPARE(f.forms(), 1 + visited.size());
    if (!line.isEmpty()) {
        QCOMPARE(f.onTab<QSpinBox>(2, "waterRashod")->toolTip(),
                 "Stored value: 250. It is saved unchanged unless you change this field.");
        f.onTab<QSpinBox>(2, "vanilaRashod")->setValue(6);
    }
    QVERIFY(f.save());
    QCOMPARE(readFile(f.path), line.isEmpty() ? file : QByteArray(file).replace(line, edited));
}

void TestReceptsDialog::keepsWhatFormsCannotShow_data()
{
    QTest::addColumn<QString>("widget"); // on the first tab, changed by the user; none: no edit
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line"); // of the file, and what it becomes
    QTest::addColumn<QByteArray>("edited");
    QTest::newRow("no edit") << QString() << 0 << QByteArray() << QByteArray();
    QTest::newRow("other field") << "milkRashod" << 11 << QByteArray("\"0\">10<") << QByteArray("\"0\">11<");
    QTest::newRow("Water 250") << "waterRashod" << 100 << QByteArray("\"250\"") << QByteArray("\"100\"");
    QTest::newRow("Sugar -3") << "sugarRashod" << 7 << QByteArray("\"-3\"") << QByteArray("\"7\"");
    QTest::newRow("component 7") << "component_2" << 3 << QByteArray("1\">7<") << QByteArray("1\">3<");
    QTest::newRow("amount 250") << "vanilaRashod" << 50 << QByteArray(">250<") << QByteArray(">50<");
    QTest::newRow("slot water -5") << "teawaterRashod" << 9 << QByteArray(">-5<") << QByteArray(">9<");
}

// Other elements, attributes and comments, and values the widgets cannot show, are saved back
// unchanged; a value the user changes is saved as changed.
void TestReceptsDialog::keepsWhatFormsCannotShow()
{
    QFETCH(QString, widget);
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, edited);
    Fixture f;
    const QByteArray file = readFile(QFINDTESTDATA("data/recepts_kept.xml"));
    f.openWith(file);
    const QLabel* label = f.dialog->findChild<QLabel*>("keptLabel");
    QVERIFY(label->isVisible() && label->text().startsWith("The file holds 10 thing(s) that the forms cannot show"));
    QCOMPARE(f.onTab<QSpinBox>(0, "waterRashod")->value(), 200);
    QCOMPARE(f.onTab<QSpinBox>(0, "waterRashod")->toolTip(),
             "Stored value: 250. It is saved unchanged unless you change this field.");
    QCOMPARE(f.onTab<QComboBox>(0, "component_2")->currentIndex(), -1);
    if (auto* box = widget.isEmpty() ? nullptr : f.onTab<QSpinBox>(0, widget))
        box->setValue(value);
    else if (auto* combo = widget.isEmpty() ? nullptr : f.onTab<QComboBox>(0, widget))
        combo->setCurrentIndex(value);
    QVERIFY(widget.isEmpty() || f.onTab<QWidget>(0, widget)->toolTip().isEmpty());
    QVERIFY(f.save());
    QCOMPARE(readFile(f.path), line.isEmpty() ? file : QByteArray(file).replace(line, edited));
}

void TestReceptsDialog::fullDiskLeavesOldFile()
{
    Fixture f;
    std::vector<Recept> big = threeRecepts; // long names: far larger than the file size limit below
    big[0].shortName = big[0].fullName = QString(30000, QChar(0x0436));
    const QByteArray good = receptsFileBytes(big);
    f.openWith(good);
    f.onTab<QSpinBox>(2, "sugarRashod")->setValue(99); // a save that went through would show
    QCoreApplication::processEvents(); // painted here: Qt 6 paints with threads a forked child lacks

    QVERIFY(inChild([&f] { // every write past 64 KiB fails with EFBIG, as on a full disk
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return false;
        f.click("saveButton");
        return f.box("saveWarning") && f.box("saveWarning")->text().contains(f.path) && f.dialog->isVisible();
    }));
    QCOMPARE(readFile(f.path), good);
    QCOMPARE(f.files(), QStringList{QStringLiteral("recepts.xml")});

    // The same save without the limit goes through: the limit was what failed it.
    QVERIFY(f.save());
    big[2].sugarRashod = 99;
    QCOMPARE(readFile(f.path), receptsFileBytes(big));
}

void TestReceptsDialog::saveKeepsOwnership_data()
{
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<QString>("folderMode");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("another user's, group-shared") << false << "0755" << "nobody:nogroup 0640" << "nobody:nogroup 0640";
    QTest::newRow("read-only") << false << "0755" << "root:root 0444" << "root:root 0444";
    QTest::newRow("hard link") << false << "0755" << "nobody:root 0600" << "nobody:root 0600";
    // Only the file is writable: it is written in place, and stays as it was.
    QTest::newRow("nobody, root's folder") << true << "0755" << "nobody:nogroup 0644" << "nobody:nogroup 0644";
    // Only root may give a file away: the new file is the user's, with the old permissions.
    QTest::newRow("nobody, root's file") << true << "0777" << "root:root 0666" << "nobody:nogroup 0666";
}

void TestReceptsDialog::saveKeepsOwnership()
{
    if (geteuid() != 0)
        QSKIP("needs root, to give the test file to another user and to become the user nobody");
    QFETCH(bool, asNobody);
    QFETCH(QString, folderMode);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Fixture f;
    QVERIFY(setOwnership(f.dir.path(), "root:root " + folderMode));
    const QByteArray old = receptsFileBytes(threeRecepts);
    QVERIFY(writeFile(f.path, old));
    QVERIFY(setOwnership(f.path, before));
    const QString other = f.dir.filePath(QStringLiteral("other-name.xml"));
    const bool hardLink = QByteArray(QTest::currentDataTag()) == "hard link";
    if (hardLink)
        QCOMPARE(link(QFile::encodeName(f.path).constData(), QFile::encodeName(other).constData()), 0);

    f.open();
    f.onTab<QSpinBox>(0, "sugarRashod")->setValue(7);
    QVERIFY(asNobody ? inChild([&f] { return becomeNobody() && f.save(); }) : f.save());
    QCOMPARE(ownership(f.path), after);
    std::vector<Recept> saved = threeRecepts;
    saved[0].sugarRashod = 7;
    QCOMPARE(readFile(f.path), receptsFileBytes(saved));
    if (hardLink) // replaced as a whole: the other name keeps the old file
        QCOMPARE(readFile(other), old);
}

void TestReceptsDialog::asksBeforeOverwritingChange_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("Overwrite") << QByteArray("overwriteButton");
    QTest::newRow("Cancel") << QByteArray("keepEditsButton");
}

void TestReceptsDialog::asksBeforeOverwritingChange()
{
    QFETCH(QByteArray, button);
    const bool overwritten = button == "overwriteButton";
    Fixture f;
    f.openWith(receptsFileBytes(threeRecepts));
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

// The first showing with tabs widens the dialog; it is centred on the main menu for that size.
void TestReceptsDialog::fitsOnScreen()
{
    Fixture f;
    QVERIFY(screenScaled);
    f.menu.setGeometry(700, 500, 400, 200);
    f.openWith(receptsFileBytes(threeRecepts));
    QTRY_VERIFY(f.dialog->windowHandle() && f.dialog->windowHandle()->isExposed());
    QCoreApplication::processEvents();
    const QRect frame = f.dialog->frameGeometry();
    QVERIFY(frame.width() > 900); // wider than the first showing, 622
    QVERIFY2((frame.center() - QPoint(900, 600)).manhattanLength() <= 2, qPrintable(QString::number(frame.x())));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(screen.width(), 1600); // Qt 6 makes it 1600 high, Qt 5 1200
    QVERIFY(screen.contains(frame));
}

void TestReceptsDialog::keepsFileAsRead_data()
{
    QTest::addColumn<QString>("file"); // under data/kept/, and <file>_edited.xml
    QTest::addColumn<QString>("edit"); // the first recipe's new full name
    QTest::addColumn<QString>("secondTab");
    QTest::addColumn<QString>("marked"); // a widget of the first recipe and its tooltip's start
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("sparse IDs") << "sparse_ids" << "Edited" << " Recept 2" << "" << "";
    QTest::newRow("shared IDs") << "shared_ids" << "Edited" << " Recept 2 (shares ID 0)" << "" << "";
    QTest::newRow("text value") << "text_value" << "Edited" << "" << "sugarRashod" << "Stored value: \"abc\".";
    QTest::newRow("empty value") << "empty_value" << "Edited" << "" << "waterRashod" << "Stored value: \"\".";
    QTest::newRow("fraction") << "fraction" << "Edited" << "" << "milkRashod" << "Stored value: \"5.0\".";
    QTest::newRow("overflow") << "overflow" << "Edited" << "" << "component_1" << "Stored value: \"99999999999\".";
    QTest::newRow("long name") << "long_name" << "Edited" << "" << "" << "";
    QTest::newRow("windows-1251") << "windows1251" << QStringLiteral("Чай \u4E2D") << "" << "" << "";
    QTest::newRow("UTF-16") << "utf16" << "Edited" << "" << "" << "";
    QTest::newRow("attribute order") << "attribute_order" << "Edited" << "" << "" << "";
    QTest::newRow("nested kept elements") << "nested_kept" << "Edited" << "" << "" << "";
}

// Saved with no edit, twice, the file is unchanged; an edit elsewhere changes just that field.
void TestReceptsDialog::keepsFileAsRead()
{
    QFETCH(QString, file);
    QFETCH(QString, edit);
    QFETCH(QString, secondTab);
    QFETCH(QString, marked);
    QFETCH(QString, tooltip);
    const QByteArray original = readFile(QFINDTESTDATA("data/kept/" + file + ".xml"));
    Fixture f;
    f.openWith(original);
    if (!secondTab.isEmpty())
        QCOMPARE(f.tabs()->tabText(1), secondTab);
    if (!marked.isEmpty())
        QVERIFY2(f.onTab<QWidget>(0, marked)->toolTip().startsWith(tooltip), qPrintable(f.onTab<QWidget>(0, marked)->toolTip()));
    for (int save = 0; save < 2; ++save) {
        QVERIFY(f.save());
        QCOMPARE(readFile(f.path), original);
        f.open();
    }
    f.onTab<QLineEdit>(0, "fullName_lineEdit")->setText(edit);
    QVERIFY(f.save());
    QCOMPARE(readFile(f.path), readFile(QFINDTESTDATA("data/kept/" + file + "_edited.xml")));
}

// A file of exactly the reading limit saves unchanged; an edit that takes it over is refused.
void TestReceptsDialog::refusesFileOverLimit()
{
    QByteArray original = readFile(QFINDTESTDATA("data/kept/text_value.xml"));
    const QByteArray comment(" <!--" + QByteArray(1000, 'c') + "-->\n");
    original.insert(original.indexOf(" <Recept_0>"), comment.repeated(4150) + " <!--" + QByteArray(6209, 'c') + "-->\n");
    QCOMPARE(original.size(), 4 * 1024 * 1024); // exactly the limit
    Fixture f;
    f.openWith(original);
    QVERIFY(f.save());
    QCOMPARE(readFile(f.path), original);
    f.open();
    f.onTab<QLineEdit>(0, "fullName_lineEdit")->setText(QString(20000, QLatin1Char('x')));
    f.click("saveButton");
    QVERIFY(f.box("tooLargeWarning") && f.dialog->isVisible());
    QCOMPARE(f.onTab<QLineEdit>(0, "fullName_lineEdit")->text().size(), 20000);
    QCOMPARE(readFile(f.path), original);
}

// Escape with edits asks; Keep editing keeps them, Discard drops them.
void TestReceptsDialog::strayEscapeKeepsEdits()
{
    Fixture f;
    f.openWith(receptsFileBytes(threeRecepts));
    f.onTab<QSpinBox>(1, "waterRashod")->setValue(77);
    QTest::keyClick(f.dialog, Qt::Key_Escape);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.box("discardQuestion")->text(), QStringLiteral("Discard your changes to 1 recipe(s)?"));
    QTest::mouseClick(f.box("discardQuestion")->findChild<QPushButton*>("keepEditingButton"), Qt::LeftButton);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.onTab<QSpinBox>(1, "waterRashod")->value(), 77);
    QTest::keyClick(f.dialog, Qt::Key_Escape);
    QTest::mouseClick(f.box("discardQuestion")->findChild<QPushButton*>("discardButton"), Qt::LeftButton);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(readFile(f.path), receptsFileBytes(threeRecepts));
}

QUELLARO_TEST_MAIN(TestReceptsDialog)
#include "tst_receptsdialog.moc"
