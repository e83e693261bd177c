// The visits: the folder of a visit against the simulator, the size limit, a killed program's
// visit.
#include "test_support.h"

#include "connection/link_factory.h"
#include "link/cm_netmessge.h"
#include "machines/machine_store.h"
#include "recipes/receptsdialog.h"
#include "shell/quellaro.h"
#include "simulator/simulator_server.h"
#include "visits/visit_folder.h"
#include "visits/visit_recorder.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

#include <memory>

class TestVisits : public QObject
{
    Q_OBJECT

    MachineStore store; // the program's own folder, in the test's data home

    Machine addMachine(const QString& name, quint16 port)
    {
        Machine machine;
        machine.name = name;
        machine.site = QStringLiteral("Hall B");
        machine.address = QStringLiteral("127.0.0.1");
        machine.port = QString::number(port);
        QString error;
        if (!store.findByName(name, &machine))
            store.add(machine, &error);
        store.choose(machine.id, &error);
        return machine;
    }

private slots:
    void initTestCase() { VisitRecorder::install(&store); }

    // From the first connection: the trace, the note, the recipes around a Save; at the end
    // the history and the outcome.
    void visitFolder()
    {
        SimulatorServer sim;
        QVERIFY(sim.listen(QHostAddress::LocalHost, 0));
        const Machine machine = addMachine(QStringLiteral("Lobby"), sim.serverPort());
        QTemporaryDir work;
        const QString recipes = work.filePath(QStringLiteral("recepts.xml"));
        QVERIFY(QFile::copy(QStringLiteral(QUELLARO_SOURCE "/recipes/examples/recepts.xml"), recipes));
        SettingsStore::setReceptsFilePath(recipes);
        const QByteArray original = readFile(recipes);
        VisitRecorder::setNote(QStringLiteral("replaced pump seal"));
        QVERIFY(VisitRecorder::currentFolder().isEmpty());

        Quellaro menu;
        {
            const std::unique_ptr<CM_NetMessge> client(LinkFactory::newClient());
            QSignalSpy answers(client.get(), &CM_NetMessge::SendXStateAnswer);
            client->startPolling(4, 100);
            QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 3, 5000);
        }
        const QString folder = VisitRecorder::currentFolder();
        QCOMPARE(QFileInfo(folder).dir().path(), store.machineFolder(machine.id));
        auto* dialog = menu.findChild<ReceptsDialog*>();
        dialog->show();
        QTabWidget* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        tabs->currentWidget()->findChild<QSpinBox*>(QStringLiteral("waterRashod"))->setValue(55);
        dialog->findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
        QTRY_VERIFY(!dialog->isVisible());
        VisitRecorder::endVisit();
        QVERIFY(VisitRecorder::currentFolder().isEmpty());

