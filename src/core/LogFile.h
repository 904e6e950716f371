#pragma once
// "log.txt": one line of nine quoted fields per contact, in record order.

#include "core/ContestState.h"
#include "core/FileOps.h"

#include <functional>
#include <string>
#include <string_view>

namespace vantor {

inline const std::string LogFileName = "log.txt";

inline constexpr std::string_view FileErrorTitle = "File Error";
inline constexpr std::string_view FileErrorText =
    "Error opening file.  This error is annoying but correctable.  In all likelihood, a "
    "character such as a quote got into your data or one of your entries has an invalid "
    "date/time format.  Close this program and open log.txt in the program's working "
    "directory with a text editor such as notepad.  Inspect the data and fix any errors you "
    "see (remove any extra quotes and make sure your date and time entries are valid).";

std::string formatLogLine(const Contact& c);

IoResult appendContact(const std::string& path, const Contact& c);
// Replaces the file with records 1..RecCount.
IoResult rewriteLog(const std::string& path, const ContestState& state);
IoResult emptyLog(const std::string& path);

enum class LoadFailure {
    None,
    Missing,
    Unreadable,
    TooManyRecords,
    CutShort,
    Malformed,
    BadSerial
};

struct LoadResult {
    LoadFailure failure = LoadFailure::None;
    int line = 0; // record being read when it failed

    bool ok() const { return failure == LoadFailure::None; }
    // The title of every failure's box, and the text for a damaged file.
    static constexpr std::string_view title = FileErrorTitle;
    static constexpr std::string_view text = FileErrorText;
};

// What the operator is told when the load of the log in folder fails: a missing,
// unreadable or overfull log is named as such; a damaged one gets the "File Error"
// text about quotes and dates.
std::string loadFailureText(const LoadResult& result, const std::string& folder);

// The one reader of the file's records: each whole contact goes to the slot for its
// record number (1, 2, ...). It stops at the first record that is cut short or
// malformed, and before a record past the table's capacity; line names that record.
LoadResult readLogRecords(std::string_view data, const std::function<Contact&(int record)>& slot);

// Rebuilds RecCount, the records, SecCount and SecWorked from the file's data.
LoadResult loadLogData(ContestState& state, std::string_view data);
LoadResult loadLog(ContestState& state, const std::string& path);

} // namespace vantor
