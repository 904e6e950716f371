#include "aids/CheckPartial.h"

#include "aids/AidText.h"

#include <algorithm>
#include <unordered_set>

namespace vantor::aids {

namespace {
// In any case of letters: a call kept is written in capitals, and must not read back
// as the version line.
bool versionLine(std::string_view line) {
    const auto starts = [line](std::string_view word) {
        return line.size() >= word.size() &&
               std::equal(word.begin(), word.end(), line.begin(),
                          [](char w, char c) { return w == (c >= 'a' && c <= 'z' ? c - 32 : c); });
    };
    return starts("VER") || starts("RELEASE");
}

// The characters a call holds (A-Z, 0-9, '/') numbered from 0; -1 for any other.
constexpr int Symbols = 37;
int symbol(char c) {
    return c >= 'A' && c <= 'Z'   ? c - 'A'
           : c >= '0' && c <= '9' ? 26 + (c - '0')
           : c == '/'             ? 36
                                  : -1;
}
constexpr std::size_t MostFound = 16; // texts kept, each holding the one before
} // namespace

ScpLoad CheckPartialList::load(std::string_view bytes) {
    const AidText decoded = decodeAidText(bytes);
    ScpLoad result;
    result.cut = decoded.cut;
    buffer_.assign(1, '\n');
    buffer_.reserve(decoded.text.size() + 2);
    starts_.clear();
    found_.clear();
    pairs_.assign(Symbols * Symbols, {});
    std::unordered_set<std::string_view> seen;
    std::vector<std::string> calls;
    forEachLine(decoded.text, [&](std::string_view line) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text.starts_with('#') || text.starts_with("!!") || versionLine(text))
            return;
        std::string call = callSign(text);
        if (call.empty()) {
            ++result.skipped;
            return;
        }
        calls.push_back(std::move(call));
    });
    seen.reserve(calls.size());
    for (const std::string& call : calls) {
        if (!seen.insert(call).second) {
            ++result.duplicates;
            continue;
        }
        const auto index = static_cast<std::uint32_t>(starts_.size());
        for (std::size_t k = 0; k + 1 < call.size(); ++k) {
            auto& calls =
                pairs_[static_cast<std::size_t>(symbol(call[k]) * Symbols + symbol(call[k + 1]))];
            if (calls.empty() || calls.back() != index)
                calls.push_back(index);
        }
        starts_.push_back(static_cast<std::uint32_t>(buffer_.size()));
        buffer_ += call;
        buffer_ += '\n';
    }
    starts_.push_back(static_cast<std::uint32_t>(buffer_.size()));
    result.calls = size();
    return result;
}

const std::vector<std::uint32_t>& CheckPartialList::holding(std::string_view typed) const {
    while (!found_.empty() && typed.find(found_.back().typed) == std::string_view::npos)
        found_.pop_back();
    if (!found_.empty() && found_.back().typed == typed)
        return found_.back().calls;
    // The fewest calls that may hold it: those found for a text it holds, or those that
    // hold its rarest pair of characters.
    const std::vector<std::uint32_t>* from = found_.empty() ? nullptr : &found_.back().calls;
    for (std::size_t k = 0; k + 1 < typed.size(); ++k) {
        const auto& calls =
            pairs_[static_cast<std::size_t>(symbol(typed[k]) * Symbols + symbol(typed[k + 1]))];
        if (!from || calls.size() < from->size())
            from = &calls;
    }
    Found found{std::string(typed), {}};
    const auto take = [&](std::uint32_t i) {
        if (callAt(i).find(typed) != std::string_view::npos)
            found.calls.push_back(i);
    };
    if (from) {
        for (const std::uint32_t i : *from)
            take(i);
    } else {
        for (std::uint32_t i = 0; i < size(); ++i)
            take(i);
    }
    if (found_.size() == MostFound)
        found_.erase(found_.begin());
    return found_.emplace_back(std::move(found)).calls;
}

std::size_t CheckPartialList::find(std::string_view typed, std::size_t limit,
                                   std::vector<std::string_view>& out) const {
    if (typed.empty() || size() == 0 ||
        std::any_of(typed.begin(), typed.end(), [](char c) { return symbol(c) < 0; }))
        return 0;
    const std::vector<std::uint32_t>& calls = holding(typed);
    std::vector<std::string_view> starting, inside;
    std::string_view exact;
    for (const std::uint32_t i : calls) {
        const std::string_view call = callAt(i);
        if (call.size() == typed.size())
            exact = call;
        else if (call.starts_with(typed) && starting.size() < limit)
            starting.push_back(call);
        else if (!call.starts_with(typed) && inside.size() < limit)
            inside.push_back(call);
    }
    const std::size_t before = out.size();
    if (!exact.empty() && limit > 0)
        out.push_back(exact);
    for (const auto* part : {&starting, &inside}) {
        for (const std::string_view call : *part) {
            if (out.size() - before >= limit)
                break;
            out.push_back(call);
        }
    }
    return calls.size();
}

} // namespace vantor::aids
