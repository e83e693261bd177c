#pragma once

class QDialog;

namespace HistoryButton {

// Puts a "History" button (historyButton) beside the panel's Quit button, the last push
// button of its top layout, that shows the program's History window.
void addBesideQuit(QDialog* panel);

} // namespace HistoryButton
