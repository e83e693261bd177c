#pragma once

#include <QJsonObject>

#include <functional>

// Where the results of every check that ends go, from the window and from the command line
// alike: the program hands them to the visit under way. None unless the program sets one.
namespace CheckResultsSink {

void set(std::function<void(const QJsonObject&)> sink);
void deliver(const QJsonObject& results);

} // namespace CheckResultsSink
