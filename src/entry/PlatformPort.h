#pragma once
// What the window logic needs from the platform besides the clock: the beep, modal
// message boxes, the secondary windows and the end of the program. Qt implements it
// for the real window; tests script it.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/FileNames.h"
#include "core/FileOps.h"
#include "reports/PrinterPort.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Question, Warning };
enum class Answer { Ok, Cancel, Yes, No };

class PlatformPort {
public:
    virtual ~PlatformPort() = default;

    virtual void beep() = 0;
    // Enter presses defaultButton (Escape answers No or Cancel); a box without that
    // button has its first one as the default.
    virtual Answer messageBox(const std::string& title, const std::string& text, Buttons buttons,
                              Icon icon, Answer defaultButton = Answer::Yes) = 0;

    // The station dialog, modal; returns what the operator left in it. A note, when not
    // empty, is shown beside the hours box.
    virtual StationData runStationDialog(const StationData& current, const std::string& note) = 0;
    virtual void showBandStatistics() = 0;
    // The edit contact dialog, modal, on record EditRec; "Done" stores the corrected
    // fields into the record. Without a dialog nothing changes.
    virtual void runEditDialog(ContestState& state, int EditRec, const ShortDateForm& dateForm,
                               int referenceYear) {
        (void)state;
        (void)EditRec;
        (void)dateForm;
        (void)referenceYear;
    }
    virtual void showHelp() = 0;
    // The summary sheet information window, modal, opened afresh with its defaults and
    // discarded when closed. Without a window nothing happens.
    virtual void showSummarySheet(const ShortDateForm& dateForm, int referenceYear,
                                  const FileNames& files) {
        (void)dateForm;
        (void)referenceYear;
        (void)files;
    }

    // Starts a print job on the system's default printer; where the system has no
    // printer the pages go to pdfName in the contest folder instead. Null when no job
    // could be started at all.
    virtual std::unique_ptr<PrinterPort> startPrintJob(const std::string& pdfName) {
        (void)pdfName;
        return nullptr;
    }

    // Ends the program at once; nothing after it may touch files.
    virtual void endProgram() = 0;

    // The operating system's day-half designators.
    virtual std::string amText() const { return "AM"; }
    virtual std::string pmText() const { return "PM"; }
};

// A file that could not be written, told in a warning box with the system's reason.
inline void tellFailure(PlatformPort& port, const std::string& what, const IoResult& r) {
    port.messageBox("Vantor", what + "\n\n" + r.error, Buttons::Ok, Icon::Warning);
}

} // namespace vantor
