#include "test_support.h"

#include "settings/controller_address.h"
#include "settings/settingsdialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

QString storePath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orbanek/Quellaro.conf";
}

// Replaces the whole text of a field by typing, as the technician would.
void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

    QWidget* menu = nullptr; // stands for the main menu, the dialog's parent
    SettingsDialog* dialog = nullptr;
    QLineEdit *address = nullptr, *port = nullptr, *path = nullptr;
    QSpinBox* temperature = nullptr;

    void showDialog() // as the main menu does it
    {
        menu->hide();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }
    // The line that says why a field's value cannot be saved, if one shows.
    QString problemShown() const
    {
        for (QLabel* line : dialog->findChildren<QLabel*>(QRegularExpression("ProblemLabel$"))) {
            if (line->isVisible())
                return line->objectName();
        }
        return QString();
    }
    void click(const char* button) { QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton); }
    // Save was refused with the message `name`, naming `what`: the dialog open, the store unchanged.
    void expectRefusal(const QString& name, const QByteArray& storeBefore, const QString& what)
    {
        auto* box = dialog->findChild<QMessageBox*>(name);
        QVERIFY2(box && box->isVisible(), qPrintable(name));
        QVERIFY2(box->text().contains(what), qPrintable(box->text()));
        QVERIFY(dialog->isVisible() && !menu->isVisible());
        QCOMPARE(readFile(storePath()), storeBefore);
        box->close();
    }

