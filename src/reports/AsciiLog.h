#pragma once
// The traditional log: every contact of "log.txt" in time order, merged with the
// log-on and log-off records of "nsonoff.txt", with the new-section markers and the
// running claimed score. Building it also rebuilds the contest state from "log.txt".
//
// The work is split so that nothing is touched before everything is known: both
// inputs are read and checked first (readAsciiLogInputs), the listing is built from
// them alone (mergeAsciiLog), written or printed, and only then adopted into the
// contest state (adoptAsciiLog). A failure at any step leaves the state as it was.

#include "core/ContestState.h"
#include "core/OnOffFile.h"
#include "reports/PrinterPort.h"
#include "reports/ReportFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

struct AsciiLogInputs {
    std::vector<Contact> contacts;  // "log.txt" in file order
    std::vector<OnOffRecord> onOff; // "nsonoff.txt" in file order
};

// Reads and checks both files: a missing or unreadable file, a damaged record or more
// records than the log holds fails with plain words and leaves out untouched.
ReportResult readAsciiLogInputs(const std::string& logPath, const std::string& onOffPath,
                                AsciiLogInputs& out);
// The same from bytes already read (the file names serve only the messages).
ReportResult parseAsciiLogInputs(std::string_view logData, std::string_view onOffData,
                                 AsciiLogInputs& out);

// One line of the listing: a contact (record > 0) or an on/off record.
struct AsciiLogEntry {
    int record = 0;                // 1-based record number; 0 for an on/off record
    std::string marker;            // new-section marker, e.g. "  New! 5"; empty otherwise
    std::int32_t runningScore = 0; // 2 x contacts x sections so far, this one included
    OnOffRecord onOff;             // when record is 0
};

struct AsciiLogListing {
    std::vector<Contact> contacts; // the rebuilt log, record i at index i - 1
    std::array<std::int16_t, MaxSectionRows + 1> secCount{};
    std::uint8_t secWorked = 0;
    std::vector<AsciiLogEntry> entries; // in listing order
    // Rows that became worked, in the order they did (for recolouring the grid).
    std::vector<int> newRows;
};

// Merges by date text, then time text (character codes, not calendar values); an
// on/off record with the same date and time as a contact comes first.
// Sections are counted against the given list.
AsciiLogListing mergeAsciiLog(AsciiLogInputs inputs, const SectionList& sections = Sections79);

// The lines of "ASCIILog.txt" (no line ends).
std::vector<std::string> asciiLogLines(const AsciiLogListing& listing);
ReportResult writeAsciiLog(const std::string& path, const AsciiLogListing& listing);

// The printed log: 11-point font, a page header and 46 records a page. It does not
// end the job.
void printAsciiLog(PrinterPort& printer, const StationData& station,
                   const AsciiLogListing& listing);

// Makes the listing's log and section counts the contest state's.
void adoptAsciiLog(ContestState& state, AsciiLogListing&& listing);

} // namespace vantor
