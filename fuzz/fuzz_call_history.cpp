// A call history from any bytes, and the same bytes as an earlier contest's "log.txt":
// every row kept has a call sign, a check of one or two digits or none and a section
// of at most four letters or none; the history written back reads back the same, and
// a history built from the log reads whole, one row a call.

#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "aids/AidText.h"
#include "aids/CallHistory.h"
#include "aids/HistoryBuilder.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

using namespace vantor;
using namespace vantor::aids;

namespace {

bool validEntry(const HistoryEntry& e) {
    const auto all = [](const std::string& s, char from, char to) {
        return std::all_of(s.begin(), s.end(), [=](char c) { return c >= from && c <= to; });
    };
    return e.ck.size() <= 2 && all(e.ck, '0', '9') && e.sect.size() <= 4 && all(e.sect, 'A', 'Z');
}

// The rows of the history: each call is one of the text's comma- or line-separated
// fields, so a look-up of every field finds them all.
std::map<std::string, HistoryEntry> rowsOf(const CallHistory& history, std::string_view text) {
    std::map<std::string, HistoryEntry> rows;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(",\r\n", at), text.size());
        const std::string call = callSign(trimmed(text.substr(at, end - at)));
        if (const HistoryEntry* e = call.empty() ? nullptr : history.find(call))
            rows.emplace(call, *e);
        at = end + 1;
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::path(fuzz::scratchContestFiles().log).parent_path();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    CallHistory history;
    const HistoryLoad load = history.load(bytes);
    FUZZ_CHECK(load.rows == history.size());
    FUZZ_CHECK(load.problem.empty() || history.empty());
    const std::map<std::string, HistoryEntry> rows = rowsOf(history, decodeAidText(bytes).text);
    FUZZ_CHECK(rows.size() == history.size());
    for (const auto& [call, entry] : rows)
        FUZZ_CHECK(callSign(call) == call && validEntry(entry));
    CallHistory again;
    const std::string written = formatCallHistory({rows.begin(), rows.end()});
    const HistoryLoad reread = again.load(written);
    FUZZ_CHECK(reread.problem.empty() && reread.skipped == 0 && reread.duplicates == 0);
    FUZZ_CHECK(rowsOf(again, written) == rows);

    std::ofstream(folder / "log.txt", std::ios::binary | std::ios::trunc) << bytes;
    const HistoryBuild build = buildCallHistory({folder.string()}, 2026);
    FUZZ_CHECK(build.folders == 1 && build.problems.empty());
    FUZZ_CHECK(build.contacts >= 0 && build.calls <= static_cast<std::size_t>(build.contacts));
    CallHistory built;
    const HistoryLoad fromLog = built.load(build.text);
    FUZZ_CHECK(fromLog.problem.empty() && fromLog.skipped == 0 && fromLog.duplicates == 0);
    FUZZ_CHECK(fromLog.rows == build.calls && !fromLog.cut);
    return 0;
}
