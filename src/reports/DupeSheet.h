#pragma once
// The dupe sheet: every call worked, by call area (its first digit) and then by call,
// with the totals. Reads the contest state and changes nothing in it.

#include "core/ContestState.h"
#include "reports/PrinterPort.h"
#include "reports/ReportFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The call's first decimal digit (a space when it has none) followed by the call.
std::string dupeKey(std::string_view call);
// The calls of records 1..RecCount in dupe sheet order.
std::vector<std::string> dupeSheetCalls(const ContestState& state);
// "Total Contacts N   Total Sections S  Total Score X", numbers by the number field rule.
std::string dupeTotalsLine(const ContestState& state);

// The lines of "ASCIIDup.txt" (no line ends).
std::vector<std::string> dupeSheetLines(const ContestState& state);
ReportResult writeDupeSheet(const std::string& path, const ContestState& state);
// The printed sheet: 11-point font, a page header and 48 calls a page, then the
// totals. It does not end the job.
void printDupeSheet(PrinterPort& printer, const ContestState& state);

} // namespace vantor
