#pragma once
// What the window logic needs from the platform besides the clock, in three parts:
// messages, dialogs and printing. Qt implements them for the real window; tests script
// them, and a part a test did not script is no silent default.

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

// What the operator is told: the beep, message boxes, the day-half words of the clock,
// and the end of the program after a message it cannot go on from.
class MessagePort {
public:
    virtual ~MessagePort() = default;

    virtual void beep() = 0;
    // Enter presses defaultButton (Escape answers No or Cancel); a box without that
    // button has its first one as the default.
    virtual Answer messageBox(const std::string& title, const std::string& text, Buttons buttons,
                              Icon icon, Answer defaultButton = Answer::Yes) = 0;
    // The operating system's day-half designators.
    virtual std::string amText() const = 0;
    virtual std::string pmText() const = 0;
    // Ends the program at once; nothing after it may touch files.
    virtual void endProgram() = 0;
};

// The secondary windows, each modal.
class DialogPort {
public:
    virtual ~DialogPort() = default;

    // The station dialog; returns what the operator left in it. A note, when not empty,
    // is shown beside the hours box.
    virtual StationData runStationDialog(const StationData& current, const std::string& note) = 0;
    virtual void showBandStatistics() = 0;
    // The edit contact dialog on record EditRec; "Done" stores the corrected fields into
    // the record.
    virtual void runEditDialog(ContestState& state, int EditRec, const ShortDateForm& dateForm,
                               int referenceYear) = 0;
    virtual void showHelp() = 0;
    // The summary sheet information window, opened afresh with its defaults and
    // discarded when closed.
    virtual void showSummarySheet(const ShortDateForm& dateForm, int referenceYear,
                                  const FileNames& files) = 0;
};

class PrintPort {
public:
    virtual ~PrintPort() = default;

    // Starts a print job on the system's default printer; where the system has no
    // printer the pages go to pdfName in the contest folder instead. Null when no job
    // could be started at all.
    virtual std::unique_ptr<PrinterPort> startPrintJob(const std::string& pdfName) = 0;
};

// The whole platform, as the main window hands it on: each user takes the part it needs.
class PlatformPort : public MessagePort, public DialogPort, public PrintPort {};

// A file that could not be written, told in a warning box with the system's reason.
inline void tellFailure(MessagePort& port, const std::string& what, const IoResult& r) {
    port.messageBox("Vantor", what + "\n\n" + r.error, Buttons::Ok, Icon::Warning);
}

} // namespace vantor
