#pragma once

// The numbers of the controller protocol. A request frame is: type (1 byte), payload
// length (1 byte), payload; multi-byte values are little-endian. A reply frame is: type
// (1 byte), one byte the tool never reads, then the reply's content.
namespace Protocol {

enum Request : int {
    RequestState = 1,        // 01 00: asks for a reply 1
    RequestModeSwitch = 2,   // 02 01 mm
    RequestCommand = 3,      // 03 06 cc cc pp pp qq qq
    RequestXState = 4,       // 04 00: asks for a reply 4
    RequestOutput = 5,       // 05 02 oo vv
};

enum Reply : int {
    ReplyState = 1,        // short answer record from byte 2
    ReplyCurentState = 2,  // state code, unsigned 16-bit at bytes 3-4
    ReplyNumberText = 3,   // one unsigned byte at byte 2, delivered as decimal text
    ReplyXState = 4,       // extended answer record from byte 2
};

// Payload length byte of each request type, indexed by type.
inline constexpr int PayloadLength[6] = {0, 0, 1, 6, 0, 2};

inline constexpr int ReplyHeaderSize = 2;

// Mode codes: the machine's operating modes, sent with request 2 (0 and 1 never are).
enum Mode : int {
    ModeOff = 0,
    ModeInitialization = 1,
    ModeTrade = 2,
    ModeOperator = 3,
    ModeMaster = 4,
    ModeWashing = 5,
    ModeDiagnostic = 6,
};

// State codes: the step of a diagnostic or cooking cycle the machine is in.
enum State : int {
    StateStart = 0,
    // Diagnostics of each device, in the device order of the device errors.
    StateWaterSystemDiagnostic = 1,
    StateBoilerDiagnostic = 2,
    StateSugarDispenserDiagnostic = 3,
    StateCupDispenserDiagnostic = 4,
    StateCofeeGroupDiagnostic = 5,
    StateGarbageContainerDiagnostic = 6,
    StateMixer1Diagnostic = 7,
    StateMixer2Diagnostic = 8,
    StateMixer3Diagnostic = 9,
    StateMixer4Diagnostic = 10,
    StateWaterSelectorDiagnostic = 11,
    // Cooking cycle: water, cup, sugar, ingredients.
    StateStartCookingCycle = 100,
    StateGoingInInitialState = 110,
    StateStraitOfWaterAfterInactivity = 111,
    StateStraitOfWater = 112,
    StateStartIssuingCup = 114,
    StateIssuingCup = 115,
    StateStartIssuingSugar = 116,
    StateIssuingSugar = 117,
    StateIssuanceOfSugar = 118,
    StateStartIngredientsPrepare = 120,
    StateStartPauseBeforeIngredient = 121,
    StatePauseBeforeIngredient = 122,
    // Coffee group cycle.
    StateStartCofeeGroupCycle = 130,
    StateWaitCofeeGroupCycle = 131,
    StateHeatingWaterForCofeeGroup = 132,
    StateStraitWaterInCofeeGroup = 133,
    StateCofeeGroupGoingInInitialState = 134,
    // Mixer cycle. The controller's own state table gives these steps no codes; they get
    // the codes after the coffee group cycle's.
    StateStartMixer = 140,
    StateWaitMixer = 141,
    StateHeatingWaterForMixer = 142,
    // Idle and fault.
    StateWaiting = 1000,
    StateError = 1001,
};

// Error codes: 0 to 2 general, 10 to 19 faults found at the start of a cooking cycle,
// 10000 to 10010 device faults (one per device, in the order of the diagnostic states).
enum Error : int {
    ErrorNone = 0,
    ErrorDiagnosisTimeout = 1,
    ErrorTemperatureSensor = 2,
    ErrorCofeeGroupNotReady = 10,
    ErrorWaterSelectorNotReady = 11,
    ErrorSugarDispenserNotReady = 12,
    ErrorCupDispenserNotReady = 14,
    ErrorInitialStateTimeout = 15,
    ErrorBoilerNotReady = 16,
    ErrorCupWaitingTimeout = 17,
    ErrorMixerNotReady = 18,
    ErrorHeatingTimeout = 19,
    ErrorWaterSystem = 10000,
    ErrorBoiler = 10001,
    ErrorSugarDispenser = 10002,
    ErrorCupDispenser = 10003,
    ErrorCofeeGroup = 10004,
    ErrorGarbageContainer = 10005,
    ErrorMixer1 = 10006,
    ErrorMixer2 = 10007,
    ErrorMixer3 = 10008,
    ErrorMixer4 = 10009,
    ErrorWaterSelector = 10010,
};

// Command codes of request 3. Both parameters are 0 for every command but MakeDrink.
enum Command : int {
    CmdSelectorDrive = 1,
    CmdSelectorCofee = 2,
    CmdSelector1 = 3,
    CmdSelector2 = 4,
    CmdSelector3 = 5,
    CmdSelector4 = 6,
    CmdSelectorInitial = 7,
    CmdMixer1Drive = 8,
    CmdMixer1Screw = 9,
    CmdMixer2Drive = 10,
    CmdMixer2Screw = 11,
    CmdMixer3Drive = 12,
    CmdMixer3Screw = 13,
    CmdMixer4Drive = 14,
    CmdMixer4Screw = 15,
    CmdCupRotation = 16,
    CmdCupOut = 17,
    CmdCupWorkCycle = 18,
    CmdWaterPump = 19,
    CmdBoilerHeating = 20,
    CmdBoilerPump = 21,
    CmdValve1 = 22,
    CmdValve2 = 23,
    CmdWaterToCofeeGroup = 24,
    CmdWaterToMixer = 25,
    CmdSugarDrive = 26,
    CmdSugarScrew = 27,
    CmdSugarWorkCycle = 28,
    CmdCofeeGrinder = 29,
    CmdCofeeMetering = 30,
    CmdCofeeGroupPress = 31,
    CmdCofeeGroupWorkCycle = 32,
    // 33 is not used.
    CmdMakeDrink = 34, // first parameter: drink number, second: amount of sugar
};

// Output numbers of request 5; byte 27 + n of the extended answer holds output n.
enum Output : int {
    OutSelectorWaterRun = 0,
    OutBoilerHeating = 1,
    OutBoilerPump = 2,
    OutBoilerValve1 = 3,
    OutBoilerValve2 = 4,
    // Two devices, not one name spelt twice: the grinder (5) grinds into the metering unit,
    // the metering unit (7) unloads that dose into the coffee group. Each name follows its
    // output's own name, whose spelling the outputs panel keeps (cofee_grinder_checkBox,
    // coffee_metering_checkBox): do not merge them or correct the one to the other.
    OutCofeeGrinder = 5,
    OutCooler = 6,
    OutCoffeeMetering = 7,
    OutCoffeeGroup = 8,
    OutDispenserCupRotation = 9,
    OutDispenserCupUnload = 10,
    OutDispenserSugarDown = 11,
    OutDispenserSugarScrew = 12,
    OutMixer1Screw = 13,
    OutMixer1Drive = 14,
    OutMixer2Screw = 15,
    OutMixer2Drive = 16,
    OutMixer3Screw = 17,
    OutMixer3Drive = 18,
    OutMixer4Screw = 19,
    OutMixer4Drive = 20,
    OutWaterPump = 21,
};

// Input numbers, in the machine's input order: byte 9 + n of the extended answer holds input n.
enum Input : int {
    InPower = 0,
    InDispenserSugarInsrc = 1,
    InWaterLevel = 2,
    InWaterSelectorInsrc = 3,
    InWaterSelectorInrefpoint = 4,
    InWaterSensorCounter = 5,
    InDispenserCupFound = 6,
    InDispenserCupInsrc = 7,
    InCofeeMeteringIsfull = 8,
    InCofeeGroupInsrc = 9,
    InCofeeGroupInwork = 10,
    InGarbageContainer = 11,
    InDispenserCupOutpos = 12,
    InDiagnostic = 13,
    InTrade = 14,
    InMaster = 15,
    InOperator = 16,
    InWashing = 17,
};

inline constexpr int InputCount = 18;
inline constexpr int OutputCount = 22;

} // namespace Protocol
