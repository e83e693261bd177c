#include "link/record_fields.h"

#include "link/protocol.h"

#include <cstddef>

namespace RecordFields {

namespace {

const char* const InputNames[Protocol::InputCount] = {
    "power",
    "dispenser_sugar_insrc",
    "water_level",
    "water_selector_insrc",
    "water_selector_inrefpoint",
    "water_sensor_counter",
    "dispenser_cup_found",
    "dispenser_cup_insrc",
    "cofee_metering_isfull",
    "cofee_group_insrc",
    "cofee_group_inwork",
    "garbage_container",
    "dispenser_cup_outpos",
    "diagnostic",
    "trade",
    "master",
    "operator",
    "washing",
};

const char* const OutputNames[Protocol::OutputCount] = {
    "selector_water_run",
    "boiler_heating",
    "boiler_pump",
    "boiler_valve_1",
    "boiler_valve_2",
    "cofee_grinder",
    "cooler",
    "coffee_metering",
    "coffee_group",
    "dispenser_cup_rotation",
    "dispenser_cup_unload",
    "dispenser_sugar_down",
    "dispenser_sugar_screw",
    "mixer_1_screw",
    "mixer_1_drive",
    "mixer_2_screw",
    "mixer_2_drive",
    "mixer_3_screw",
    "mixer_3_drive",
    "mixer_4_screw",
    "mixer_4_drive",
    "water_pump",
};

const char* const HeaderNames[] = {"mode", "state", "error", "boiler_temperature"};

} // namespace

Field byName(const QString& name)
{
    for (int n = 0; n < 4; ++n) {
        if (name == QLatin1String(HeaderNames[n]))
            return Field{Kind::Header, -1 - n, name};
    }
    for (int n = 0; n < Protocol::InputCount; ++n) {
        if (name == QLatin1String(InputNames[n]))
            return Field{Kind::Input, n, name};
    }
    for (int n = 0; n < Protocol::OutputCount; ++n) {
        if (name == QLatin1String(OutputNames[n]))
            return Field{Kind::Output, n, name};
    }
    return Field{};
}

const char* inputName(int number)
{
    return number >= 0 && number < Protocol::InputCount ? InputNames[number] : "";
}

const char* outputName(int number)
{
    return number >= 0 && number < Protocol::OutputCount ? OutputNames[number] : "";
}

int value(const _tag_getxstate_answer& answer, const Field& field)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&answer);
    switch (field.kind) {
    case Kind::Input:
        return bytes[offsetof(_tag_getxstate_answer, power) + size_t(field.number)] != 0 ? 1 : 0;
    case Kind::Output:
        return bytes[offsetof(_tag_getxstate_answer, selector_water_run) + size_t(field.number)] != 0 ? 1 : 0;
    case Kind::Header:
        break;
    }
    switch (field.number) {
    case -1:
        return answer.mode;
    case -2:
        return answer.state;
    case -3:
        return answer.error;
    default:
        return answer.boiler_temperature;
    }
}

} // namespace RecordFields
