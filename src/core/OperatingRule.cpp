#include "core/OperatingRule.h"

#include <algorithm>
#include <cstdint>

namespace vantor {

namespace {

// The end of a run whose stop was lost: its last contact before the limit.
std::int64_t lostStop(const ClockRun& run, std::int64_t before,
                      const std::vector<std::int64_t>& stamps) {
    std::int64_t end = run.start;
    for (const std::int64_t s : stamps) {
        if (s > end && s < before)
            end = s;
    }
    return end;
}

} // namespace

std::vector<ClockRun> clockRuns(const std::vector<OnOffRecord>& journal, const ShortDateForm& form,
                                int referenceYear, const std::vector<std::int64_t>& contactStamps,
                                bool clockRunning) {
    std::vector<ClockRun> runs;
    for (const OnOffRecord& r : journal) {
        const auto at = parseStamp(form, r.date, r.time, referenceYear);
        if (!at)
            continue;
        const bool open = !runs.empty() && !runs.back().end;
        if (r.flag == 1) {
            if (open)
                runs.back().end =
                    lostStop(runs.back(), std::max(*at, runs.back().start), contactStamps);
            runs.push_back({*at, std::nullopt});
        } else if (r.flag == 0 && open) {
            runs.back().end = std::max(*at, runs.back().start);
        }
    }
    if (!clockRunning && !runs.empty() && !runs.back().end)
        runs.back().end = lostStop(runs.back(), INT64_MAX, contactStamps);
    return runs;
}

std::vector<std::int64_t> contactStamps(const ContestState& state, const ShortDateForm& form,
                                        int referenceYear) {
    std::vector<std::int64_t> stamps;
    for (int i = 1; i <= state.RecCount; ++i) {
        const Contact& c = state.ContactLog[i];
        if (const auto at = parseStamp(form, c.Date, c.Time, referenceYear))
            stamps.push_back(*at);
    }
    return stamps;
}

namespace {

// Calls visit(from, to) for every stretch that counts, in time order: the runs and the
// short pauses between them.
template <typename Visit>
void countedStretches(const std::vector<ClockRun>& runs, std::int64_t openEnd, Visit visit) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i > 0 && runs[i - 1].end) {
            const std::int64_t pause = runs[i].start - *runs[i - 1].end;
            if (pause > 0 && pause < ShortestTimeOff && visit(*runs[i - 1].end, runs[i].start))
                return;
        }
        const std::int64_t end = runs[i].end.value_or(openEnd);
        if (end > runs[i].start && visit(runs[i].start, end))
            return;
    }
}

} // namespace

std::int64_t countedSeconds(const std::vector<ClockRun>& runs, std::int64_t now) {
    std::int64_t total = 0;
    countedStretches(runs, now, [&](std::int64_t from, std::int64_t to) {
        total += to - from;
        return false;
    });
    return total;
}

std::vector<TimeOff> timesOff(const std::vector<ClockRun>& runs) {
    std::vector<TimeOff> out;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        if (runs[i - 1].end && runs[i].start - *runs[i - 1].end >= ShortestTimeOff)
            out.push_back({*runs[i - 1].end, runs[i].start});
    }
    return out;
}

std::optional<std::int64_t> limitReachedAt(const std::vector<ClockRun>& runs) {
    std::int64_t total = 0;
    std::optional<std::int64_t> at;
    // An open run goes on without end as far as the rule is concerned.
    countedStretches(runs, INT64_MAX / 2, [&](std::int64_t from, std::int64_t to) {
        if (total + (to - from) >= OperatingLimitSeconds) {
            at = from + (OperatingLimitSeconds - total);
            return true;
        }
        total += to - from;
        return false;
    });
    return at;
}

} // namespace vantor
