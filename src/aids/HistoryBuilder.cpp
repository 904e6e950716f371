#include "aids/HistoryBuilder.h"

#include "core/ContestState.h"
#include "core/DateFormFile.h"
#include "core/LogFile.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <tuple>

namespace vantor::aids {

namespace fs = std::filesystem;

std::vector<std::string> contestFoldersUnder(const std::string& root) {
    std::vector<std::string> out;
    std::error_code error;
    const auto holdsLog = [&error](const fs::path& folder) {
        return fs::is_regular_file(folder / LogFileName, error);
    };
    if (holdsLog(root))
        out.push_back(root);
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error) && holdsLog(it->path()))
            out.push_back(it->path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

namespace {
// Newer contacts compare greater: by their stamp, then by folder and record order
// where stamps cannot be read.
using Age = std::tuple<std::int64_t, int, int>;

struct Newest {
    Age age;
    HistoryEntry entry;
};
} // namespace

HistoryBuild buildCallHistory(const std::vector<std::string>& folders, int referenceYear) {
    HistoryBuild build;
    std::map<std::string, Newest> newest;
    auto state = std::make_unique<ContestState>();
    for (std::size_t f = 0; f < folders.size(); ++f) {
        const fs::path folder(folders[f]);
        const LoadResult loaded = loadLog(*state, (folder / LogFileName).string());
        if (!loaded.ok()) {
            build.problems.push_back(
                folders[f] + ": " +
                (loaded.failure == LoadFailure::Missing
                     ? std::string("no log.txt")
                     : "log.txt could not be read (record " + std::to_string(loaded.line) + ")"));
            continue;
        }
        ShortDateForm form;
        if (const DateFormRecord r = readDateForm((folder / DateFormFileName).string());
            r.status == DateFormRecord::Status::Read)
            form = r.form;
        ++build.folders;
        for (int i = 1; i <= state->RecCount; ++i) {
            const Contact& c = state->ContactLog[static_cast<std::size_t>(i)];
            if (c.Call.empty())
                continue;
            ++build.contacts;
            const auto stamp = parseStamp(form, c.Date, c.Time, referenceYear);
            const Age age{stamp.value_or(std::numeric_limits<std::int64_t>::min()),
                          static_cast<int>(f), i};
            auto [it, added] = newest.try_emplace(c.Call, Newest{age, {c.Ck, c.Sec}});
            if (!added && age > it->second.age)
                it->second = Newest{age, {c.Ck, c.Sec}};
        }
    }
    std::vector<std::pair<std::string, HistoryEntry>> rows;
    rows.reserve(newest.size());
    for (auto& [call, n] : newest)
        rows.emplace_back(call, std::move(n.entry));
    build.calls = rows.size();
    build.text = formatCallHistory(std::move(rows));
    return build;
}

} // namespace vantor::aids
