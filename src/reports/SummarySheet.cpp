#include "reports/SummarySheet.h"

#include "core/DateTime.h"
#include "core/SectionTable.h"
#include "reports/ReportLine.h"

namespace vantor {

namespace {

std::string_view className(SummaryDetails::LicenseClass c) {
    switch (c) {
    case SummaryDetails::LicenseClass::Novice:
        return "Novice";
    case SummaryDetails::LicenseClass::Technician:
        return "Technician";
    case SummaryDetails::LicenseClass::Other:
        return "Other";
    case SummaryDetails::LicenseClass::None:
        break;
    }
    return "";
}

std::string sectionList(const ContestState& state, bool worked) {
    std::string list;
    for (int r = 1; r <= state.Sections->rows; ++r) {
        if ((state.SecCount[static_cast<std::size_t>(r)] > 0) == worked) {
            list += ' ';
            list += state.Sections->row(r).Abbr;
        }
    }
    return list;
}

// Where the sheet goes: the file takes the lines only; paper also takes the font
// sizes and the page break, and starts every line at column 15.
class SheetSink {
public:
    explicit SheetSink(PrinterPort* printer) : printer_(printer) {}

    bool paper() const { return printer_ != nullptr; }
    int left() const { return paper() ? 15 : 1; }

    void line(const ReportLine& l) {
        if (printer_)
            printReportLine(*printer_, l);
        else
            text_.add(l);
    }
    void line(std::string_view t) { line(ReportLine().at(left(), t)); }
    void empty(int count = 1) {
        for (int i = 0; i < count; ++i)
            line(ReportLine());
    }
    void font(double points) {
        if (printer_)
            printer_->setFontSize(points);
    }
    void page() {
        if (printer_)
            printer_->newPage();
    }
    const std::vector<std::string>& lines() const { return text_.lines(); }

private:
    PrinterPort* printer_;
    ReportText text_;
};

void composeSheet(const ContestState& s, const SummaryDetails& d, SheetSink& out) {
    const StationData& st = s.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    const std::string title =
        std::string("ARRL NOVEMBER SWEEPSTAKES ") + (phone ? "PHONE CONTEST" : "CW CONTEST");
    const bool paper = out.paper();
    const int left = out.left();

    if (paper) {
        out.font(16);
        out.empty(2);
        out.line(title);
        out.empty(3);
        out.font(11);
    } else {
        out.line(title);
        out.empty();
    }
    out.line("Call Used: " + st.MyCall + "    ARRL Section: " + st.MySec +
             "    License Class: " + std::string(className(d.ownClass)));
    out.empty();
    out.line("Call of operator if different");
    out.line("from call used: " + d.operatorCall +
             "    License Class: " + std::string(className(d.operatorClass)));
    out.empty();
    if (d.singleOperator) {
        out.line(" X Single Operator");
        out.line("   Multioperator");
    } else {
        out.line("   Single Operator");
        out.line(" X Multioperator " + d.operators);
    }
    out.empty();
    out.line(ReportLine()
                 .at(left, "Scoring:")
                 .number(2 * static_cast<std::int64_t>(s.RecCount))
                 .text("QSO points X")
                 .number(s.SecWorked)
                 .text("sections =")
                 .number(score(s))
                 .text("claimed score"));
    out.empty();
    out.line("Count 2 points for complete QSO. (Sections worked are listed below.)");
    out.empty();
    out.line("Claimed Score   QSO's   Sections   Power Output   Hrs of Op");
    const std::array<int, 5> cols =
        paper ? std::array<int, 5>{15, 32, 43, 53, 69} : std::array<int, 5>{1, 16, 27, 37, 51};
    out.line(ReportLine()
                 .numberAt(cols[0], score(s))
                 .numberAt(cols[1], s.RecCount)
                 .numberAt(cols[2], s.SecWorked)
                 .at(cols[3], d.powerOutput)
                 .at(cols[4], hoursOfOperation(s.OpTime)));
    out.empty();
    if (d.clubParticipation) {
        out.line("Club participation? Yes");
        out.line("ARRL Affiliated Club: " + d.club);
    } else {
        out.line("Club participation? No");
    }
    out.empty();
    out.line("Equipment Description:");
    out.line("Rigs: " + d.rigs);
    out.line("Antennas: " + d.antennas);
    out.empty();
    out.line("Please enclose log, photos, comments, ideas, etc. with your entry and");
    out.line("mail promptly to: " + std::string(SponsorPostalAddress) + ".");
    out.empty();
    out.line("Internet: " + std::string(phone ? SponsorEmailPhone : SponsorEmailCW));
    out.line("Anonymous FTP: " + std::string(SponsorFtpHost));
    out.line("WWW: " + std::string(SponsorWebHost));
    out.empty();
    out.line("I have observed all competition rules as well as all regulations for");
    out.line("Amateur Radio in my country.  My report is correct and true to the best");
    out.line("of my knowledge.  I agree to be bound by the decisions of the");
    out.line("ARRL Awards Committee.");
    out.empty(paper ? 3 : 1);
    out.line("Date __________  Signature ___________________  Call ______________");
    out.empty();
    if (paper) {
        out.page();
        out.empty(3);
    }
    out.line("Sections worked:");
    for (const auto& l : wrapSectionList(sectionList(s, true)))
        out.line(l);
    out.empty();
    out.line("Sections not worked:");
    for (const auto& l : wrapSectionList(sectionList(s, false)))
        out.line(l);
    out.empty();
    if (paper) {
        out.line("Name:     " + std::string(" ") + d.name + "     Call: " + st.MyCall);
        out.line(ReportLine().at(left, "Address: ").at(26, d.address1));
        out.line(ReportLine().at(26, d.address2));
        out.empty();
    } else {
        out.line(ReportLine("Name: ").at(16, d.name).text("     Call:" + st.MyCall));
        out.line(ReportLine("Address: ").at(16, d.address1));
        out.line(ReportLine().at(16, d.address2));
    }
    out.line("Email Address: " + d.email);
}

} // namespace

std::string hoursOfOperation(std::int32_t seconds) {
    return durationText(seconds);
}

std::vector<std::string> wrapSectionList(std::string list) {
    constexpr std::size_t width = 65;
    std::vector<std::string> out;
    while (!list.empty()) {
        if (list.size() <= width) {
            out.push_back(std::move(list));
            break;
        }
        const std::size_t space = list.rfind(' ', width - 1);
        // Every abbreviation is short; a list without a space to cut at is cut hard.
        const std::size_t cut = space == std::string::npos || space == 0 ? width : space + 1;
        out.push_back(list.substr(0, cut));
        list.erase(0, cut);
    }
    return out;
}

std::vector<std::string> summarySheetLines(const ContestState& state,
                                           const SummaryDetails& details) {
    SheetSink sink(nullptr);
    composeSheet(state, details, sink);
    return sink.lines();
}

void printSummarySheet(PrinterPort& printer, const ContestState& state,
                       const SummaryDetails& details) {
    SheetSink sink(&printer);
    composeSheet(state, details, sink);
}

ReportResult writeSummarySheet(const std::string& path, const ContestState& state,
                               const SummaryDetails& details) {
    return writeReportFile(path, summarySheetLines(state, details));
}

} // namespace vantor
