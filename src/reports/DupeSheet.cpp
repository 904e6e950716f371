#include "reports/DupeSheet.h"

#include "reports/ReportLine.h"

#include <algorithm>

namespace vantor {

std::string dupeKey(std::string_view call) {
    const auto digit =
        std::find_if(call.begin(), call.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    std::string key(1, digit == call.end() ? ' ' : *digit);
    key += call;
    return key;
}

std::vector<std::string> dupeSheetCalls(const ContestState& state) {
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(std::max(state.RecCount, 0)));
    for (int i = 1; i <= state.RecCount; ++i)
        keys.push_back(dupeKey(state.ContactLog[i].Call));
    // Ascending by character code. A selection sort would order equal keys
    // differently, but equal keys come only from equal calls, so the printed calls are
    // the same; this stays fast with a full log.
    std::sort(keys.begin(), keys.end());
    for (auto& k : keys)
        k.erase(0, 1);
    return keys;
}

std::string dupeTotalsLine(const ContestState& state) {
    return "Total Contacts" + numberField(state.RecCount) + "   Total Sections" +
           numberField(state.SecWorked) + "  Total Score" + numberField(score(state));
}

std::vector<std::string> dupeSheetLines(const ContestState& state) {
    std::vector<std::string> lines = dupeSheetCalls(state);
    lines.emplace_back();
    lines.push_back(dupeTotalsLine(state));
    return lines;
}

ReportResult writeDupeSheet(const std::string& path, const ContestState& state) {
    return writeReportFile(path, dupeSheetLines(state));
}

namespace {

void printHeader(PrinterPort& printer, const StationData& st) {
    printer.printLine({});
    printReportLine(printer, ReportLine(std::string(38, ' ') + "ARRL Sweepstakes"));
    printReportLine(printer, ReportLine(std::string(43, ' ') + "Dupe Sheet"));
    printer.printLine({});
    printReportLine(printer,
                    ReportLine("   Call Used: " + st.MyCall).at(52, "ARRL Section: " + st.MySec));
    printReportLine(
        printer,
        ReportLine("   Sent: " + st.MyPre + " " + st.MyCall + " " + st.MyCk + " " + st.MySec)
            .at(52, st.ContestMode == ModePhone ? "PHONE CONTEST" : "CW CONTEST"));
    printer.printLine({});
    printer.printLine({});
}

} // namespace

void printDupeSheet(PrinterPort& printer, const ContestState& state) {
    printer.setFontSize(11);
    int counter = 1;
    for (const auto& call : dupeSheetCalls(state)) {
        if (counter == 57)
            counter = 1;
        if (counter == 1) {
            printHeader(printer, state.StationInfo);
            counter = 9;
        }
        printReportLine(printer, ReportLine().at(5, call));
        if (++counter == 57)
            printer.newPage();
    }
    printer.printLine({});
    printReportLine(printer, ReportLine("   " + dupeTotalsLine(state)));
}

} // namespace vantor