        const QList<QByteArray> trace = readFile(folder + "/trace.txt").split('\n');
        QVERIFY(trace.size() > 4);
        QVERIFY2(trace[0].contains(" run: Quellaro 1.0.0, pid "), trace[0]);
        QVERIFY2(trace[1].endsWith(" #1 connecting to 127.0.0.1:" + QByteArray::number(sim.serverPort())), trace[1]);
        const QList<QByteArray> history = readFile(folder + "/history.csv").split('\n');
        QCOMPARE(history[0], QByteArray("\xEF\xBB\xBFtime,link,kind,code,value,text\r"));
        QVERIFY2(history[1].contains(",1,connected,,,"), history[1]);
        QCOMPARE(readFile(folder + "/note.txt"), QByteArray("replaced pump seal"));
        QCOMPARE(readFile(folder + "/recipes-001-before.xml"), original);
        QCOMPARE(readFile(folder + "/recipes-001-after.xml"), readFile(recipes));
        QVERIFY(readFile(recipes).contains("<Water Value=\"55\"/>"));
        VisitFolder::Info info;
        QVERIFY(VisitFolder::readInfo(folder, &info));
        QCOMPARE(info.machineName, QStringLiteral("Lobby"));
        QCOMPARE(info.site, QStringLiteral("Hall B"));
        QCOMPARE(info.outcome, QStringLiteral("ok"));
        QVERIFY(info.begin.isValid() && info.end >= info.begin);
        QCOMPARE(VisitFolder::visits(store.machineFolder(machine.id)), QStringList{folder});
    }

    // The oldest visits go first, whatever their machine; the visit under way stays.
    void sizeLimit_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("keep");
        QTest::addColumn<QStringList>("left");
        const QStringList all{"a/20261201-080000", "b/20261202-080000", "a/20261203-080000", "b/20261204-080000"};
        QTest::newRow("all fit") << qint64(4000) << QString() << all;
        QTest::newRow("one byte over") << qint64(3999) << QString() << QStringList(all.mid(1));
        QTest::newRow("two go") << qint64(2500) << QString() << QStringList(all.mid(2));
        QTest::newRow("under way stays") << qint64(2000) << "a/20261201-080000"
                                         << QStringList{"a/20261201-080000", "b/20261204-080000"};
        QTest::newRow("nothing fits") << qint64(10) << QString() << QStringList();
    }

    void sizeLimit()
    {
        QFETCH(qint64, limit);
        QFETCH(QString, keep);
        QFETCH(QStringList, left);
        QTemporaryDir root;
        for (const char* visit : {"a/20261203-080000", "b/20261202-080000", "a/20261201-080000", "b/20261204-080000"}) {
            QVERIFY(QDir().mkpath(root.filePath(visit)));
            QVERIFY(writeFile(root.filePath(QString::fromLatin1(visit) + "/trace.txt"), QByteArray(1000, 'x')));
        }
        QVERIFY(QDir().mkpath(root.filePath("a/not-a-visit")));
        QCOMPARE(VisitFolder::usedBytes(root.path()), qint64(4000));
        VisitFolder::keepWithin(root.path(), limit, keep.isEmpty() ? QString() : root.filePath(keep));
        QStringList found;
        for (const char* machine : {"a", "b"}) {
            for (const QString& folder : VisitFolder::visits(root.filePath(machine)))
                found << QString::fromLatin1(machine) + "/" + QFileInfo(folder).fileName();
        }
        std::sort(found.begin(), found.end(), [](const QString& x, const QString& y) { return x.mid(2) < y.mid(2); });
        QCOMPARE(found, left);
        QVERIFY(QFileInfo::exists(root.filePath("a/not-a-visit")));
    }

    // The limit set in the Machines window, from 1 MB; none set, or none that can be, is 1 GB.
    void limit_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("none") << QVariant() << qint64(1024);
        QTest::newRow("1 MB") << QVariant(1) << qint64(1);
        QTest::newRow("0") << QVariant(0) << qint64(1024);
        QTest::newRow("text") << QVariant("lots") << qint64(1024);
    }

    void limit()
    {
        QFETCH(QVariant, stored);
        QFETCH(qint64, limit);
        QSettings().remove(QStringLiteral("/Visits/LimitMB"));
        if (stored.isValid())
            QSettings().setValue(QStringLiteral("/Visits/LimitMB"), stored);
        QCOMPARE(VisitRecorder::limitMb(), limit);
    }

    // kill -9 in the middle of a visit: every line the program said it wrote is in the trace,
    // and the visit reads back.
    void killedVisitReads()
    {
        const Machine machine = addMachine(QStringLiteral("Killed"), 2050);
        QProcess writer;
        writer.start(QStringLiteral(QUELLARO_VISIT_WRITER), {machine.name});
        QVERIFY(writer.waitForStarted());
        int written = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                while (writer.canReadLine())
                    written = writer.readLine().trimmed().toInt();
                return written >= 50;
            },
            20000));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        while (writer.canReadLine())
            written = writer.readLine().trimmed().toInt();

        const QStringList visits = VisitFolder::visits(store.machineFolder(machine.id));
        QCOMPARE(visits.size(), 1);
        VisitFolder::Info info;
        QVERIFY(VisitFolder::readInfo(visits[0], &info));
        QCOMPARE(info.machineName, QStringLiteral("Killed"));
        QVERIFY(!info.end.isValid());
        const QList<QByteArray> lines = readFile(visits[0] + "/trace.txt").split('\n');
        QVERIFY2(lines.size() >= written + 2, qPrintable(QString::number(lines.size())));
        QVERIFY(lines[0].contains(" run: Quellaro 1.0.0, pid "));
        for (int n = 1; n <= written; ++n)
            QVERIFY2(lines[n].endsWith(" #1 request to 127.0.0.1:2050: " + QByteArray::number(n).toHex(' ')), lines[n]);
    }
};

QUELLARO_TEST_MAIN(TestVisits)
#include "tst_visits.moc"
