#include "check/command_outputs.h"

#include "link/protocol.h"

namespace CommandOutputs {

using namespace Protocol;

QVector<int> of(int command)
{
    if (command >= CmdSelectorDrive && command <= CmdSelectorInitial)
        return {OutSelectorWaterRun};
    if (command >= CmdMixer1Drive && command <= CmdMixer4Screw) {
        const int mixer = (command - CmdMixer1Drive) / 2;
        const bool screw = (command - CmdMixer1Drive) % 2 == 1;
        return {(screw ? OutMixer1Screw : OutMixer1Drive) + 2 * mixer};
    }
    switch (command) {
    case CmdCupRotation:
        return {OutDispenserCupRotation};
    case CmdCupOut:
        return {OutDispenserCupUnload};
    case CmdCupWorkCycle:
        return {OutDispenserCupRotation, OutDispenserCupUnload};
    case CmdWaterPump:
        return {OutWaterPump};
    case CmdBoilerHeating:
        return {OutBoilerHeating};
    case CmdBoilerPump:
        return {OutBoilerPump};
    case CmdValve1:
        return {OutBoilerValve1};
    case CmdValve2:
        return {OutBoilerValve2};
    case CmdWaterToCofeeGroup:
        return {OutBoilerPump, OutBoilerValve1};
    case CmdWaterToMixer:
        return {OutBoilerPump, OutBoilerValve2};
    case CmdSugarDrive:
        return {OutDispenserSugarDown};
    case CmdSugarScrew:
        return {OutDispenserSugarScrew};
    case CmdSugarWorkCycle:
        return {OutDispenserSugarDown, OutDispenserSugarScrew};
    case CmdCofeeGrinder:
        return {OutCofeeGrinder};
    case CmdCofeeMetering:
        return {OutCoffeeMetering};
    case CmdCofeeGroupPress:
        return {OutCoffeeGroup};
    case CmdCofeeGroupWorkCycle:
        return {OutCofeeGrinder, OutCoffeeMetering, OutCoffeeGroup, OutBoilerPump, OutBoilerValve1};
    case CmdMakeDrink: {
        QVector<int> all; // a drink runs nearly every device; the cooler is none of its
        for (int out = 0; out < OutputCount; ++out) {
            if (out != OutCooler)
                all << out;
        }
        return all;
    }
    default:
        return {};
    }
}

} // namespace CommandOutputs
