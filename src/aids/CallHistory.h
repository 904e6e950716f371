#pragma once
// The call history: the check and section each call gave before, read from the
// established comma-separated form whose first line names the columns
// ("!!Order!!,Call,Sect,State,CK,..."), and written in it.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor::aids {

inline const std::string HistoryFileName = "callhist.txt";

struct HistoryEntry {
    std::string ck;   // one or two digits, or empty
    std::string sect; // raised letters, at most four, or empty
    bool operator==(const HistoryEntry&) const = default;
};

struct HistoryLoad {
    std::size_t rows = 0;       // calls read
    std::size_t skipped = 0;    // lines that hold no call
    std::size_t duplicates = 0; // rows of a call already read: the later row counts
    bool cut = false;           // the file went on beyond what is read
    std::string problem;        // why nothing could be read, for the operator
};

class CallHistory {
public:
    HistoryLoad load(std::string_view bytes);
    const HistoryEntry* find(const std::string& call) const;
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    std::unordered_map<std::string, HistoryEntry> entries_;
};

// The file for these calls, sorted by call, in the form load reads.
std::string formatCallHistory(std::vector<std::pair<std::string, HistoryEntry>> rows);

} // namespace vantor::aids
