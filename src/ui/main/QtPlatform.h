#pragma once
// The platform as Qt provides it: the beep, modal message boxes, the secondary windows
// and the end of the program.

#include "core/Clock.h"
#include "entry/PlatformPort.h"

class QWidget;

namespace vantor::ui {

class QtPlatform final : public PlatformPort {
public:
    QtPlatform(const Clock& clock, const ContestState& state) : state_(state) { (void)clock; }

    // The window that owns the message boxes and dialogs.
    void setOwner(QWidget* owner) { owner_ = owner; }

    void beep() override;
    Answer messageBox(const std::string& title, const std::string& text, Buttons buttons, Icon icon,
                      Answer defaultButton = Answer::Yes) override;
    StationData runStationDialog(const StationData& current, const std::string& note) override;
    void showBandStatistics() override;
    void runEditDialog(ContestState& state, int EditRec, const ShortDateForm& dateForm,
                       int referenceYear) override;
    void showHelp() override;
    void showSummarySheet(const ShortDateForm& dateForm, int referenceYear,
                          const FileNames& files) override;
    std::unique_ptr<PrinterPort> startPrintJob(const std::string& pdfName) override;
    void endProgram() override;
    std::string amText() const override;
    std::string pmText() const override;

private:
    const ContestState& state_;
    QWidget* owner_ = nullptr;
};

} // namespace vantor::ui
