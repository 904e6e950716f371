#include "entry/Form2Logic.h"

#include "reports/Cabrillo3.h"
#include "reports/Submission.h"
#include "reports/SummarySheet.h"

namespace vantor {

namespace {

using C = Form2Control;
using Class = SummaryDetails::LicenseClass;
using Category = SummaryDetails::Category;
using Power = SummaryDetails::Power;

constexpr std::array<const char*, Form2ControlCount> Names{
    "Option1",  "Option2",  "Option3",  "Text1",    "Option4",  "Option8",  "Option5",
    "Option6",  "Option7",  "Option11", "Option12", "Option13", "Option14", "Option15",
    "Option16", "Option17", "Text2",    "Option20", "Option19", "Option18", "Text3",
    "Text9",    "Text4",    "Text5",    "Text6",    "Text7",    "Option9",  "Option10",
    "Text10",   "Text8",    "Text11",   "Command1", "Command4", "Command2", "Command3"};

enum class Frame { Own, Operator, Operators, Club, Category, Power };

// Every option: its frame and what choosing it means there.
struct OptionRow {
    C control;
    Frame frame;
    int value;
};

constexpr std::array<OptionRow, 20> Options{{
    {C::Option1, Frame::Own, int(Class::Novice)},
    {C::Option2, Frame::Own, int(Class::Technician)},
    {C::Option3, Frame::Own, int(Class::Other)},
    {C::Option4, Frame::Operator, int(Class::Novice)},
    {C::Option8, Frame::Operator, int(Class::Technician)},
    {C::Option5, Frame::Operator, int(Class::Other)},
    {C::Option6, Frame::Operators, 1},
    {C::Option7, Frame::Operators, 0},
    {C::Option9, Frame::Club, 1},
    {C::Option10, Frame::Club, 0},
    {C::Option11, Frame::Category, int(Category::SingleOp)},
    {C::Option12, Frame::Category, int(Category::SingleOpAssisted)},
    {C::Option13, Frame::Category, int(Category::MultiOne)},
    {C::Option14, Frame::Category, int(Category::MultiTwo)},
    {C::Option15, Frame::Category, int(Category::MultiMulti)},
    {C::Option16, Frame::Category, int(Category::SchoolClub)},
    {C::Option17, Frame::Category, int(Category::Checklog)},
    {C::Option20, Frame::Power, int(Power::QRP)},
    {C::Option19, Frame::Power, int(Power::Low)},
    {C::Option18, Frame::Power, int(Power::High)},
}};

constexpr std::array<C, 5> DefaultOptions{C::Option3, C::Option6, C::Option11, C::Option19,
                                          C::Option10};

const OptionRow* optionRow(C c) {
    for (const OptionRow& row : Options)
        if (row.control == c)
            return &row;
    return nullptr;
}

const char* const WarningTitle =
    "This traditional log submission format may not be valid after 1999!";
const char* const WarningText =
    "In my last correspondence with the ARRL, they indicated that the traditional summary "
    "format will not be accepted after the 1999 contest.  In addition, they only want contest "
    "submissions as files (no computer generated printed logs). To write the new Cabrillo "
    "format (ASCIICab.txt) which incorporates the summary and log files, click Write Cabrillo "
    "Fmt.";

} // namespace

const char* form2Name(Form2Control c) {
    const auto i = static_cast<std::size_t>(c);
    return i < Names.size() ? Names[i] : "";
}

bool isForm2Option(Form2Control c) {
    return optionRow(c) != nullptr;
}

bool isForm2Text(Form2Control c) {
    const std::string name = form2Name(c);
    return name.rfind("Text", 0) == 0;
}

Form2Logic::Form2Logic(const ContestState& state, PlatformPort& port, ShortDateForm dateForm,
                       int referenceYear, FileNames files)
    : s_(state), port_(port), dateForm_(dateForm), referenceYear_(referenceYear),
      files_(std::move(files)) {
    Form_Load();
}

void Form2Logic::Form_Load() {
    model = {};
    for (C c : DefaultOptions)
        model.option(c) = true;
    // Today's entry declares the power the own precedence stands for (Q is QRP, B high
    // power): that option is chosen from the start, so the default contradicts nothing.
    if (s_.Sections == &Sections85) {
        if (const Power own = precedencePower(s_.StationInfo.MyPre); own != Power::None)
            for (const OptionRow& row : Options)
                if (row.frame == Frame::Power)
                    model.option(row.control) = row.value == int(own);
    }
    model.Frame1 = s_.StationInfo.MyCall + "'s License Class:";
    model.focus = C::Option3;
}

void Form2Logic::select(Form2Control option) {
    const OptionRow* chosen = optionRow(option);
    if (!chosen)
        return;
    for (const OptionRow& row : Options)
        if (row.frame == chosen->frame)
            model.option(row.control) = row.control == option;
}

void Form2Logic::Text1_LostFocus() {
    if (model.textOf(C::Text1).empty()) {
        model.focus = C::Option6;
        for (C c : {C::Option4, C::Option8, C::Option5})
            model.option(c) = false;
    } else {
        model.focus = C::Option5;
        select(C::Option5);
    }
}

SummaryDetails Form2Logic::details() const {
    // The value of the option chosen in a frame; none chosen gives none.
    const auto chosen = [this](Frame frame, int none) {
        for (const OptionRow& row : Options)
            if (row.frame == frame && model.option(row.control))
                return row.value;
        return none;
    };
    SummaryDetails d;
    d.ownClass = Class(chosen(Frame::Own, int(Class::None)));
    d.operatorCall = model.textOf(C::Text1);
    d.operatorClass = Class(chosen(Frame::Operator, int(Class::None)));
    d.singleOperator = model.option(C::Option6);
    d.category = Category(chosen(Frame::Category, int(Category::None)));
    d.operators = model.textOf(C::Text2);
    d.power = Power(chosen(Frame::Power, int(Power::None)));
    d.rigs = model.textOf(C::Text3);
    d.powerOutput = model.textOf(C::Text9);
    d.antennas = model.textOf(C::Text4);
    d.name = model.textOf(C::Text5);
    d.clubParticipation = model.option(C::Option9);
    d.club = model.textOf(C::Text10);
    d.address1 = model.textOf(C::Text6);
    d.address2 = model.textOf(C::Text7);
    d.email = model.textOf(C::Text8);
    d.soapbox = model.textOf(C::Text11);
    return d;
}

void Form2Logic::warnOldFormat() {
    port_.beep();
    port_.messageBox(WarningTitle, WarningText, Buttons::Ok, Icon::None);
}

void Form2Logic::tell(const std::string& text) {
    port_.messageBox("Vantor", text, Buttons::Ok, Icon::Warning);
}

void Form2Logic::Command1_Click() {
    warnOldFormat();
    const ReportResult r = writeSummarySheet(files_.summary, s_, details());
    if (!r.ok) {
        tell(r.error.empty() ? files_.summary + " could not be written." : r.error);
        return;
    }
    model.focus = C::Command3;
}

void Form2Logic::Command2_Click() {
    warnOldFormat();
    const auto job = port_.startPrintJob(SummaryPdfName);
    if (!job) {
        tell("The summary sheet could not be printed: no print job could be started.");
        return;
    }
    if (job->ok())
        printSummarySheet(*job, s_, details());
    if (!job->endJob()) {
        tell("The summary sheet could not be printed: " + job->error());
        return;
    }
    model.focus = C::Command3;
    if (!job->destination().empty())
        port_.messageBox("Vantor",
                         "No printer: the summary sheet was printed to " + job->destination() + ".",
                         Buttons::Ok, Icon::None);
}

void Form2Logic::Command3_Click() {
    model.hidden = true;
}

void Form2Logic::Command4_Click() {
    if (writeCabrilloEntry(files_, s_, details(), dateForm_, referenceYear_,
                           [this](const std::string& text) { tell(text); }))
        model.focus = C::Command3;
}

} // namespace vantor
