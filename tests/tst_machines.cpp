// The machines of the route: their files, the chosen machine and its address in the stored
// keys, import and export, the first start after an update, --machine, the Machines window.
#include "test_support.h"

#include "connection/link_factory.h"
#include "link/cm_netmessge.h"
#include "machines/machine_store.h"
#include "machines/machines_dialog.h"
#include "settings/settings_store.h"
#include "settings/settingsdialog.h"
#include "shell/quellaro.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>

#include <memory>

namespace {

Machine machine(const QString& name, const QString& address = QStringLiteral("10.0.0.5"),
                const QString& port = QStringLiteral("2050"))
{
    Machine m;
    m.name = name;
    m.site = QStringLiteral("Hall B");
    m.serial = QStringLiteral("SN-0042");
    m.notes = QStringLiteral("behind the stairs");
    m.address = address;
    m.port = port;
    return m;
}

QStringList names(const MachineStore& store)
{
    QStringList found;
    const QVector<Machine> machines = store.list();
    for (const Machine& m : machines)
        found << m.name;
    found.sort();
    return found;
}

} // namespace

class TestMachines : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString root() const { return dir.filePath(QStringLiteral("machines")); }

private slots:
    void init()
    {
        QDir(root()).removeRecursively();
        QDir(MachineStore::defaultFolder()).removeRecursively();
        clearSettings();
    }

    void addEditDuplicateRemove()
    {
        MachineStore store(root());
        Machine lobby = machine(QStringLiteral("Lobby"));
        QString error;
        QVERIFY2(store.add(lobby, &error), qPrintable(error));
        QCOMPARE(lobby.id, QStringLiteral("lobby"));
        const QJsonObject file = QJsonDocument::fromJson(readFile(root() + QStringLiteral("/lobby.json"))).object();
        QCOMPARE(file.value("name").toString(), QStringLiteral("Lobby"));
        QCOMPARE(file.value("site").toString(), QStringLiteral("Hall B"));
        QCOMPARE(file.value("serial").toString(), QStringLiteral("SN-0042"));
        QCOMPARE(file.value("address").toString(), QStringLiteral("10.0.0.5"));
        QCOMPARE(file.value("port").toInt(), 2050);

        Machine same = machine(QStringLiteral(" lobby "));
        QVERIFY(!store.add(same, &error));
        QCOMPARE(error, QStringLiteral("a machine named \"Lobby\" is there already"));
        Machine nameless = machine(QString());
        QVERIFY(!store.add(nameless, &error));
        QCOMPARE(error, QStringLiteral("the machine has no name"));

        lobby.name = QStringLiteral("Lobby east");
        lobby.port = QStringLiteral("2051");
        QVERIFY(store.save(lobby, &error));
        Machine read;
        QVERIFY(store.find(QStringLiteral("lobby"), &read));
        QCOMPARE(read, lobby);

        Machine copy;
        QVERIFY(store.duplicate(lobby.id, &copy, &error));
        QVERIFY(store.duplicate(lobby.id, &copy, &error));
        QCOMPARE(names(store), (QStringList{"Lobby east", "Lobby east (copy 2)", "Lobby east (copy)"}));
        QCOMPARE(copy.address, QStringLiteral("10.0.0.5"));
        QCOMPARE(copy.port, QStringLiteral("2051"));

        QDir().mkpath(store.machineFolder(lobby.id) + QStringLiteral("/20261207-101010"));
        QVERIFY(store.remove(lobby.id, &error));
        QCOMPARE(names(store), (QStringList{"Lobby east (copy 2)", "Lobby east (copy)"}));
        QVERIFY(!QFileInfo::exists(store.machineFolder(lobby.id)));

        // A chosen machine whose file went another way is chosen no more.
        QVERIFY(store.choose(copy.id, &error));
        QCOMPARE(store.currentId(), copy.id);
        QVERIFY(QFile::remove(root() + "/" + copy.id + ".json"));
        QCOMPARE(store.currentId(), QString());
    }

    void refusedMachine_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("error");
        QTest::newRow("address") << "1.2.3.999"
                                 << "2050"
                                 << "the address \"1.2.3.999\" cannot be used";
        QTest::newRow("port too large") << "10.0.0.1"
                                        << "65536"
                                        << "the port \"65536\" is not a number from 1 to 65535";
        QTest::newRow("port zero") << "10.0.0.1"
                                   << "0"
                                   << "the port \"0\" is not a number from 1 to 65535";
        QTest::newRow("highest port") << "10.0.0.1"
                                      << "65535"
                                      << "";
    }

    void refusedMachine()
    {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, error);
        MachineStore store(root());
        Machine m = machine(QStringLiteral("M"), address, port);
        QString why;
        QCOMPARE(store.add(m, &why), error.isEmpty());
        QCOMPARE(why, error);
    }

    // A bad file among good ones adds nothing; export and import again gives the same machines.
    void importAndExport_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("error");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "it is not JSON: unterminated object at byte 11";
        QTest::newRow("other JSON") << QByteArray("{\"name\": \"X\"}") << "it is not a machine file";
        QTest::newRow("newer version") << QByteArray("{\"format\":\"quellaro-machine\",\"version\":2,\"name\":\"X\"}")
                                       << "its version 2 is not known";
        QTest::newRow("no name") << QByteArray(
            "{\"format\":\"quellaro-machine\",\"version\":1,\"name\":\"\",\"address\":\"1.2.3.4\",\"port\":2050}")
                                 << "the machine has no name";
        QTest::newRow("name taken") << QByteArray(
            "{\"format\":\"quellaro-machine\",\"version\":1,\"name\":\"depot\",\"address\":\"1.2.3.4\",\"port\":2050}")
                                    << "a machine named \"Depot\" is there already";
        QTest::newRow("named twice") << QByteArray(
            "{\"format\":\"quellaro-machine\",\"version\":1,\"name\":\"kiosk\",\"address\":\"1.2.3.4\",\"port\":2050}")
                                     << "another file imported names \"kiosk\" too";
    }

    void importAndExport()
    {
        QFETCH(QByteArray, bad);
        QFETCH(QString, error);
        MachineStore store(root());
        Machine kiosk = machine(QStringLiteral("Kiosk"), QStringLiteral("kiosk.local"), QStringLiteral("4001"));
        Machine station = machine(QStringLiteral("Станция"));
        QString why;
        QVERIFY(store.add(kiosk, &why) && store.add(station, &why));
        QTemporaryDir out;
        QVERIFY(store.exportTo({kiosk.id, station.id}, out.path(), &why));

        QTemporaryDir otherRoot;
        MachineStore other(otherRoot.path());
        Machine first = machine(QStringLiteral("Depot"));
        QVERIFY(other.add(first, &why));
        const QString badPath = out.filePath(QStringLiteral("bad.json"));
        QVERIFY(writeFile(badPath, bad));
        const QStringList exported{out.filePath(kiosk.id + ".json"), out.filePath(station.id + ".json")};
        QVERIFY(!other.importFiles(exported + QStringList{badPath}, &why));
        QCOMPARE(why, QStringLiteral("%1 was not imported: %2").arg(badPath, error));
        QCOMPARE(names(other), QStringList{"Depot"});

        QVERIFY2(other.importFiles(exported, &why), qPrintable(why));
        QCOMPARE(names(other), (QStringList{"Depot", "Kiosk", "Станция"}));
        Machine back;
        QVERIFY(other.findByName(QStringLiteral("Kiosk"), &back));
        back.id = kiosk.id;
        QCOMPARE(back, kiosk);
    }

    // The first start after an update makes one machine of the stored keys; later starts leave
    // the machines alone, even when the chosen one was removed.
    void firstStartMigration()
    {
        setControllerAddress(QStringLiteral("192.168.001.010"), 4321);
        MachineStore store(root());
        store.migrateStoredAddress();
        Machine m;
        QVERIFY(store.current(&m));
        QCOMPARE(m.name, QStringLiteral("Machine 1"));
        QCOMPARE(m.address, QStringLiteral("192.168.001.010"));
        QCOMPARE(m.port, QStringLiteral("4321"));
        store.migrateStoredAddress();
        QCOMPARE(names(store), QStringList{"Machine 1"});
        Machine second = machine(QStringLiteral("Second"));
        QString error;
        QVERIFY(store.add(second, &error) && store.remove(m.id, &error));
        store.migrateStoredAddress();
        QCOMPARE(names(store), QStringList{"Second"});
    }

    // Choosing a machine points the link at it; the settings dialog's Save writes its
    // address back to the chosen machine's file.
    void linkGoesToChosenMachine()
    {
        QTcpServer first, second;
        QVERIFY(first.listen(QHostAddress::LocalHost) && second.listen(QHostAddress::LocalHost));
        MachineStore store;
        Machine a = machine(QStringLiteral("A"), QStringLiteral("127.0.0.1"), QString::number(first.serverPort()));
        Machine b = machine(QStringLiteral("B"), QStringLiteral("127.0.0.1"), QString::number(second.serverPort()));
        QString error;
        QVERIFY(store.add(a, &error) && store.add(b, &error));
        for (auto [chosen, server, other] :
             {std::make_tuple(a, &first, &second), std::make_tuple(b, &second, &first)}) {
            QVERIFY(store.choose(chosen.id, &error));
            const std::unique_ptr<CM_NetMessge> client(LinkFactory::newClient());
            QTRY_VERIFY_WITH_TIMEOUT(server->hasPendingConnections(), 5000);
            while (server->hasPendingConnections())
                delete server->nextPendingConnection();
            QVERIFY(!other->hasPendingConnections());
        }
        QCOMPARE(SettingsStore::controllerPort(), QString::number(second.serverPort()));

        Quellaro menu;
        QCOMPARE(menu.findChild<QLabel*>("currentMachineLabel")->text(),
                 QStringLiteral("Machine: B (127.0.0.1:%1)").arg(second.serverPort()));
        auto* settings = menu.findChild<SettingsDialog*>();
        settings->show();
        settings->findChild<QLineEdit*>("ipAdressEdit")->setText(QStringLiteral("10.1.1.9"));
        settings->findChild<QLineEdit*>("portEdit")->setText(QStringLiteral("2099"));
        settings->findChild<QPushButton*>("saveButton")->click();
        Machine saved;
        QVERIFY(store.find(b.id, &saved));
        QCOMPARE(saved.address, QStringLiteral("10.1.1.9"));
        QCOMPARE(saved.port, QStringLiteral("2099"));
        QCOMPARE(menu.findChild<QLabel*>("currentMachineLabel")->text(), QStringLiteral("Machine: B (10.1.1.9:2099)"));
    }

    // The window chooses, duplicates and removes (asking first); the menu follows.
    void machinesWindow()
    {
        MachineStore store; // the program's own folder, in the test's data home
        QString error;
        Machine a = machine(QStringLiteral("Alpha"));
        Machine b = machine(QStringLiteral("Beta"), QStringLiteral("10.9.9.9"));
        QVERIFY(store.add(a, &error) && store.add(b, &error) && store.choose(a.id, &error));
        const auto visit = [&store](const Machine& m, const char* name, const char* begin, const char* outcome) {
            const QString folder = store.machineFolder(m.id) + "/" + QString::fromLatin1(name);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(folder + "/visit.json",
                              QByteArray("{\"machine\": \"x\", \"begin\": \"") + begin + "\", \"outcome\": \"" + outcome
                                  + "\"}"));
        };
        visit(a, "20261206-090000", "2026-12-06T09:00:00.000+00:00", "errors");
        visit(b, "20261207-090000", "2026-12-07T09:00:00.000+00:00", "no-connection");
        visit(b, "20261201-090000", "2026-12-01T09:00:00.000+00:00", "ok");
        Quellaro menu;
        menu.show();
        menu.findChild<QPushButton*>("showMachinesButton")->click();
        auto* window = menu.findChild<MachinesDialog*>();
        QVERIFY(window->isVisible());
        QVERIFY(!menu.isVisible());
        auto* table = window->findChild<QTableWidget*>("machinesTable");
        QCOMPARE(table->rowCount(), 2);
        // The last visited first, with the outcome of its last visit.
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Beta"));
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("No connection"));
        QCOMPARE(table->item(1, 4)->text(), QStringLiteral("Errors seen"));
        QCOMPARE(window->selectedId(), a.id);
        window->selectMachine(b.id);
        window->findChild<QPushButton*>("chooseButton")->click();
        QCOMPARE(store.currentId(), b.id);
        QCOMPARE(SettingsStore::controllerHost(), QStringLiteral("10.9.9.9"));
        QCOMPARE(menu.findChild<QLabel*>("currentMachineLabel")->text(),
                 QStringLiteral("Machine: Beta (10.9.9.9:2050)"));

        window->findChild<QPushButton*>("duplicateButton")->click();
        QCOMPARE(table->rowCount(), 3);
        window->selectMachine(a.id);
        window->findChild<QPushButton*>("removeButton")->click();
        auto* question = window->findChild<QMessageBox*>("removeQuestion");
        QVERIFY(question);
        QCOMPARE(question->text(), QStringLiteral("Remove the machine \"Alpha\" and everything kept of its visits?"));
        QCOMPARE(table->rowCount(), 3);
        window->findChild<QPushButton*>("confirmRemoveButton")->click();
        QTRY_COMPARE(table->rowCount(), 2);
        QCOMPARE(names(store), (QStringList{"Beta", "Beta (copy)"}));
        window->close();
        QVERIFY(menu.isVisible());
    }

    void machineOption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("known") << "Кофе 2" << 0 << "";
        QTest::newRow("unknown") << "Nowhere" << 1 << "Quellaro: there is no machine named \"Nowhere\"\n";
    }

    void machineOption()
    {
        QFETCH(QString, name);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        MachineStore store;
        QString why;
        Machine one = machine(QStringLiteral("Кофе 1"), QStringLiteral("10.0.0.1"));
        Machine two = machine(QStringLiteral("Кофе 2"), QStringLiteral("10.0.0.2"), QStringLiteral("2777"));
        if (!store.findByName(one.name, &one))
            QVERIFY(store.add(one, &why) && store.add(two, &why));
        QVERIFY(store.choose(one.id, &why));
        QProcess program;
        program.start(QStringLiteral(QUELLARO_PROGRAM), {"--machine", name, "-platform", "offscreen"});
        QVERIFY(program.waitForStarted());
        if (exitCode == 0) {
            QTRY_COMPARE_WITH_TIMEOUT(SettingsStore::controllerPort(), QStringLiteral("2777"), 10000);
            program.kill();
        }
        QVERIFY(program.waitForFinished(10000));
        if (exitCode != 0) {
            QCOMPARE(program.exitCode(), exitCode);
            const QString said = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(said.endsWith(error), qPrintable(said));
        }
    }
};

QUELLARO_TEST_MAIN(TestMachines)
#include "tst_machines.moc"
