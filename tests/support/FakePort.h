#pragma once
// A scripted platform for logic tests: it records beeps, message boxes and windows, and
// answers the Yes/No boxes from a queue. A question nobody scripted an answer to is a
// fault of the test (it throws), unless the test names the answer for all of them.

#include "core/Clock.h"
#include "entry/PlatformPort.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantor::test {

struct ShownBox {
    std::string title;
    std::string text;
    Buttons buttons;
    Icon icon;
    Answer defaultButton;
};

class FakePort : public PlatformPort {
public:
    explicit FakePort(FakeClock& clock) { (void)clock; }

    int beeps = 0;
    std::vector<ShownBox> boxes;
    std::deque<Answer> answers; // answers to Yes/No boxes, in order
    // The answer to every Yes/No box once the queue is empty; none: such a box throws.
    std::optional<Answer> unscripted;
    StationData stationReply; // what the station dialog returns
    bool useStationReply = false;
    int stationDialogs = 0;
    int bandStatistics = 0;
    int helpPages = 0;
    bool ended = false;

    void beep() override { ++beeps; }
    Answer messageBox(const std::string& title, const std::string& text, Buttons buttons, Icon icon,
                      Answer defaultButton = Answer::Yes) override {
        boxes.push_back({title, text, buttons, icon, defaultButton});
        if (buttons == Buttons::YesNo) {
            if (answers.empty()) {
                if (!unscripted)
                    throw std::logic_error("no answer scripted for \"" + title + "\": " + text);
                return *unscripted;
            }
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return Answer::Ok;
    }
    std::function<void()> duringStationDialog; // e.g. the program ended meanwhile
    std::vector<std::string> stationNotes;     // the note shown by each station dialog
    StationData runStationDialog(const StationData& current, const std::string& note) override {
        ++stationDialogs;
        stationNotes.push_back(note);
        if (duringStationDialog)
            duringStationDialog();
        return useStationReply ? stationReply : current;
    }
    void showBandStatistics() override { ++bandStatistics; }
    // Plays the operator's part in the edit dialog; without it the dialog is closed.
    std::function<void(ContestState&, int, const ShortDateForm&, int)> editDialog;
    std::vector<int> editedRecords;
    void runEditDialog(ContestState& state, int EditRec, const ShortDateForm& form,
                       int referenceYear) override {
        editedRecords.push_back(EditRec);
        if (editDialog)
            editDialog(state, EditRec, form, referenceYear);
    }
    void showHelp() override { ++helpPages; }
    int summarySheets = 0;
    void showSummarySheet(const ShortDateForm&, int, const FileNames&) override { ++summarySheets; }
    // Printing is scripted by PrintingPort; here a print job is a fault of the test.
    std::unique_ptr<PrinterPort> startPrintJob(const std::string& pdfName) override {
        throw std::logic_error("no printer scripted for " + pdfName);
    }
    void endProgram() override { ended = true; }
    std::string amText() const override { return "AM"; }
    std::string pmText() const override { return "PM"; }
};

} // namespace vantor::test
