// The File menu's traditional report commands, made by the ReportMenu; the ASCII log
// rebuilds the contest state, which the window then shows afresh. The ADIF file is
// the log for other programs.

#include "core/Numbers.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"
#include "reports/Adif.h"

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

void Form1Logic::mnuAdif_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    const std::string name = adifFileName(s_.StationInfo.MyCall);
    if (name.empty()) {
        m_.lblDialog.caption = "The ADIF file needs your call: enter it in Setup.";
        return;
    }
    const ReportResult r = writeAdif(name, s_, dateForm_, toCivil(utcNowSeconds()).date.year);
    if (!r.ok) {
        m_.lblDialog.caption = name + " was not written.";
        port_.messageBox("Vantor", r.error, Buttons::Ok, Icon::Warning);
        return;
    }
    m_.lblDialog.caption = "Wrote " + name + " with " + std::to_string(s_.RecCount) + " contacts.";
}

} // namespace vantor
