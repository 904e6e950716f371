// The File menu's traditional report commands, made by the ReportMenu; the ASCII log
// rebuilds the contest state, which the window then shows afresh.

#include "core/Numbers.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

void Form1Logic::mnuAsciiLog_Click() {
    asciiLogCommand(false);
}

void Form1Logic::mnuPrntlog_Click() {
    asciiLogCommand(true);
}

void Form1Logic::mnuAsciiDupe_Click() {
    dupeSheetCommand(false);
}

void Form1Logic::mnuPrntdupe_Click() {
    dupeSheetCommand(true);
}

void Form1Logic::asciiLogCommand(bool print) {
    if (ended_)
        return;
    EventScope scope(*this);
    if (!reports_.asciiLog(print))
        return;
    recolourGrid();
    m_.lblTotSec.caption = " " + signBlank(s_.SecWorked);
    m_.lblTotScore.caption = " " + signBlank(score(s_));
    listrecent();
    m_.lblTotCon.caption = " " + signBlank(s_.RecCount);
}

void Form1Logic::dupeSheetCommand(bool print) {
    if (ended_)
        return;
    EventScope scope(*this);
    reports_.dupeSheet(print);
}

} // namespace vantor
