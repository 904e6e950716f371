// "MASTER.SCP" from any bytes: every call kept is a call sign, kept once; a search
// finds exactly the calls that hold what was typed, the exact call first and then
// those that start with it; the calls written one a line read back the same.

#include "FuzzCheck.h"
#include "aids/AidText.h"
#include "aids/CheckPartial.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

using namespace vantor::aids;

namespace {

bool isCall(std::string_view call) {
    return !callSign(call).empty() && callSign(call) == call;
}

// Every call of the list, through a search for each character a call may hold.
std::vector<std::string> allCalls(const CheckPartialList& list) {
    std::unordered_set<std::string> seen;
    std::vector<std::string_view> out;
    for (const char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/")) {
        out.clear();
        list.find(std::string_view(&c, 1), list.size(), out);
        for (const std::string_view call : out)
            seen.emplace(call);
    }
    std::vector<std::string> calls(seen.begin(), seen.end());
    std::sort(calls.begin(), calls.end());
    return calls;
}

void checkSearch(const CheckPartialList& list, const std::vector<std::string>& calls,
                 std::string_view typed, std::size_t limit) {
    std::vector<std::string_view> out;
    const std::size_t total = list.find(typed, limit, out);
    std::size_t holding = 0, exact = 0;
    for (const std::string& call : calls) {
        holding += call.find(typed) != std::string::npos;
        exact += call == typed;
    }
    FUZZ_CHECK(total == (typed.empty() ? 0 : holding));
    FUZZ_CHECK(out.size() == std::min(total, limit));
    bool inside = false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        FUZZ_CHECK(out[i].find(typed) != std::string_view::npos);
        FUZZ_CHECK(std::count(out.begin(), out.end(), out[i]) == 1);
        FUZZ_CHECK((out[i] == typed) == (i == 0 && exact == 1));
        // Those that start with it come before the rest.
        if (!out[i].starts_with(typed))
            inside = true;
        FUZZ_CHECK(!(inside && out[i].starts_with(typed)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckPartialList list;
    const ScpLoad load = list.load(bytes);
    FUZZ_CHECK(load.calls == list.size());
    const std::vector<std::string> calls = allCalls(list);
    FUZZ_CHECK(calls.size() == list.size());
    for (const std::string& call : calls)
        FUZZ_CHECK(isCall(call));

    // What is typed: the input's first bytes, and each call's middle and whole.
    checkSearch(list, calls, bytes.substr(0, std::min<std::size_t>(size, 3)), 5);
    for (std::size_t i = 0; i < calls.size() && i < 8; ++i) {
        checkSearch(list, calls, calls[i], 3);
        checkSearch(list, calls, std::string_view(calls[i]).substr(1, 2), 120);
    }

    std::string written;
    for (const std::string& call : calls)
        written += call + "\r\n";
    CheckPartialList again;
    const ScpLoad reread = again.load(written);
    FUZZ_CHECK(reread.calls == calls.size() && reread.skipped == 0 && reread.duplicates == 0);
    FUZZ_CHECK(allCalls(again) == calls);
    return 0;
}
