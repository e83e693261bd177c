#include "recording_peer.h"
#include "test_support.h"

#include "link/cm_netmessge.h"
#include "settings/settingsdialog.h"

#include <QDataStream>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace {

const QString temperatureKey = QStringLiteral("Settings/Temperature/Temperature_1");

QVariantMap snapshot()
{
    QSettings settings;
    QVariantMap values;
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        values.insert(key, settings.value(key));
    return values;
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
    void click(const char* button) { QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton); }

private slots:
    void initTestCase() // a store that keeps types: in an INI file 2050 and "2050" look alike
    {
        const auto read = [](QIODevice& device, QSettings::SettingsMap& map) {
            QDataStream in(&device);
            in >> map; // an empty file reads as no entries
            return true;
        };
        const auto write = [](QIODevice& device, const QSettings::SettingsMap& map) {
            QDataStream out(&device);
            out << map;
            return out.status() == QDataStream::Ok;
        };
        QSettings::setDefaultFormat(QSettings::registerFormat("typed", read, write));
    }

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
    void cleanup() { delete menu; }

    void save_data()
    {
        QTest::addColumn<bool>("edit"); // false: save the defaults shown when nothing is stored
        QTest::addColumn<QString>("addressText");
        QTest::addColumn<QString>("typedPort");
        QTest::addColumn<QString>("portText"); // what the field keeps of it
        QTest::addColumn<int>("degrees");
        QTest::addColumn<QString>("pathText");
        QTest::newRow("defaults") << false << "127.0.0.1" << "" << "2050" << 80 << QDir::currentPath() + "/recepts.xml";
        QTest::newRow("999 in every group") << true << "999.999.999.999" << "1" << "1" << 0 << "";
        QTest::newRow("empty port") << true << "192.168.0.10" << "" << "" << 99 << "x.xml";
        QTest::newRow("letters, 65536 refused") << true << "10.0.0.1" << "6553a6" << "6553" << 1 << "x.xml";
    }
    void save()
    {
        QFETCH(bool, edit);
        QFETCH(QString, addressText);
        QFETCH(QString, typedPort);
        QFETCH(QString, portText);
        QFETCH(int, degrees);
        QFETCH(QString, pathText);
        showDialog();
        QVERIFY2(snapshot().isEmpty(), "showing the dialog writes nothing");
        if (edit) {
            retype(address, addressText);
            retype(port, typedPort);
            QCOMPARE(port->text(), portText);
            temperature->setValue(degrees);
            path->setText(pathText);
        }
        click("saveButton");
        QVERIFY(!dialog->isVisible() && menu->isVisible());
        const QVariantMap values = snapshot();
        QCOMPARE(values.keys(), QStringList({"Settings/Network/IPAdress", "Settings/Network/IPPort",
                                             "Settings/Recepts/ReceptsFilePath", temperatureKey}));
        const QVariantList expected = {addressText, portText, pathText, degrees}; // in key order
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(values.values().at(i).userType(), expected[i].userType());
            QCOMPARE(values.values().at(i), expected[i]);
        }
    }

    void storedTemperatureAboveRangeIsClamped()
    {
        QSettings().setValue(temperatureKey, 150);
        showDialog();
        QCOMPARE(temperature->value(), 99);
        click("saveButton");
        QCOMPARE(snapshot().value(temperatureKey), QVariant(99));
    }

    void closeWithoutSaving_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    void closeWithoutSaving()
    {
        QFETCH(bool, byEscape);
        setControllerAddress("10.0.0.2", 3000);
        QSettings().setValue(temperatureKey, 70);
        QSettings().setValue("Settings/Recepts/ReceptsFilePath", "/srv/a.xml");
        const QVariantMap before = snapshot();
        showDialog();
        retype(address, "10.9.9.9");
        retype(port, "4444");
        temperature->setValue(12);
        path->setText("/srv/b.xml");
        if (byEscape)
            QTest::keyClick(port, Qt::Key_Escape);
        else
            click("cancelButton");
        QVERIFY2(!dialog->isVisible() && menu->isVisible(), "the main menu comes back");
        QCOMPARE(snapshot(), before);
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

    void savedAddressIsWhereTheNextClientConnects()
    {
        RecordingPeer controller; // nothing stored yet: the default port is not this one
        showDialog();
        retype(port, QString::number(controller.port()));
        click("saveButton");
        const CM_NetMessge client;
        QTRY_COMPARE_WITH_TIMEOUT(controller.connectionCount(), 1, 5000);
    }
};

QUELLARO_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
