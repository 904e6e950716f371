#include "aids/HistoryBuilder.h"

#include "aids/AidText.h"
#include "core/DateFormFile.h"
#include "core/DateTime.h"
#include "core/FieldReader.h"
#include "core/FileOps.h"
#include "core/LogFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <map>
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

// The fields of one log.txt record: number sent, number, precedence, call, check,
// section, date, time, band.
using Record = std::array<std::string, 9>;

bool readRecord(std::string_view line, Record& r) {
    FieldReader reader(line);
    for (std::string& field : r) {
        if (reader.next(field) != FieldReader::Status::Ok)
            return false;
    }
    return reader.atEnd();
}

// A field the history's comma-separated rows can carry as it is.
std::string plain(const std::string& field) {
    return field.find_first_of(",\"") == std::string::npos ? field : std::string();
}
} // namespace

HistoryBuild buildCallHistory(const std::vector<std::string>& folders, int referenceYear) {
    HistoryBuild build;
    std::map<std::string, Newest> newest;
    std::string data;
    Record r;
    for (std::size_t f = 0; f < folders.size(); ++f) {
        const fs::path folder(folders[f]);
        const ReadStatus read = readWholeFile((folder / LogFileName).string(), data);
        if (read != ReadStatus::Ok) {
            build.problems.push_back(folders[f] + (read == ReadStatus::Missing
                                                       ? ": no log.txt"
                                                       : ": log.txt could not be read"));
            continue;
        }
        ShortDateForm form;
        if (const DateFormRecord d = readDateForm((folder / DateFormFileName).string());
            d.status == DateFormRecord::Status::Read)
            form = d.form;
        ++build.folders;
        int record = 0;
        forEachLine(data, [&](std::string_view line) {
            if (trimmed(line).empty())
                return;
            ++record;
            const auto& [numSent, num, pre, call, ck, sec, date, time, band] = r;
            std::string sign;
            if (!readRecord(line, r) || (sign = callSign(call)).empty()) {
                ++build.skipped;
                return;
            }
            ++build.contacts;
            const auto stamp = parseStamp(form, date, time, referenceYear);
            const Age age{stamp.value_or(std::numeric_limits<std::int64_t>::min()),
                          static_cast<int>(f), record};
            HistoryEntry entry{plain(ck), plain(sec)};
            auto [it, added] = newest.try_emplace(std::move(sign), Newest{age, entry});
            if (!added && age > it->second.age)
                it->second = Newest{age, std::move(entry)};
        });
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
