#pragma once

#include <QVector>

// The outputs a device command of request 3 switches on while it runs, so that a check can
// switch them off again whatever becomes of the step that sent it.
namespace CommandOutputs {

QVector<int> of(int command);

} // namespace CommandOutputs
