#include "recording_peer.h"
#include "test_support.h"

#include "link/cm_netmessge.h"
#include "settings/settings_keys.h"
#include "settings/settingsdialog.h"
#include "shell/style_sheets.h"

#include <QDataStream>
#include <QDir>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

using namespace SettingsKeys;

namespace {

// The native store on Linux is an INI file, which keeps no types: the number 2050 and the
// text "2050" look the same in it. These tests keep the settings in a store that keeps the
// types, so that a value written as an integer can be told from one written as text.
bool readTyped(QIODevice& device, QSettings::SettingsMap& map)
{
    if (device.atEnd())
        return true;
    QDataStream in(&device);
    in >> map;
    return in.status() == QDataStream::Ok;
}

bool writeTyped(QIODevice& device, const QSettings::SettingsMap& map)
{
    QDataStream out(&device);
    out << map;
    return out.status() == QDataStream::Ok;
}

void store(const QString& group, const QString& key, const QVariant& value)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.setValue(key, value);
    settings.endGroup();
}

QVariant stored(const QString& group, const QString& key)
{
    QSettings settings;
    settings.beginGroup(group);
    const QVariant value = settings.value(key);
    settings.endGroup();
    return value;
}

QMap<QString, QVariant> allStored()
{
    QSettings settings;
    QMap<QString, QVariant> values;
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        values.insert(key, settings.value(key));
    return values;
}

void storeAll(const QString& address, const QString& port, int temperature, const QString& path)
{
    store(NetworkGroup, IpAddress, address);
    store(NetworkGroup, IpPort, port);
    store(TemperatureGroup, Temperature, temperature);
    store(ReceptsGroup, ReceptsFilePath, path);
}

// Replaces the whole text of a field by typing, as the technician would.
void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void focusOrder();
    void defaultsWithoutStoredSettings();
    void showsStoredValues();
    void save_data();
    void save();
    void closeWithoutSaving_data();
    void closeWithoutSaving();
    void storedTemperatureAboveRangeIsClamped();
    void portFieldRefusesWhileTyping_data();
    void portFieldRefusesWhileTyping();
    void pickRecipesFile_data();
    void pickRecipesFile();
    void savedAddressIsWhereTheNextClientConnects();

private:
    template <typename T>
    T* child(const char* name) const
    {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    void showDialog();

    QWidget* menu = nullptr; // stands for the main menu, the dialog's parent
    SettingsDialog* dialog = nullptr;
    QLineEdit* address = nullptr;
    QLineEdit* port = nullptr;
    QSpinBox* temperature = nullptr;
    QLineEdit* path = nullptr;
};

void TestSettingsDialog::initTestCase()
{
    QSettings::setDefaultFormat(QSettings::registerFormat(QStringLiteral("typed"), readTyped, writeTyped));
}

void TestSettingsDialog::init()
{
    clearSettings();
    QVERIFY(allStored().isEmpty());
    menu = new QWidget;
    dialog = new SettingsDialog(menu);
    address = child<QLineEdit>("ipAdressEdit");
    port = child<QLineEdit>("portEdit");
    temperature = child<QSpinBox>("temperatureSpinBox");
    path = child<QLineEdit>("receptsFilePathlineEdit");
    QVERIFY(address && port && temperature && path);
}

void TestSettingsDialog::cleanup()
{
    delete menu;
    menu = nullptr;
    dialog = nullptr;
}

