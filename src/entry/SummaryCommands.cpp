// The main window's two summary sheet menu items: both open the summary sheet
// information window.

#include "entry/Form1Logic.h"

namespace vantor {

void Form1Logic::mnuPrntSum_Click() {
    if (!ended_)
        port_.showSummarySheet(dateForm_, toCivil(utcNowSeconds()).date.year, files_);
}

void Form1Logic::mnuWriteSumm_Click() {
    mnuPrntSum_Click();
}

} // namespace vantor
