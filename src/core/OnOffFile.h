#pragma once
// "nsonoff.txt": the journal of every start (flag 1) and stop (flag 0) of the
// operating-time clock, one four-field record a line.

#include "core/FileOps.h"

#include <string>
#include <vector>

namespace vantor {

inline const std::string OnOffFileName = "nsonoff.txt";

struct OnOffRecord {
    int flag = 0;
    std::string date;   // UTC, short date form
    std::string time;   // UTC, hh:mm:ss
    std::string opTime; // total operating time shown at that moment, hh:mm:ss

    bool operator==(const OnOffRecord&) const = default;
};

std::string formatOnOffRecord(const OnOffRecord& r);
IoResult appendOnOff(const std::string& path, const OnOffRecord& r);
IoResult emptyOnOff(const std::string& path);

struct OnOffJournal {
    std::vector<OnOffRecord> records;
    bool complete = true; // false when reading stopped at a damaged or missing part
    int damagedLine = 0;  // the line where reading stopped; 0 when the file was unreadable
};

// What every reader of a journal read only in part tells the operator: which line
// stopped it and how many records came before (empty for a complete journal). The
// reader adds what it did about it.
std::string journalPartlyRead(const OnOffJournal& journal, const std::string& path);

OnOffJournal readOnOffData(std::string_view data);
OnOffJournal readOnOff(const std::string& path);

} // namespace vantor
