#pragma once

#include <QMap>
#include <QString>

// The texts of the machine's mode, state and error codes, translated in context "QObject".
// A code without an entry has no text.
namespace StatusTexts {

// The three steps of the mixer cycle have no codes of their own in the controller's state
// table; they get the codes 140 to 142 here, after the coffee group cycle's 130 to 134.
enum MixerCycleState : int {
    StateStartMixer = 140,
    StateWaitMixer = 141,
    StateHeatingWaterForMixer = 142,
};

void fillModeTexts(QMap<int, QString>& texts);
void fillStateTexts(QMap<int, QString>& texts);
void fillErrorTexts(QMap<int, QString>& texts);

} // namespace StatusTexts
