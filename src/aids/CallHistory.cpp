#include "aids/CallHistory.h"

#include "aids/AidText.h"

#include <algorithm>
#include <optional>

namespace vantor::aids {

namespace {
constexpr std::size_t LongestLine = 1024;

void fields(std::string_view line, std::vector<std::string_view>& out) {
    out.clear();
    std::size_t at = 0;
    while (true) {
        const std::size_t comma = line.find(',', at);
        out.push_back(
            trimmed(line.substr(at, comma == std::string_view::npos ? line.npos : comma - at)));
        if (comma == std::string_view::npos)
            return;
        at = comma + 1;
    }
}

bool named(std::string_view field, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [field](std::string_view name) {
        return field.size() == name.size() &&
               std::equal(field.begin(), field.end(), name.begin(), [](char a, char b) {
                   return (a >= 'a' && a <= 'z' ? a - 32 : a) ==
                          (b >= 'a' && b <= 'z' ? b - 32 : b);
               });
    });
}

struct Columns {
    std::optional<std::size_t> call, ck, sect;
};

// The header names the columns of the rows; after "!!Order!!" the names start with
// the rows' first column.
Columns columnsOf(std::string_view header) {
    std::vector<std::string_view> names;
    fields(header, names);
    if (!names.empty() && named(names.front(), {"!!Order!!"}))
        names.erase(names.begin());
    Columns c;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!c.call && named(names[i], {"Call"}))
            c.call = i;
        else if (!c.ck && named(names[i], {"CK", "Check"}))
            c.ck = i;
        else if (!c.sect && named(names[i], {"Sect", "Section", "Sec"}))
            c.sect = i;
    }
    return c;
}

std::string_view column(const std::vector<std::string_view>& row, std::optional<std::size_t> i) {
    return i && *i < row.size() ? row[*i] : std::string_view();
}

std::string checkOf(std::string_view text) {
    const bool digits =
        !text.empty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? std::string(text) : std::string();
}

std::string sectionOf(std::string_view text) {
    if (text.empty() || text.size() > 4)
        return {};
    std::string s(text);
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        if (c < 'A' || c > 'Z')
            return {};
    }
    return s;
}
} // namespace

HistoryLoad CallHistory::load(std::string_view bytes) {
    const AidText decoded = decodeAidText(bytes);
    HistoryLoad result;
    result.cut = decoded.cut;
    entries_.clear();
    entries_.reserve(
        static_cast<std::size_t>(std::count(decoded.text.begin(), decoded.text.end(), '\n')));
    std::optional<Columns> columns;
    std::vector<std::string_view> row;
    forEachLine(decoded.text, [&](std::string_view line) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text.starts_with('#'))
            return;
        if (!columns) {
            columns = columnsOf(text);
            return;
        }
        if (text.starts_with("!!"))
            return;
        row.clear();
        if (text.size() <= LongestLine)
            fields(text, row);
        std::string call = callSign(column(row, columns->call));
        if (call.empty()) {
            ++result.skipped;
            return;
        }
        HistoryEntry entry{checkOf(column(row, columns->ck)),
                           sectionOf(column(row, columns->sect))};
        const auto [it, added] = entries_.try_emplace(std::move(call), std::move(entry));
        if (!added) {
            ++result.duplicates;
            it->second = std::move(entry);
        }
    });
    if (!columns)
        result.problem = "it holds no line naming the columns";
    else if (!columns->call)
        result.problem = "its first line names no Call column";
    if (!result.problem.empty())
        entries_.clear();
    result.rows = entries_.size();
    return result;
}

const HistoryEntry* CallHistory::find(const std::string& call) const {
    const auto it = entries_.find(call);
    return it == entries_.end() ? nullptr : &it->second;
}

std::string formatCallHistory(std::vector<std::pair<std::string, HistoryEntry>> rows) {
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string out = "!!Order!!,Call,Sect,State,CK\n";
    for (const auto& [call, entry] : rows)
        out += call + "," + entry.sect + ",," + entry.ck + "\n";
    return out;
}

} // namespace vantor::aids
