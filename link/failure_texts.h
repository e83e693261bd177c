#pragma once

#include "link/link_failure.h"

#include <QString>

// The words of a link failure, in the program's language. A failure without words of its own
// (Other) is said by the socket's text; a timeout names the seconds it waited.
namespace FailureTexts {

// "The controller closed the connection.": the panels' link line.
QString sentence(LinkFailure failure, const QString& socketText, int connectTimeoutMs);
// "the controller closed the connection": the history's reason of a loss.
QString fragment(LinkFailure failure, const QString& socketText, int connectTimeoutMs);

} // namespace FailureTexts
