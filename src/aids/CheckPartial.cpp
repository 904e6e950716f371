#include "aids/CheckPartial.h"

#include "aids/AidText.h"

#include <algorithm>
#include <cstring>
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
} // namespace

ScpLoad CheckPartialList::load(std::string_view bytes) {
    const AidText decoded = decodeAidText(bytes);
    ScpLoad result;
    result.cut = decoded.cut;
    buffer_.assign(1, '\n');
    buffer_.reserve(decoded.text.size() + 2);
    starts_.clear();
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
        starts_.push_back(static_cast<std::uint32_t>(buffer_.size()));
        buffer_ += call;
        buffer_ += '\n';
    }
    starts_.push_back(static_cast<std::uint32_t>(buffer_.size()));
    result.calls = size();
    return result;
}

std::size_t CheckPartialList::find(std::string_view typed, std::size_t limit,
                                   std::vector<std::string_view>& out) const {
    if (typed.empty() || typed.find('\n') != std::string_view::npos || size() == 0)
        return 0;
    std::vector<std::string_view> starting, inside;
    std::string_view exact;
    std::size_t total = 0;
    const char* base = buffer_.data();
    std::size_t from = 0;
    std::size_t index = 0;
    while (from < buffer_.size()) {
        const void* hit = memmem(base + from, buffer_.size() - from, typed.data(), typed.size());
        if (!hit)
            break;
        const auto at = static_cast<std::uint32_t>(static_cast<const char*>(hit) - base);
        // The call holding the hit: the last one that starts at or before it.
        index = static_cast<std::size_t>(
            std::upper_bound(starts_.begin() + static_cast<std::ptrdiff_t>(index), starts_.end(),
                             at) -
            starts_.begin() - 1);
        const std::string_view call = callAt(index);
        ++total;
        if (starts_[index] == at && call.size() == typed.size())
            exact = call;
        else if (starts_[index] == at && starting.size() < limit)
            starting.push_back(call);
        else if (starts_[index] != at && inside.size() < limit)
            inside.push_back(call);
        from = starts_[index + 1]; // a call counts once
        ++index;
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
    return total;
}

} // namespace vantor::aids