private slots:
    void init()
    {
        clearSettings();
        menu = new QWidget;
        dialog = new SettingsDialog(menu);
        address = dialog->findChild<QLineEdit*>("ipAdressEdit");
        port = dialog->findChild<QLineEdit*>("portEdit");
        temperature = dialog->findChild<QSpinBox*>("temperatureSpinBox");
        path = dialog->findChild<QLineEdit*>("receptsFilePathlineEdit");
        QVERIFY(address && port && temperature && path);
    }
    void cleanup()
    {
        delete menu;
        QDir(storePath()).removeRecursively(); // left by a failed failedSaveKeepsTheDialogOpen
    }

    // The one place that spells the stored keys: other versions and the technicians' notes use them.
    void storedFile()
    {
        showDialog();
        QCOMPARE(address->text(), "127.0.0.1");
        QCOMPARE(port->text(), "2050");
        QCOMPARE(temperature->value(), 80);
        QCOMPARE(path->text(), QDir::currentPath() + "/recepts.xml");
        retype(address, "192.168.001.010");
        retype(port, "3000");
        temperature->setValue(70);
        path->setText("/srv/r.xml");
        click("saveButton");
        QVERIFY(!dialog->isVisible() && menu->isVisible());
        QCOMPARE(readFile(storePath()), QByteArray("[Settings]\n"
                                                      "Network\\IPAdress=192.168.1.10\n"
                                                      "Network\\IPPort=3000\n"
                                                      "Recepts\\ReceptsFilePath=/srv/r.xml\n"
                                                      "Temperature\\Temperature_1=70\n"));
    }

    // Null: nothing stored / field not touched / Save refused with the message named in savedPort.
    // A stored value that cannot be used is marked on open: the line under its field says why.
    void addressAndPort_data()
    {
        QTest::addColumn<QString>("storedHost");
        QTest::addColumn<QString>("storedPort");
        QTest::addColumn<QString>("markedOnOpen");
        QTest::addColumn<QString>("typedHost");
        QTest::addColumn<QString>("typedPort");
        QTest::addColumn<QString>("savedHost");
        QTest::addColumn<QString>("savedPort");
        const auto row = [](const char* name, std::initializer_list<const char*> values) {
            QTestData& data = QTest::newRow(name);
            for (const char* value : values)
                data << QString(value); // nullptr: a null text
        };
        const char *none = nullptr, *badAddress = "addressProblemLabel", *badPort = "portProblemLabel";
        row("nothing stored", {none, none, none, none, none, "127.0.0.1", "2050"});
        row("host name kept", {"localhost", "2050", none, none, none, "localhost", "2050"});
        row("host name replaced", {"localhost", "2050", none, "10.0.0.1", none, "10.0.0.1", "2050"});
        row("stored zeros kept", {"192.168.001.010", "2050", none, none, none, "192.168.001.010", "2050"});
        row("stored port 104507", {"10.0.0.1", "104507", badPort, none, none, none, "portMessage"});
        row("stored address 1.2.3.999", {"1.2.3.999", "2050", badAddress, none, none, none, "addressMessage"});
        row("stored address replaced", {"1.2.3.4.5", "2050", badAddress, "10.0.0.1", none, "10.0.0.1", "2050"});
        row("port abc replaced", {"localhost", "abc", badPort, none, "3000", "localhost", "3000"});
        row("port emptied", {none, none, none, none, "", none, "portMessage"});
        row("70000 typed whole", {none, none, none, none, "70000", none, "portMessage"});
        row("letters typed whole", {none, none, none, none, "6553a6", none, "portMessage"});
        row("group above 255", {none, none, none, "192.168.1.256", none, none, "addressMessage"});
        row("1000.1.1.1 typed whole", {none, none, none, "1000.1.1.1", none, none, "addressMessage"});
        row("host name typed", {"localhost", "2050", none, "otherhost", none, "otherhost", "2050"});
        row("IPv6 typed", {none, none, none, "2001:db8::1", none, "2001:db8::1", "2050"});
        row("IPv6 stored", {"::1", "2050", none, none, none, "::1", "2050"});
        row("blank in a typed name", {none, none, none, "my host", none, none, "addressMessage"});
        row("bad IPv6 typed", {none, none, none, "2001:db8::zz", none, none, "addressMessage"});
        row("port 0", {none, none, none, none, "0", none, "portMessage"});
        row("six-digit port", {none, none, none, none, "002050", none, "portMessage"});
        row("group of 255", {none, none, none, "10.0.0.255", none, "10.0.0.255", "2050"});
        row("::1 typed", {none, none, none, "::1", none, "::1", "2050"});
        row("[::1] typed", {none, none, none, "[::1]", none, "::1", "2050"});
        row("[::1] stored", {"[::1]", "2050", none, none, none, "[::1]", "2050"});
        row("host with a port", {none, none, none, "host:2050", none, none, "addressMessage"});
        row("address with a port", {none, none, none, "10.0.0.1:2050", none, none, "addressMessage"});
        row("[::1] with a port", {none, none, none, "[::1]:2050", none, none, "addressMessage"});
    }
    void addressAndPort()
    {
        QFETCH(QString, storedHost);
        QFETCH(QString, storedPort);
        QFETCH(QString, markedOnOpen);
        QFETCH(QString, typedHost);
        QFETCH(QString, typedPort);
        QFETCH(QString, savedHost);
        QFETCH(QString, savedPort);
        if (!storedHost.isNull()) {
            SettingsStore::setControllerHost(storedHost);
            SettingsStore::setControllerPort(storedPort);
        }
        const QByteArray before = readFile(storePath());
        showDialog();
        QCOMPARE(address->text(), storedHost.isNull() ? "127.0.0.1" : storedHost);
        QCOMPARE(port->text(), storedPort.isNull() ? "2050" : storedPort);
        QCOMPARE(problemShown(), markedOnOpen);
        if (!typedHost.isNull())
            retype(address, typedHost);
        if (!typedPort.isNull())
            retype(port, typedPort);
        click("saveButton");
        if (!savedHost.isNull()) {
            QVERIFY(!dialog->isVisible() && menu->isVisible());
            QCOMPARE(SettingsStore::controllerHost(), savedHost);
            QCOMPARE(SettingsStore::controllerPort(), savedPort);
            return;
        }
        const bool portRefused = savedPort == "portMessage";
        const QString typed = portRefused ? typedPort : typedHost; // the message names it whole
        const QString refused = typed.isNull() ? portRefused ? storedPort : storedHost : typed;
        expectRefusal(savedPort, before, refused);
        QCOMPARE(problemShown(), portRefused ? "portProblemLabel" : "addressProblemLabel");
        click("saveButton"); // until the value is edited
        expectRefusal(savedPort, before, refused);
    }

    void temperatureAsStored_data()
    {
        QTest::addColumn<QString>("stored");
        for (const char* stored : {"150", "abc", "85.5", "0x50", "99999999999", "-4", " 90"})
            QTest::newRow(stored) << QString(stored);
    }

    // A stored temperature that is no whole number from 0 to 99 is shown as stored, marked and
    // kept unless edited; it never wraps.
    void temperatureAsStored()
    {
        QFETCH(QString, stored);
        SettingsStore::setBoilerTemperatureText(stored);
        showDialog();
        QCOMPARE(temperature->text(), stored);
        QCOMPARE(problemShown(), "temperatureProblemLabel");
        click("saveButton");
        QCOMPARE(SettingsStore::boilerTemperatureText(), stored);
        showDialog();
        temperature->setValue(85);
        QCOMPARE(problemShown(), QString());
        click("saveButton");
        QVERIFY(readFile(storePath()).contains("Temperature_1=85\n"));
    }

    // A host typed with a port is refused with a message that sends the port to its field.
    void portInAddress()
    {
        showDialog();
        retype(address, "[::1]:2050");
        click("saveButton");
        QCOMPARE(dialog->findChild<QMessageBox*>("addressMessage")->text(),
                 "The address [::1]:2050 holds a port: give the address alone here and the port in the port field.");
        retype(address, "host:5");
        click("saveButton");
        QCOMPARE(dialog->findChild<QMessageBox*>("addressMessage")->text(),
                 "The address host:5 holds a port: give the address alone here and the port in the port field.");
    }

    // A stored temperature within the range steps down to 0, the bottom of the range.
    void temperatureStepsToZero()
    {
        SettingsStore::setBoilerTemperature(5);
        showDialog();
        temperature->stepBy(-10);
        QCOMPARE(temperature->value(), 0);
    }

    void onlyEditedKeysWritten_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QByteArray>("edited"); // "port": the port typed anew; else no edit
        QTest::addColumn<QByteArray>("saved");
        const QByteArray commented("; kept by hand\n[Settings]\nNetwork\\IPAdress=10.0.0.7\n");
        QTest::newRow("nothing stored") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("comments, no edit") << commented << QByteArray() << commented;
        QTest::newRow("relative path") << QByteArray("[Settings]\nRecepts\\ReceptsFilePath=r.xml\n") << QByteArray()
                                       << QByteArray("[Settings]\nRecepts\\ReceptsFilePath=r.xml\n");
        QTest::newRow("port edited") << commented << QByteArray("port")
                                     << QByteArray("[Settings]\nNetwork\\IPAdress=10.0.0.7\nNetwork\\IPPort=3000\n");
    }

    // Save writes the keys edited and no others: an unset recipes path stays unset.
    void onlyEditedKeysWritten()
    {
        QFETCH(QByteArray, store);
        QFETCH(QByteArray, edited);
        QFETCH(QByteArray, saved);
        QFile::remove(storePath());
        QVERIFY(QDir().mkpath(QFileInfo(storePath()).path()));
        if (!store.isEmpty())
            QVERIFY(writeFile(storePath(), store));
        showDialog();
        if (edited == "port")
            retype(port, "3000");
        click("saveButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(readFile(storePath()), saved);
        QCOMPARE(QFileInfo::exists(storePath()), !saved.isEmpty());
    }

    // As the panels' link-state line names the controller: an IPv6 address in brackets.
    void hostAndPort()
    {
        QCOMPARE(ControllerAddress::fromSettings("2001:db8::1", "2050").hostAndPort(), "[2001:db8::1]:2050");
        QCOMPARE(ControllerAddress::fromSettings("192.168.001.010", "2050").hostAndPort(), "192.168.1.10:2050");
        QCOMPARE(ControllerAddress::fromSettings("localhost", "80").hostAndPort(), "localhost:80");
    }

    // Written by hand in UTF-8, or by Qt 5 with escapes: read the same on both Qts.
    void readsHandEditedUtf8_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("host");
        QTest::newRow("UTF-8") << QByteArray("IPAdress=\xd0\xba\xd0\xbe\xd1\x84\xd0\xb5.local") << QStringLiteral("кофе.local");
        QTest::newRow("escaped") << QByteArray("IPAdress=caf\\xe9") << QStringLiteral("café");
    }

    void readsHandEditedUtf8()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, host);
        QVERIFY(writeFile(storePath(), "[Settings]\nNetwork\\" + line + "\n"));
        QCOMPARE(SettingsStore::controllerHost(), host);
    }

    void failedSaveKeepsTheDialogOpen()
    {
        QFile::remove(storePath());
        QVERIFY(QDir().mkpath(storePath())); // a store that cannot be written
        showDialog();
        retype(port, "3000");
        click("saveButton");
        expectRefusal("saveFailedMessage", QByteArray(), storePath());
        QCOMPARE(port->text(), "3000");
        QDir(storePath()).removeRecursively();
        click("saveButton");
        QVERIFY(!dialog->isVisible() && menu->isVisible());
        QCOMPARE(SettingsStore::controllerPort(), "3000");
    }

    void closeWithoutSaving()
    {
        setControllerAddress("10.0.0.2", 3000);
        SettingsStore::setBoilerTemperature(70);
        SettingsStore::setReceptsFilePath("/srv/a.xml");
        const QByteArray before = readFile(storePath());
        showDialog();
        retype(address, "10.9.9.9");
        retype(port, "4444");
        temperature->setValue(12);
        path->setText("/srv/b.xml");
        QVERIFY(dialog->findChild<QLabel*>("pathNote")->isVisibleTo(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape); // a stray key keeps the edits
        auto* question = dialog->findChild<QMessageBox*>("discardQuestion");
        QCOMPARE(question->text(), "Discard your changes to the settings?");
        QTest::mouseClick(question->findChild<QPushButton*>("keepEditingButton"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(port->text(), "4444");
        click("cancelButton");
        QTest::mouseClick(dialog->findChild<QMessageBox*>("discardQuestion")->findChild<QPushButton*>("discardButton"),
                          Qt::LeftButton);
        QVERIFY2(!dialog->isVisible() && menu->isVisible(), "the main menu comes back");
        QCOMPARE(readFile(storePath()), before);
        showDialog();
        QCOMPARE(address->text(), "10.0.0.2");
        QCOMPARE(port->text(), "3000");
        QCOMPARE(temperature->value(), 70);
        QCOMPARE(path->text(), "/srv/a.xml");
    }

    void pickRecipesFile()
    {
        QString picked; // empty: the technician cancelled
        dialog->setFilePicker([&](QWidget*, const QString&, const QString&, const QString&) { return picked; });
        showDialog();
        click("openpushButton");
        QCOMPARE(path->text(), QDir::currentPath() + "/recepts.xml");
        picked = "/media/usb/recepts2.xml";
        click("openpushButton");
        QCOMPARE(path->text(), picked);
    }
};

QUELLARO_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