// As the main menu does it: hide the menu, show the dialog.
void TestSettingsDialog::showDialog()
{
    menu->hide();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

void TestSettingsDialog::form()
{
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(dialog->windowModality(), Qt::NonModal);

    const struct {
        const char* name;
        const char* title;
        int pointSize; // -1: inherited
    } groups[] = {
        {"groupBox", "Network settings", -1},
        {"groupBox_2", "Temperature settings", -1},
        {"groupBox_3", "Recepts file path", 8},
    };
    for (const auto& group : groups) {
        auto* box = child<QGroupBox>(group.name);
        QVERIFY2(box, group.name);
        QCOMPARE(box->title(), QLatin1String(group.title));
        QVERIFY(box->font().bold());
        if (group.pointSize > 0)
            QCOMPARE(box->font().pointSize(), group.pointSize);
    }
    QCOMPARE(address->parentWidget(), child<QGroupBox>("groupBox"));
    QCOMPARE(temperature->parentWidget(), child<QGroupBox>("groupBox_2"));
    QCOMPARE(path->parentWidget(), child<QGroupBox>("groupBox_3"));

    const struct {
        const char* name;
        const char* text;
        QWidget* buddy;
    } labels[] = {
        {"label", "IP Adress", address},
        {"label_2", "Port", port},
        {"label_3", "Boiler temperature C", nullptr},
    };
    for (const auto& expected : labels) {
        auto* label = child<QLabel>(expected.name);
        QVERIFY2(label, expected.name);
        QCOMPARE(label->text(), QLatin1String(expected.text));
        QCOMPARE(label->buddy(), expected.buddy);
        QCOMPARE(label->styleSheet(), styleSheet(Style::Label));
    }

    QCOMPARE(address->inputMask().section(QLatin1Char(';'), 0, 0), QStringLiteral("000.000.000.000"));
    QCOMPARE(port->inputMask(), QString());
    for (QWidget* field : {static_cast<QWidget*>(address), static_cast<QWidget*>(port)})
        QCOMPARE(field->font().pointSize(), 24);
    QCOMPARE(address->alignment(), Qt::AlignCenter);
    QCOMPARE(port->alignment(), Qt::AlignCenter);
    QCOMPARE(temperature->font().pointSize(), 24);
    QVERIFY(!temperature->font().bold());
    QCOMPARE(temperature->alignment(), Qt::AlignCenter);
    QCOMPARE(temperature->minimum(), 0);
    QCOMPARE(temperature->maximum(), 99);
    QCOMPARE(path->font().pointSize(), 12);
    QVERIFY(!path->isReadOnly());

    auto* validator = qobject_cast<const QIntValidator*>(port->validator());
    QVERIFY(validator);
    QCOMPARE(validator->bottom(), 1);
    QCOMPARE(validator->top(), 65535);
    QCOMPARE(validator->parent(), dialog);

    const struct {
        const char* name;
        const char* text;
        Style style;
    } buttons[] = {
        {"openpushButton", "Open", Style::NarrowPanelButton},
        {"saveButton", "Save", Style::PanelButton},
        {"cancelButton", "Cancel", Style::PanelButton},
    };
    for (const auto& expected : buttons) {
        auto* button = child<QPushButton>(expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->text(), QLatin1String(expected.text));
        QCOMPARE(button->styleSheet(), styleSheet(expected.style));
    }
}

void TestSettingsDialog::focusOrder()
{
    const QStringList expected = {"ipAdressEdit", "portEdit", "receptsFilePathlineEdit", "temperatureSpinBox",
                                  "openpushButton", "saveButton", "cancelButton"};
    QStringList order;
    QWidget* widget = address;
    do {
        if (expected.contains(widget->objectName()) && !order.contains(widget->objectName()))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != address);
    QCOMPARE(order, expected);
}

void TestSettingsDialog::defaultsWithoutStoredSettings()
{
    showDialog();
    QCOMPARE(address->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(port->text(), QStringLiteral("2050"));
    QCOMPARE(temperature->value(), 80);
    QCOMPARE(path->text(), QDir::currentPath() + QStringLiteral("/recepts.xml"));
    QVERIFY2(allStored().isEmpty(), "showing the dialog writes nothing");
}

void TestSettingsDialog::showsStoredValues()
{
    storeAll(QStringLiteral("192.168.10.7"), QStringLiteral("4001"), 93, QStringLiteral("/srv/drinks.xml"));
    showDialog();
    QCOMPARE(address->text(), QStringLiteral("192.168.10.7"));
    QCOMPARE(port->text(), QStringLiteral("4001"));
    QCOMPARE(temperature->value(), 93);
    QCOMPARE(path->text(), QStringLiteral("/srv/drinks.xml"));

    // Values that another program put in the store: a temperature that is no number reads 0.
    dialog->close();
    store(TemperatureGroup, Temperature, QStringLiteral("hot"));
    showDialog();
    QCOMPARE(temperature->value(), 0);
}

void TestSettingsDialog::save_data()
{
    QTest::addColumn<QString>("typedAddress"); // empty: leave the field as loaded
    QTest::addColumn<QString>("typedPort");    // "-": leave the field as loaded
    QTest::addColumn<int>("temperatureValue");
    QTest::addColumn<QString>("pathText");
    QTest::addColumn<QString>("savedAddress");
    QTest::addColumn<QString>("savedPort");

    const QString defaultPath = QDir::currentPath() + QStringLiteral("/recepts.xml");
    QTest::newRow("defaults, untouched") << QString() << "-" << 80 << defaultPath << "127.0.0.1" << "2050";
    QTest::newRow("edited") << "10.1.22.3" << "4242" << 65 << "/tmp/other.xml" << "10.1.22.3" << "4242";
    QTest::newRow("999 in every group") << "999.999.999.999" << "1" << 0 << "" << "999.999.999.999" << "1";
    QTest::newRow("empty port") << "192.168.0.10" << "" << 99 << "x.xml" << "192.168.0.10" << "";
    QTest::newRow("port 0") << "192.168.0.10" << "0" << 1 << "x.xml" << "192.168.0.10" << "0";
}

void TestSettingsDialog::save()
{
    QFETCH(QString, typedAddress);
    QFETCH(QString, typedPort);
    QFETCH(int, temperatureValue);
    QFETCH(QString, pathText);
    QFETCH(QString, savedAddress);
    QFETCH(QString, savedPort);

    showDialog();
    if (!typedAddress.isEmpty())
        retype(address, typedAddress);
    if (typedPort != QLatin1String("-"))
        retype(port, typedPort);
    temperature->setValue(temperatureValue);
    path->setText(pathText);
    QTest::mouseClick(child<QPushButton>("saveButton"), Qt::LeftButton);

    QVERIFY(!dialog->isVisible());
    QVERIFY(menu->isVisible());

    const QMap<QString, QVariant> values = allStored();
    QCOMPARE(values.keys(), QStringList({"Settings/Network/IPAdress", "Settings/Network/IPPort",
                                         "Settings/Recepts/ReceptsFilePath", "Settings/Temperature/Temperature_1"}));
    const QVariant storedAddress = stored(NetworkGroup, IpAddress);
    const QVariant storedPort = stored(NetworkGroup, IpPort);
    const QVariant storedTemperature = stored(TemperatureGroup, Temperature);
    const QVariant storedPath = stored(ReceptsGroup, ReceptsFilePath);
    QCOMPARE(storedAddress.userType(), int(QMetaType::QString));
    QCOMPARE(storedAddress.toString(), savedAddress);
    QCOMPARE(storedPort.userType(), int(QMetaType::QString));
    QCOMPARE(storedPort.toString(), savedPort);
    QCOMPARE(storedTemperature.userType(), int(QMetaType::Int));
    QCOMPARE(storedTemperature.toInt(), temperatureValue);
    QCOMPARE(storedPath.userType(), int(QMetaType::QString));
    QCOMPARE(storedPath.toString(), pathText);
}

void TestSettingsDialog::closeWithoutSaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window close") << "close";
}

void TestSettingsDialog::closeWithoutSaving()
{
    QFETCH(QString, how);
    storeAll(QStringLiteral("10.0.0.2"), QStringLiteral("3000"), 70, QStringLiteral("/srv/a.xml"));
    const QMap<QString, QVariant> before = allStored();

    showDialog();
    retype(address, QStringLiteral("10.9.9.9"));
    retype(port, QStringLiteral("4444"));
    temperature->setValue(12);
    path->setText(QStringLiteral("/srv/b.xml"));

    if (how == QLatin1String("cancel"))
        QTest::mouseClick(child<QPushButton>("cancelButton"), Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(port, Qt::Key_Escape);
    else
        dialog->close();

    QVERIFY(!dialog->isVisible());
    QVERIFY2(menu->isVisible(), "the main menu comes back");
    QCOMPARE(allStored(), before);

    showDialog();
    QCOMPARE(address->text(), QStringLiteral("10.0.0.2"));
    QCOMPARE(port->text(), QStringLiteral("3000"));
    QCOMPARE(temperature->value(), 70);
    QCOMPARE(path->text(), QStringLiteral("/srv/a.xml"));
}

void TestSettingsDialog::storedTemperatureAboveRangeIsClamped()
{
    store(TemperatureGroup, Temperature, 150);
    showDialog();
    QCOMPARE(temperature->value(), 99);
    QTest::mouseClick(child<QPushButton>("saveButton"), Qt::LeftButton);
    QCOMPARE(stored(TemperatureGroup, Temperature), QVariant(99));
}

void TestSettingsDialog::portFieldRefusesWhileTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << "2050" << "2050";
    QTest::newRow("top") << "65535" << "65535";
    QTest::newRow("letters among digits") << "4a2b-" << "42";
    QTest::newRow("letters only") << "port" << "";
    QTest::newRow("65536") << "65536" << "6553";
    QTest::newRow("99999") << "99999" << "9999";
    QTest::newRow("six digits") << "123456" << "12345";
}

void TestSettingsDialog::portFieldRefusesWhileTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    showDialog();
    retype(port, typed);
    QCOMPARE(port->text(), shown);
}

