// The typing aids on the key path: the check partial list refreshed after each key in
// the call field, over the Debian MASTER.SCP (about 85,000 calls) and a generated
// 200,000-call one, reported as the 95th percentile of the time from a key to the
// list's result; the load of the 200,000-call list; and the start of a contest with a
// 50,000-row call history.

#include "aids/CallHistory.h"
#include "aids/TypingAids.h"
#include "support/LogicHarness.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <time.h>
#include <unordered_set>

using namespace vantor;
using namespace vantor::aids;

namespace {

// Different calls shaped like real ones: a one- or two-letter prefix, a digit, one to
// three letters; the same on every machine.
std::vector<std::string> madeUpCalls(std::size_t count) {
    static const char* prefixes[] = {"K",  "W",  "N",  "A",  "KA", "KB", "KC", "KD", "KE", "KF",
                                     "KG", "KI", "KJ", "KK", "KN", "KO", "KQ", "KY", "WA", "WB",
                                     "WD", "N",  "AA", "AB", "AC", "AD", "AE", "AF", "AG", "AI",
                                     "VE", "VA", "DL", "JA", "G",  "F",  "EA", "I",  "OH", "PY"};
    std::mt19937 random(20261107);
    std::vector<std::string> calls;
    std::unordered_set<std::string> made;
    calls.reserve(count);
    while (calls.size() < count) {
        std::string call = prefixes[random() % std::size(prefixes)];
        call += static_cast<char>('0' + random() % 10);
        for (std::size_t n = 1 + random() % 3; n > 0; --n)
            call += static_cast<char>('A' + random() % 26);
        if (made.insert(call).second)
            calls.push_back(std::move(call));
    }
    return calls;
}

std::string scpOf(const std::vector<std::string>& calls) {
    std::string text = "# made up\n";
    for (const std::string& call : calls)
        text += call + "\n";
    return text;
}

// Fifty calls of the list, spread over it: each typed key by key, two keys taken back
// and typed again, then taken back to an empty field.
std::vector<std::string> typedCalls(const std::string& scp, std::size_t& size) {
    CheckPartialList list;
    size = list.load(scp).calls;
    std::vector<std::string> all;
    std::vector<std::string_view> found;
    for (const char c : std::string_view("0123456789")) {
        found.clear();
        list.find(std::string_view(&c, 1), list.size(), found);
        all.insert(all.end(), found.begin(), found.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::vector<std::string> out;
    for (std::size_t i = 0; i < 50 && !all.empty(); ++i)
        out.push_back(all[(i * 7919 + 13) % all.size()]);
    return out;
}

void keysPerCall(benchmark::State& st, const std::string& scpPath) {
    test::LogicHarness h;
    TypingAids aids{h.state, h.model, "/nonexistent/" + ScpFileName, scpPath};
    aids.start();
    aids.setCheckPartial(true);
    if (!aids.scpLoaded()) {
        st.SkipWithError(("no calls in " + scpPath).c_str());
        return;
    }
    h.logic.setAids(&aids);
    h.startNewContest();
    h.logic.userFocus(Field::txtCall);
    std::size_t listSize = 0;
    const std::vector<std::string> calls = typedCalls(test::readFile(scpPath), listSize);
    // Wall time, and the time this thread ran (the machine may be busy with others).
    std::vector<double> micros, cpuMicros;
    std::size_t listed = 0;
    const auto cpuNow = [] {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
    };
    const auto key = [&](int code) {
        const double cpuFrom = cpuNow();
        const auto from = std::chrono::steady_clock::now();
        h.logic.typeKey(Field::txtCall, code);
        const auto to = std::chrono::steady_clock::now();
        cpuMicros.push_back(cpuNow() - cpuFrom);
        micros.push_back(std::chrono::duration<double, std::micro>(to - from).count());
        listed += aids.shown().calls.size();
    };
    for (auto _ : st) {
        for (const std::string& call : calls) {
            for (const char c : call)
                key(static_cast<unsigned char>(c));
            key(8);
            key(8);
            for (const char c : call.substr(call.size() - 2))
                key(static_cast<unsigned char>(c));
            while (!h.model.txtCall.text.empty())
                key(8);
        }
    }
    std::sort(micros.begin(), micros.end());
    std::sort(cpuMicros.begin(), cpuMicros.end());
    const auto at = [](const std::vector<double>& sorted, double share) {
        return sorted[static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1))];
    };
    st.counters["calls"] = static_cast<double>(listSize);
    st.counters["keys"] = static_cast<double>(micros.size());
    st.counters["p50_us"] = at(micros, 0.50);
    st.counters["p95_us"] = at(micros, 0.95);
    st.counters["max_us"] = micros.back();
    st.counters["cpu_p95_us"] = at(cpuMicros, 0.95);
    st.counters["listed_per_key"] =
        static_cast<double>(listed) / static_cast<double>(micros.size());
}

void BM_CheckPartialKeyDebian(benchmark::State& st) {
    keysPerCall(st, SystemScpPath);
}
BENCHMARK(BM_CheckPartialKeyDebian)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CheckPartialKey200k(benchmark::State& st) {
    test::TempDir dir;
    const std::string path = (dir.path() / "big.scp").string();
    test::writeFile(path, scpOf(madeUpCalls(200000)));
    keysPerCall(st, path);
}
BENCHMARK(BM_CheckPartialKey200k)->Unit(benchmark::kMillisecond)->Iterations(5);

// The list read and indexed, as when it is switched on.
void BM_LoadScp200k(benchmark::State& st) {
    const std::string scp = scpOf(madeUpCalls(200000));
    CheckPartialList list;
    for (auto _ : st) {
        const ScpLoad load = list.load(scp);
        benchmark::DoNotOptimize(load);
    }
    st.counters["calls"] = static_cast<double>(list.size());
}
BENCHMARK(BM_LoadScp200k)->Unit(benchmark::kMillisecond);

// The history file read and taken in, as at the start of a contest.
void BM_LoadHistory50k(benchmark::State& st) {
    test::LogicHarness h;
    std::vector<std::pair<std::string, HistoryEntry>> rows;
    const char* sections[] = {"STX", "NTX", "CT", "EMA", "SV", "ONE", "ENY", "WPA"};
    std::size_t i = 0;
    for (std::string& call : madeUpCalls(50000))
        rows.push_back({std::move(call), {std::to_string(i % 100), sections[i++ % 8]}});
    test::writeFile(HistoryFileName, formatCallHistory(std::move(rows)));
    TypingAids aids{h.state, h.model, "/nonexistent/" + ScpFileName, "/nonexistent"};
    for (auto _ : st) {
        const std::string told = aids.loadHistory(HistoryFileName);
        benchmark::DoNotOptimize(told);
    }
    st.counters["rows"] = static_cast<double>(aids.history().size());
}
BENCHMARK(BM_LoadHistory50k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
