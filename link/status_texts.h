#pragma once

#include <QMap>
#include <QString>

// The texts of the machine's mode, state and error codes, translated in context "QObject".
// A code without an entry has no text. The codes are named in link/protocol.h.
namespace StatusTexts {

void fillModeTexts(QMap<int, QString>& texts);
void fillStateTexts(QMap<int, QString>& texts);
void fillErrorTexts(QMap<int, QString>& texts);

} // namespace StatusTexts
