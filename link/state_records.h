#pragma once

#include <QtGlobal>

#include <cstddef>

// The two answer records of the controller, laid out byte for byte as on the wire: packed,
// little-endian, the 16-bit fields at odd offsets. Each flag byte is 0 for off and any
// other value for on.

#pragma pack(push, 1)

// Short answer (reply 1).
struct _tag_getstate_answer
{
    quint8 mode;
    quint16 state;
    quint16 error;
};

// Extended answer (reply 4): the same header, the boiler temperature, 18 inputs and 22
// outputs. Byte 27 + n holds output number n.
struct _tag_getxstate_answer
{
    quint8 mode;
    quint16 state;
    quint16 error;
    quint16 boiler_temperature; // tenths of a degree
    quint8 reserved_7;          // bytes 7 and 8 carry nothing for this program
    quint8 reserved_8;

    // Inputs, offsets 9 to 26.
    quint8 power;
    quint8 dispenser_sugar_insrc;
    quint8 water_level;
    quint8 water_selector_insrc;
    quint8 water_selector_inrefpoint;
    quint8 water_sensor_counter;
    quint8 dispenser_cup_found;
    quint8 dispenser_cup_insrc;
    quint8 cofee_metering_isfull;
    quint8 cofee_group_insrc;
    quint8 cofee_group_inwork;
    quint8 garbage_container;
    quint8 dispenser_cup_outpos;
    quint8 diagnostic;
    quint8 trade;
    quint8 master;
    quint8 operator_; // the machine's "Operator" button; `operator` is a C++ keyword
    quint8 washing;

    // Outputs, offsets 27 to 48.
    quint8 selector_water_run;
    quint8 boiler_heating;
    quint8 boiler_pump;
    quint8 boiler_valve_1;
    quint8 boiler_valve_2;
    quint8 cofee_grinder;
    quint8 cooler;
    quint8 coffee_metering;
    quint8 coffee_group;
    quint8 dispenser_cup_rotation;
    quint8 dispenser_cup_unload;
    quint8 dispenser_sugar_down;
    quint8 dispenser_sugar_screw;
    quint8 mixer_1_screw;
    quint8 mixer_1_drive;
    quint8 mixer_2_screw;
    quint8 mixer_2_drive;
    quint8 mixer_3_screw;
    quint8 mixer_3_drive;
    quint8 mixer_4_screw;
    quint8 mixer_4_drive;
    quint8 water_pump;
};

#pragma pack(pop)

static_assert(sizeof(_tag_getstate_answer) == 5, "short answer is 5 bytes on the wire");
static_assert(offsetof(_tag_getstate_answer, state) == 1, "state follows the mode byte");
static_assert(offsetof(_tag_getstate_answer, error) == 3, "error follows the state");

static_assert(sizeof(_tag_getxstate_answer) == 49, "extended answer is 49 bytes on the wire");
static_assert(offsetof(_tag_getxstate_answer, state) == 1, "header as in the short answer");
static_assert(offsetof(_tag_getxstate_answer, error) == 3, "header as in the short answer");
static_assert(offsetof(_tag_getxstate_answer, boiler_temperature) == 5, "temperature at byte 5");
static_assert(offsetof(_tag_getxstate_answer, power) == 9, "inputs start at byte 9");
static_assert(offsetof(_tag_getxstate_answer, dispenser_cup_outpos) == 21, "input order");
static_assert(offsetof(_tag_getxstate_answer, washing) == 26, "inputs end at byte 26");
static_assert(offsetof(_tag_getxstate_answer, selector_water_run) == 27, "outputs start at byte 27");
static_assert(offsetof(_tag_getxstate_answer, cooler) == 33, "output n at byte 27 + n");
static_assert(offsetof(_tag_getxstate_answer, mixer_1_screw) == 40, "screw before drive");
static_assert(offsetof(_tag_getxstate_answer, mixer_4_drive) == 47, "output n at byte 27 + n");
static_assert(offsetof(_tag_getxstate_answer, water_pump) == 48, "outputs end at byte 48");
