#include "link/status_texts.h"

#include <QObject>

namespace StatusTexts {

void fillModeTexts(QMap<int, QString>& texts)
{
    texts[0] = QObject::tr("Off");
    texts[1] = QObject::tr("Initialization");
    texts[2] = QObject::tr("Trade");
    texts[3] = QObject::tr("Operator");
    texts[4] = QObject::tr("Master");
    texts[5] = QObject::tr("Washing");
    texts[6] = QObject::tr("Diagnostic");
}

void fillStateTexts(QMap<int, QString>& texts)
{
    texts[0] = QObject::tr("Start mode");
    // Diagnostics of each device, in the device order of the error codes 10000 to 10010.
    texts[1] = QObject::tr("Water systerm diagnostic");
    texts[2] = QObject::tr("Boiler diagnostic");
    texts[3] = QObject::tr("Sugar dispenser diagnostic");
    texts[4] = QObject::tr("Cup dispenser diagnostic");
    texts[5] = QObject::tr("Cofe group diagnostic");
    texts[6] = QObject::tr("Garbage container diagnostic");
    texts[7] = QObject::tr("Mixer 1 diagnostic");
    texts[8] = QObject::tr("Mixer 2 diagnostic");
    texts[9] = QObject::tr("Mixer 3 diagnostic");
    texts[10] = QObject::tr("Mixer 4 diagnostic");
    texts[11] = QObject::tr("Water selector diagnostic");
    // Cooking cycle: water, cup, sugar, ingredients.
    texts[100] = QObject::tr("Start cooking cycle");
    texts[110] = QObject::tr("Going in initial state at the beginning of the cooking cycle");
    texts[111] = QObject::tr("Strait of water after inactivity");
    texts[112] = QObject::tr("Strait of water in progress");
    texts[114] = QObject::tr("Cycle start issuing cup");
    texts[115] = QObject::tr("Cycle issuing cup in progress");
    texts[116] = QObject::tr("Cycle start issuing sugar");
    texts[117] = QObject::tr("Cycle issuing sugar in progress");
    texts[118] = QObject::tr("Issuance of sugar");
    texts[120] = QObject::tr("Start the cycle of ingredients prepare");
    texts[121] = QObject::tr("Start pause before the next ingredient");
    texts[122] = QObject::tr("Pause before the next ingredien");
    // Coffee group cycle.
    texts[130] = QObject::tr("Starting the cycle of coffee group");
    texts[131] = QObject::tr("Waiting the cycle of cofefe group");
    texts[132] = QObject::tr("Heating water for coffee group");
    texts[133] = QObject::tr("Strait water in coffee group");
    texts[134] = QObject::tr("Coffee group going in initial state");
    // Mixer cycle.
    texts[StateStartMixer] = QObject::tr("Start mixer");
    texts[StateWaitMixer] = QObject::tr("Wait mixer");
    texts[StateHeatingWaterForMixer] = QObject::tr("Heating water for mixer");
    // Idle and fault.
    texts[1000] = QObject::tr("Waiting");
    texts[1001] = QObject::tr("Error");
}

void fillErrorTexts(QMap<int, QString>& texts)
{
    texts[0] = QObject::tr("All correct");
    texts[1] = QObject::tr("Timeout diagnosis");
    texts[2] = QObject::tr("The faulty temperature sensor");
    // Faults found at the start of a cooking cycle.
    texts[10] = QObject::tr("Coffee group not ready at the beginning of the cooking cycle");
    texts[11] = QObject::tr("Water selector not ready at the beginning of the cooking cycle");
    texts[12] = QObject::tr("Sugar dispenser not ready at the beginning of the cooking cycle");
    texts[14] = QObject::tr("Cup dispenser not ready at the beginning of the cooking cycle");
    texts[15] = QObject::tr("Timeout devices go in initial state");
    texts[16] = QObject::tr("Boiler not ready at the beginning of the cooking cycle");
    texts[17] = QObject::tr("Timeout Cup waiting");
    texts[18] = QObject::tr("Mixer not ready");
    texts[19] = QObject::tr("Timeout heating");
    // Device faults, one per device.
    texts[10000] = QObject::tr("Error water system");
    texts[10001] = QObject::tr("Error boiler");
    texts[10002] = QObject::tr("Error sugar dispenser");
    texts[10003] = QObject::tr("Error cup dispenser");
    texts[10004] = QObject::tr("Error coffee group");
    texts[10005] = QObject::tr("Error garbage container");
    texts[10006] = QObject::tr("Error mixer 1");
    texts[10007] = QObject::tr("Error mixer 2");
    texts[10008] = QObject::tr("Error mixer 3");
    texts[10009] = QObject::tr("Error mixer 4");
    texts[10010] = QObject::tr("Error water selector");
}

} // namespace StatusTexts
