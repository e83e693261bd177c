#include "link/status_texts.h"

#include "link/protocol.h"

#include <QObject>

namespace StatusTexts {

using namespace Protocol;

void fillModeTexts(QMap<int, QString>& texts)
{
    texts[ModeOff] = QObject::tr("Off");
    texts[ModeInitialization] = QObject::tr("Initialization");
    texts[ModeTrade] = QObject::tr("Trade");
    texts[ModeOperator] = QObject::tr("Operator");
    texts[ModeMaster] = QObject::tr("Master");
    texts[ModeWashing] = QObject::tr("Washing");
    texts[ModeDiagnostic] = QObject::tr("Diagnostic");
}

void fillStateTexts(QMap<int, QString>& texts)
{
    texts[StateStart] = QObject::tr("Start mode");
    texts[StateWaterSystemDiagnostic] = QObject::tr("Water systerm diagnostic");
    texts[StateBoilerDiagnostic] = QObject::tr("Boiler diagnostic");
    texts[StateSugarDispenserDiagnostic] = QObject::tr("Sugar dispenser diagnostic");
    texts[StateCupDispenserDiagnostic] = QObject::tr("Cup dispenser diagnostic");
    texts[StateCofeeGroupDiagnostic] = QObject::tr("Cofe group diagnostic");
    texts[StateGarbageContainerDiagnostic] = QObject::tr("Garbage container diagnostic");
    texts[StateMixer1Diagnostic] = QObject::tr("Mixer 1 diagnostic");
    texts[StateMixer2Diagnostic] = QObject::tr("Mixer 2 diagnostic");
    texts[StateMixer3Diagnostic] = QObject::tr("Mixer 3 diagnostic");
    texts[StateMixer4Diagnostic] = QObject::tr("Mixer 4 diagnostic");
    texts[StateWaterSelectorDiagnostic] = QObject::tr("Water selector diagnostic");
    // Cooking cycle: water, cup, sugar, ingredients.
    texts[StateStartCookingCycle] = QObject::tr("Start cooking cycle");
    texts[StateGoingInInitialState] = QObject::tr("Going in initial state at the beginning of the cooking cycle");
    texts[StateStraitOfWaterAfterInactivity] = QObject::tr("Strait of water after inactivity");
    texts[StateStraitOfWater] = QObject::tr("Strait of water in progress");
    texts[StateStartIssuingCup] = QObject::tr("Cycle start issuing cup");
    texts[StateIssuingCup] = QObject::tr("Cycle issuing cup in progress");
    texts[StateStartIssuingSugar] = QObject::tr("Cycle start issuing sugar");
    texts[StateIssuingSugar] = QObject::tr("Cycle issuing sugar in progress");
    texts[StateIssuanceOfSugar] = QObject::tr("Issuance of sugar");
    texts[StateStartIngredientsPrepare] = QObject::tr("Start the cycle of ingredients prepare");
    texts[StateStartPauseBeforeIngredient] = QObject::tr("Start pause before the next ingredient");
    texts[StatePauseBeforeIngredient] = QObject::tr("Pause before the next ingredien");
    // Coffee group cycle.
    texts[StateStartCofeeGroupCycle] = QObject::tr("Starting the cycle of coffee group");
    texts[StateWaitCofeeGroupCycle] = QObject::tr("Waiting the cycle of cofefe group");
    texts[StateHeatingWaterForCofeeGroup] = QObject::tr("Heating water for coffee group");
    texts[StateStraitWaterInCofeeGroup] = QObject::tr("Strait water in coffee group");
    texts[StateCofeeGroupGoingInInitialState] = QObject::tr("Coffee group going in initial state");
    // Mixer cycle.
    texts[StateStartMixer] = QObject::tr("Start mixer");
    texts[StateWaitMixer] = QObject::tr("Wait mixer");
    texts[StateHeatingWaterForMixer] = QObject::tr("Heating water for mixer");
    // Idle and fault.
    texts[StateWaiting] = QObject::tr("Waiting");
    texts[StateError] = QObject::tr("Error");
}

void fillErrorTexts(QMap<int, QString>& texts)
{
    texts[ErrorNone] = QObject::tr("All correct");
    texts[ErrorDiagnosisTimeout] = QObject::tr("Timeout diagnosis");
    texts[ErrorTemperatureSensor] = QObject::tr("The faulty temperature sensor");
    // Faults found at the start of a cooking cycle.
    texts[ErrorCofeeGroupNotReady] = QObject::tr("Coffee group not ready at the beginning of the cooking cycle");
    texts[ErrorWaterSelectorNotReady] = QObject::tr("Water selector not ready at the beginning of the cooking cycle");
    texts[ErrorSugarDispenserNotReady] = QObject::tr("Sugar dispenser not ready at the beginning of the cooking cycle");
    texts[ErrorCupDispenserNotReady] = QObject::tr("Cup dispenser not ready at the beginning of the cooking cycle");
    texts[ErrorInitialStateTimeout] = QObject::tr("Timeout devices go in initial state");
    texts[ErrorBoilerNotReady] = QObject::tr("Boiler not ready at the beginning of the cooking cycle");
    texts[ErrorCupWaitingTimeout] = QObject::tr("Timeout Cup waiting");
    texts[ErrorMixerNotReady] = QObject::tr("Mixer not ready");
    texts[ErrorHeatingTimeout] = QObject::tr("Timeout heating");
    // Device faults, one per device.
    texts[ErrorWaterSystem] = QObject::tr("Error water system");
    texts[ErrorBoiler] = QObject::tr("Error boiler");
    texts[ErrorSugarDispenser] = QObject::tr("Error sugar dispenser");
    texts[ErrorCupDispenser] = QObject::tr("Error cup dispenser");
    texts[ErrorCofeeGroup] = QObject::tr("Error coffee group");
    texts[ErrorGarbageContainer] = QObject::tr("Error garbage container");
    texts[ErrorMixer1] = QObject::tr("Error mixer 1");
    texts[ErrorMixer2] = QObject::tr("Error mixer 2");
    texts[ErrorMixer3] = QObject::tr("Error mixer 3");
    texts[ErrorMixer4] = QObject::tr("Error mixer 4");
    texts[ErrorWaterSelector] = QObject::tr("Error water selector");
}

} // namespace StatusTexts
