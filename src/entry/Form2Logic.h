#pragma once
// The summary sheet information window without its window: its options and texts,
// where the keyboard focus goes, and what its four buttons do. The entries become a
// SummaryDetails from which the summary sheet (file or printout) and the Cabrillo
// file are made; failures are told to the operator instead of passing in silence.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/FileNames.h"
#include "entry/PlatformPort.h"
#include "reports/SummaryDetails.h"

#include <array>
#include <cstddef>
#include <string>

namespace vantor {

// The window's controls that take the keyboard, declared in tab order.
enum class Form2Control {
    Option1,
    Option2,
    Option3,
    Text1,
    Option4,
    Option8,
    Option5,
    Option6,
    Option7,
    Option11,
    Option12,
    Option13,
    Option14,
    Option15,
    Option16,
    Option17,
    Text2,
    Option20,
    Option19,
    Option18,
    Text3,
    Text9,
    Text4,
    Text5,
    Text6,
    Text7,
    Option9,
    Option10,
    Text10,
    Text8,
    Text11,
    Command1,
    Command4,
    Command2,
    Command3,
    Count
};

inline constexpr std::size_t Form2ControlCount = static_cast<std::size_t>(Form2Control::Count);

// The control's name, as the window names it ("Option11", "Text1", ...).
const char* form2Name(Form2Control c);
bool isForm2Option(Form2Control c);
bool isForm2Text(Form2Control c);

inline constexpr const char* SummaryPdfName = "SummarySheet.pdf";

struct Form2Model {
    std::string Frame1; // caption of the own license class frame
    std::array<bool, Form2ControlCount> checked{};
    std::array<std::string, Form2ControlCount> text{};
    // Where the keyboard focus is to move; Count once the window has moved it.
    Form2Control focus = Form2Control::Option3;
    bool hidden = false; // "Done": the window is to close

    bool& option(Form2Control c) { return checked[static_cast<std::size_t>(c)]; }
    bool option(Form2Control c) const { return checked[static_cast<std::size_t>(c)]; }
    std::string& textOf(Form2Control c) { return text[static_cast<std::size_t>(c)]; }
    const std::string& textOf(Form2Control c) const { return text[static_cast<std::size_t>(c)]; }
};

class Form2Logic {
public:
    Form2Logic(const ContestState& state, PlatformPort& port, ShortDateForm dateForm,
               int referenceYear, FileNames files = {});

    Form2Model model;

    // Every opening starts from the defaults; the frame caption names the own call.
    void Form_Load();
    // Selects an option and clears the others of its frame.
    void select(Form2Control option);
    void Text1_LostFocus();
    void Command1_Click(); // write the summary sheet file
    void Command2_Click(); // print the summary sheet
    void Command3_Click(); // done
    void Command4_Click(); // write the Cabrillo file

    // The entries as the reports take them.
    SummaryDetails details() const;

private:
    const ContestState& s_;
    PlatformPort& port_;
    ShortDateForm dateForm_;
    int referenceYear_;
    FileNames files_;

    void warnOldFormat();
    void tell(const std::string& text);
};

} // namespace vantor