void TestSettingsDialog::pickRecipesFile_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("shown");
    QTest::newRow("picked") << "/media/usb/recepts2.xml" << "/media/usb/recepts2.xml";
    QTest::newRow("cancelled") << "" << "/srv/a.xml";
}

void TestSettingsDialog::pickRecipesFile()
{
    QFETCH(QString, picked);
    QFETCH(QString, shown);
    store(ReceptsGroup, ReceptsFilePath, QStringLiteral("/srv/a.xml"));
    const QMap<QString, QVariant> before = allStored();

    struct Call
    {
        QWidget* parent;
        QString caption, dir, filter;
    };
    QList<Call> calls;
    dialog->setFilePicker([&](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        calls.append({parent, caption, dir, filter});
        return picked;
    });

    showDialog();
    QTest::mouseClick(child<QPushButton>("openpushButton"), Qt::LeftButton);

    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].parent, dialog);
    QCOMPARE(calls[0].caption, QStringLiteral("Open Recepts file"));
    QCOMPARE(calls[0].dir, QDir::currentPath());
    QCOMPARE(calls[0].filter, QStringLiteral("Recepts files (*.xml);;"));
    QCOMPARE(path->text(), shown);
    QVERIFY(dialog->isVisible());
    QCOMPARE(allStored(), before);
}

void TestSettingsDialog::savedAddressIsWhereTheNextClientConnects()
{
    RecordingPeer stale;
    RecordingPeer controller;
    setControllerAddress(QStringLiteral("127.0.0.1"), stale.port());

    showDialog();
    QCOMPARE(port->text(), QString::number(stale.port()));
    retype(address, QStringLiteral("127.0.0.1"));
    retype(port, QString::number(controller.port()));
    QTest::mouseClick(child<QPushButton>("saveButton"), Qt::LeftButton);

    CM_NetMessge client;
    QTRY_COMPARE_WITH_TIMEOUT(controller.connectionCount(), 1, 5000);
    QCOMPARE(client.SendMessage(3, 20, 0, 0), 8);
    QTRY_COMPARE_WITH_TIMEOUT(controller.received(), hexBytes("03 06 14 00 00 00 00 00"), 5000);
    QCOMPARE(stale.connectionCount(), 0);
}

QUELLARO_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
