#pragma once

class QWidget;

// Old values look old: while `stale`, every check box of `panel` draws its text in grey italics
// and every LCD its digits flat in grey (#595959, 6:1 on the panels' background), where live
// ones are near black and outlined. The status fields have their own look (StatusFields).
void setValuesStale(QWidget* panel, bool stale);
