// The report files written from a full generated log: the ASCII log (reading both
// inputs, merging and writing), the dupe sheet, the summary sheet, both Cabrillo files and the
// ADIF file.

#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "reports/Adif.h"
#include "reports/AsciiLog.h"
#include "reports/Cabrillo.h"
#include "reports/Cabrillo3.h"
#include "reports/DupeSheet.h"
#include "reports/SummarySheet.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace vantor;

namespace {

// A contest of 11000 contacts, also on disk with a journal of 50 on/off periods.
struct FullContest {
    test::TempDir dir;
    ContestState state;

    FullContest() {
        tools::LogGenOptions o;
        o.count = ContactLogTable::Capacity;
        o.scpPath = ""; // made-up calls: no data package needed
        const auto contacts = tools::generateContacts(o);
        test::writeFile(LogFileName, tools::formatLog(contacts));
        std::string journal;
        for (int i = 0; i < 50; ++i) {
            const Contact& at = contacts[static_cast<std::size_t>(i * 200)];
            journal += formatOnOffRecord({i % 2 == 0 ? 1 : 0, at.Date, at.Time, "01:00:00"});
        }
        test::writeFile(OnOffFileName, journal);
        loadLog(state, LogFileName);
        state.StationInfo = {"W1AW", "A", "85", "CT", 0, ModeCW, 0};
    }
};

void report(benchmark::State& st, const std::function<ReportResult(const ContestState&)>& write) {
    FullContest contest;
    if (contest.state.RecCount != ContactLogTable::Capacity) {
        st.SkipWithError("the generated log did not load");
        return;
    }
    for (auto _ : st) {
        const ReportResult r = write(contest.state);
        if (!r.ok) {
            st.SkipWithError(r.error.c_str());
            return;
        }
    }
    st.counters["contacts"] = contest.state.RecCount;
}

void BM_AsciiLog(benchmark::State& st) {
    report(st, [](const ContestState&) {
        AsciiLogInputs in;
        if (ReportResult r = readAsciiLogInputs(LogFileName, OnOffFileName, in); !r.ok)
            return r;
        return writeAsciiLog("ASCIILog.txt", mergeAsciiLog(std::move(in)));
    });
}

void BM_DupeSheet(benchmark::State& st) {
    report(st, [](const ContestState& s) { return writeDupeSheet("ASCIIDup.txt", s); });
}

void BM_SummarySheet(benchmark::State& st) {
    report(st, [](const ContestState& s) { return writeSummarySheet("ASCIISum.txt", s, {}); });
}

void BM_Cabrillo(benchmark::State& st) {
    report(st, [](const ContestState& s) {
        return writeCabrillo("ASCIICab.txt", s, {}, ShortDateForm{}, 2026);
    });
}

// As the summary window does it: the journal read into clock runs, then the file.
void BM_Cabrillo3(benchmark::State& st) {
    report(st, [](const ContestState& s) {
        const auto runs = clockRuns(readOnOff(OnOffFileName).records, ShortDateForm{}, 2026);
        return writeCabrillo3("W1AW.log", s, {}, runs, ShortDateForm{}, 2026);
    });
}

void BM_Adif(benchmark::State& st) {
    report(st,
           [](const ContestState& s) { return writeAdif("W1AW.adi", s, ShortDateForm{}, 2026); });
}

} // namespace

BENCHMARK(BM_AsciiLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DupeSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummarySheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cabrillo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cabrillo3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Adif)->Unit(benchmark::kMillisecond);
