#pragma once
// The contest's limit on operating time: of its 30 hours only 24 may be operated, and
// a time off counts as such only when it lasts 30 minutes or more; a shorter pause is
// operating time. Everything here works on UTC seconds read from the on/off journal.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/OnOffFile.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vantor {

inline constexpr std::int64_t OperatingLimitSeconds = 24 * 3600;
inline constexpr std::int64_t ShortestTimeOff = 30 * 60;

// One run of the operating-time clock; an open run (still going) has no end.
struct ClockRun {
    std::int64_t start = 0;
    std::optional<std::int64_t> end;
    bool operator==(const ClockRun&) const = default;
};

struct TimeOff {
    std::int64_t start = 0;
    std::int64_t end = 0;
    bool operator==(const TimeOff&) const = default;
};

// The runs of the journal in order. A stop without a start is ignored. A run whose
// stop was lost (the program was killed, the power failed) ends at the last contact
// logged in it, or at its own start when it holds none: that much is known to have
// been operated, while the hours until the program ran again are not. Such a run is
// one followed by another start, or the last run when the clock is not running now.
// Records whose date or time cannot be read are skipped. contactStamps are the UTC
// stamps of the logged contacts, in any order.
std::vector<ClockRun> clockRuns(const std::vector<OnOffRecord>& journal, const ShortDateForm& form,
                                int referenceYear,
                                const std::vector<std::int64_t>& contactStamps = {},
                                bool clockRunning = true);

// The UTC stamps of records 1..RecCount that can be read.
std::vector<std::int64_t> contactStamps(const ContestState& state, const ShortDateForm& form,
                                        int referenceYear);

// Operating time by the rule up to now: every run (an open one up to now) plus every
// pause between runs shorter than 30 minutes.
std::int64_t countedSeconds(const std::vector<ClockRun>& runs, std::int64_t now);

// The pauses of 30 minutes or more between runs.
std::vector<TimeOff> timesOff(const std::vector<ClockRun>& runs);

// The moment the 24 hours were used up; none while they are not. A contact stamped
// after it does not count.
std::optional<std::int64_t> limitReachedAt(const std::vector<ClockRun>& runs);

} // namespace vantor
