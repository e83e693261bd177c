#include "check/default_check.h"

#include "check/checklist_reader.h"

#include <QCoreApplication>

namespace DefaultCheck {

namespace {

// Limits leave the simulated machine's times room: an output follows its command at once, the
// boiler warms 2 degrees a second, the flow sensor pulses five times a second, the selector
// and the dispensers need one to three seconds, the coffee group's cycle eight.
const char Json[] = R"({
"name": "Default check",
"steps": [
{"id": "service-mode", "title": "Master mode", "device": "modes", "mode": 4,
 "expect": [{"field": "mode", "becomes": 4, "within": 3000}]},
{"id": "boiler-heating", "title": "Boiler heating", "device": "boiler", "command": 20,
 "expect": [{"field": "boiler_heating", "becomes": 1, "within": 1000},
            {"field": "boiler_temperature", "rises_by": 20, "within": 20000}]},
{"id": "boiler-pump", "title": "Boiler pump", "device": "boiler", "command": 21,
 "expect": [{"field": "boiler_pump", "becomes": 1, "within": 1000}]},
{"id": "valve-1", "title": "Valve 1", "device": "boiler", "command": 22,
 "expect": [{"field": "boiler_valve_1", "becomes": 1, "within": 1000}]},
{"id": "valve-2", "title": "Valve 2", "device": "boiler", "command": 23,
 "expect": [{"field": "boiler_valve_2", "becomes": 1, "within": 1000}]},
{"id": "water-to-group", "title": "Water to the coffee group", "device": "boiler", "command": 24,
 "expect": [{"field": "boiler_pump", "becomes": 1, "within": 1000},
            {"field": "boiler_valve_1", "becomes": 1, "within": 1000}]},
{"id": "water-to-mixer", "title": "Water to the mixer", "device": "boiler", "command": 25,
 "expect": [{"field": "boiler_pump", "becomes": 1, "within": 1000},
            {"field": "boiler_valve_2", "becomes": 1, "within": 1000}]},
{"id": "water-pump", "title": "Water pump and flow sensor", "device": "water", "command": 19,
 "expect": [{"field": "water_pump", "becomes": 1, "within": 1000},
            {"field": "water_sensor_counter", "pulses": 3, "within": 2500}]},
{"id": "selector-drive", "title": "Water selector drive", "device": "selector", "command": 1,
 "expect": [{"field": "selector_water_run", "becomes": 1, "within": 1000},
            {"field": "water_selector_inrefpoint", "becomes": 1, "within": 3000},
            {"field": "water_selector_insrc", "becomes": 1, "within": 3000}]},
{"id": "selector-position", "title": "Water selector to position 1", "device": "selector", "command": 3,
 "expect": [{"field": "water_selector_inrefpoint", "becomes": 1, "within": 3000}]},
{"id": "selector-home", "title": "Water selector home", "device": "selector", "command": 7,
 "expect": [{"field": "water_selector_insrc", "becomes": 0, "within": 1000},
            {"field": "water_selector_insrc", "becomes": 1, "within": 3000}]},
{"id": "mixer-1-drive", "title": "Mixer 1 drive", "device": "mixer 1", "command": 8,
 "expect": [{"field": "mixer_1_drive", "becomes": 1, "within": 1000}]},
{"id": "mixer-1-screw", "title": "Mixer 1 screw", "device": "mixer 1", "command": 9,
 "expect": [{"field": "mixer_1_screw", "becomes": 1, "within": 1000}]},
{"id": "mixer-2-drive", "title": "Mixer 2 drive", "device": "mixer 2", "command": 10,
 "expect": [{"field": "mixer_2_drive", "becomes": 1, "within": 1000}]},
{"id": "mixer-2-screw", "title": "Mixer 2 screw", "device": "mixer 2", "command": 11,
 "expect": [{"field": "mixer_2_screw", "becomes": 1, "within": 1000}]},
{"id": "mixer-3-drive", "title": "Mixer 3 drive", "device": "mixer 3", "command": 12,
 "expect": [{"field": "mixer_3_drive", "becomes": 1, "within": 1000}]},
{"id": "mixer-3-screw", "title": "Mixer 3 screw", "device": "mixer 3", "command": 13,
 "expect": [{"field": "mixer_3_screw", "becomes": 1, "within": 1000}]},
{"id": "mixer-4-drive", "title": "Mixer 4 drive", "device": "mixer 4", "command": 14,
 "expect": [{"field": "mixer_4_drive", "becomes": 1, "within": 1000}]},
{"id": "mixer-4-screw", "title": "Mixer 4 screw", "device": "mixer 4", "command": 15,
 "expect": [{"field": "mixer_4_screw", "becomes": 1, "within": 1000}]},
{"id": "cup-dispenser", "title": "Cup dispenser working cycle", "device": "cup dispenser", "command": 18,
 "expect": [{"field": "dispenser_cup_rotation", "becomes": 1, "within": 1000},
            {"field": "dispenser_cup_found", "becomes": 1, "within": 3000},
            {"field": "dispenser_cup_outpos", "becomes": 1, "within": 3000}]},
{"id": "sugar-dispenser", "title": "Sugar dispenser working cycle", "device": "sugar dispenser", "command": 28,
 "expect": [{"field": "dispenser_sugar_down", "becomes": 1, "within": 1000},
            {"field": "dispenser_sugar_insrc", "becomes": 0, "within": 1000},
            {"field": "dispenser_sugar_screw", "becomes": 1, "within": 2000},
            {"field": "dispenser_sugar_insrc", "becomes": 1, "within": 3000}]},
{"id": "coffee-group", "title": "Coffee group working cycle", "device": "coffee group", "command": 32,
 "expect": [{"field": "cofee_grinder", "becomes": 1, "within": 1000},
            {"field": "cofee_metering_isfull", "becomes": 1, "within": 4000},
            {"field": "cofee_group_inwork", "becomes": 1, "within": 5000},
            {"field": "cofee_group_insrc", "becomes": 1, "within": 5000}]},
{"id": "no-error", "title": "No error", "device": "machine",
 "expect": [{"field": "error", "stays": 0, "within": 1000}]},
{"id": "trade-mode", "title": "Trade mode", "device": "modes", "mode": 2,
 "expect": [{"field": "mode", "becomes": 2, "within": 3000}]}
]
}
)";

// The titles above, for the translation: a checklist of one's own is shown as written.
const char* const Titles[] = {
    QT_TRANSLATE_NOOP("DefaultCheck", "Master mode"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Boiler heating"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Boiler pump"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Valve 1"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Valve 2"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water to the coffee group"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water to the mixer"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water pump and flow sensor"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water selector drive"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water selector to position 1"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Water selector home"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 1 drive"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 1 screw"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 2 drive"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 2 screw"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 3 drive"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 3 screw"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 4 drive"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Mixer 4 screw"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Cup dispenser working cycle"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Sugar dispenser working cycle"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Coffee group working cycle"),
    QT_TRANSLATE_NOOP("DefaultCheck", "No error"),
    QT_TRANSLATE_NOOP("DefaultCheck", "Trade mode"),
};

} // namespace

QByteArray json()
{
    return QByteArray(Json);
}

Checklist checklist()
{
    Checklist read;
    QString error;
    ChecklistReader::read(json(), &read, &error);
    for (CheckStep& step : read.steps) {
        for (const char* title : Titles) {
            if (step.title == QLatin1String(title))
                step.title = QCoreApplication::translate("DefaultCheck", title);
        }
    }
    return read;
}

} // namespace DefaultCheck
