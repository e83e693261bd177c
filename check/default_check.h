#pragma once

#include "check/checklist.h"

#include <QByteArray>

// The check this program ships: every device the test panels drive, driven and read back.
namespace DefaultCheck {

// The checklist as JSON, in the format ChecklistReader reads (also for writing one's own).
QByteArray json();
Checklist checklist();

} // namespace DefaultCheck
