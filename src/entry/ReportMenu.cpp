#include "entry/ReportMenu.h"

#include "reports/AsciiLog.h"
#include "reports/DupeSheet.h"

#include <memory>

namespace vantor {

namespace {

constexpr std::string_view TraditionalTitle =
    "This traditional log submission format may not be valid after 1999!";
constexpr std::string_view TraditionalText =
    "In my last correspondence with the ARRL, they indicated that the traditional log format "
    "will not be accepted after the 1999 contest.  In addition, they only want contest "
    "submissions as files (no computer generated printed logs). To write the new Cabrillo "
    "format (ASCIICab.txt) which incorporates the summary and log files, click Write Cabrillo "
    "Fmt from the Summary Sheet Form.";

// Prints through a job and ends it; empty on success, otherwise what went wrong.
template <class PrintFn>
std::string printJob(PlatformPort& port, const std::string& pdfName, std::string& destination,
                     PrintFn&& print) {
    const std::unique_ptr<PrinterPort> job = port.startPrintJob(pdfName);
    if (!job)
        return "no print job could be started";
    print(*job);
    if (!job->endJob()) {
        const std::string why = job->error();
        return why.empty() ? "the print job failed" : why;
    }
    destination = job->destination();
    return {};
}

} // namespace

ReportMenu::ReportMenu(ContestState& state, Form1Model& model, PlatformPort& port,
                       const FileNames& files)
    : s_(state), m_(model), port_(port), files_(files) {}

void ReportMenu::warnTraditionalFormat() {
    port_.beep();
    port_.messageBox(std::string(TraditionalTitle), std::string(TraditionalText), Buttons::Ok,
                     Icon::None);
}

bool ReportMenu::asciiLog(bool print) {
    warnTraditionalFormat();
    m_.lblDialog.caption = print ? "Printing ASCII Log File." : "Writing ASCII Log File.";

    // Both inputs are read before anything is reset, so a failure changes nothing.
    AsciiLogInputs inputs;
    if (const ReportResult r = readAsciiLogInputs(files_.log, files_.onOff, inputs); !r.ok) {
        m_.lblDialog.caption = r.error;
        return false;
    }
    AsciiLogListing listing = mergeAsciiLog(std::move(inputs), *s_.Sections);
    std::string destination;
    if (print) {
        const std::string failure =
            printJob(port_, "Log.pdf", destination, [&](PrinterPort& printer) {
                printAsciiLog(printer, s_.StationInfo, listing);
            });
        if (!failure.empty()) {
            m_.lblDialog.caption = "The log was not printed: " + failure + ".";
            return false;
        }
    } else if (const ReportResult r = writeAsciiLog(files_.asciiLog, listing); !r.ok) {
        m_.lblDialog.caption = r.error;
        return false;
    }

    adoptAsciiLog(s_, std::move(listing));
    m_.lblDialog.caption =
        destination.empty() ? " " : "No printer: the log was printed to " + destination + ".";
    return true;
}

void ReportMenu::dupeSheet(bool print) {
    warnTraditionalFormat();
    // The keys are built and ordered in one step here; the window shows the label
    // only when the command has returned, so the two working texts follow at once.
    m_.lblDialog.caption = "Sorting";
    m_.lblDialog.caption = "Writing File";
    std::string destination;
    if (print) {
        const std::string failure =
            printJob(port_, "DupeSheet.pdf", destination,
                     [&](PrinterPort& printer) { printDupeSheet(printer, s_); });
        if (!failure.empty()) {
            m_.lblDialog.caption = "The dupe sheet was not printed: " + failure + ".";
            return;
        }
    } else if (const ReportResult r = writeDupeSheet(files_.asciiDupe, s_); !r.ok) {
        m_.lblDialog.caption = r.error;
        return;
    }
    m_.lblDialog.caption = destination.empty()
                               ? " "
                               : "No printer: the dupe sheet was printed to " + destination + ".";
}

} // namespace vantor
