#pragma once
// The summary sheet: the cover page of an entry, built from the contest state and the
// summary window's entries.

#include "core/ContestState.h"
#include "reports/PrinterPort.h"
#include "reports/ReportFile.h"
#include "reports/SummaryDetails.h"

#include <string>
#include <vector>

namespace vantor {

// Sponsor addresses completing the sheet.
inline constexpr std::string_view SponsorPostalAddress =
    "ARRL, 225 Main Street, Newington, CT 06111";
inline constexpr std::string_view SponsorEmailCW = "SSCW@arrl.org";
inline constexpr std::string_view SponsorEmailPhone = "SSPhone@arrl.org";
inline constexpr std::string_view SponsorFtpHost = "ftp.arrl.org";
inline constexpr std::string_view SponsorWebHost = "www.arrl.org";

// Seconds as HH:MM:SS, each part its last two digits.
std::string hoursOfOperation(std::int32_t seconds);
// A section list (" CT EMA ...") cut at spaces into lines of at most 65 characters.
std::vector<std::string> wrapSectionList(std::string list);

// The lines of "ASCIISum.txt" (no line ends).
std::vector<std::string> summarySheetLines(const ContestState&, const SummaryDetails&);
// The printed sheet: 16-point title block, 11 points after it, every line from
// column 15, a page break after the signature line. It does not end the job.
void printSummarySheet(PrinterPort&, const ContestState&, const SummaryDetails&);
ReportResult writeSummarySheet(const std::string& path, const ContestState&, const SummaryDetails&);

} // namespace vantor
