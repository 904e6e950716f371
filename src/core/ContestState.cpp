#include "core/ContestState.h"

#include "core/Numbers.h"
#include "core/SectionTable.h"

namespace vantor {

std::optional<std::int64_t> nextSerialNumber(const ContestState& state) {
    if (state.RecCount <= 0)
        return 1;
    const auto last = parseDecimal(state.ContactLog[state.RecCount].NumSent);
    if (!last)
        return std::nullopt;
    return std::int64_t{*last} + 1;
}

std::optional<std::string> nextSerial(const ContestState& state) {
    if (const auto n = nextSerialNumber(state))
        return std::to_string(*n);
    return std::nullopt;
}

std::int32_t score(const ContestState& state) {
    const std::int64_t s = 2LL * state.RecCount * state.SecWorked;
    return static_cast<std::int32_t>(s);
}

int sectionsToGo(const ContestState& state) {
    return state.Sections->rows - state.SecWorked;
}

void sectionReset(ContestState& state) {
    state.SecWorked = 0;
    state.SecCount.fill(0);
}

void sectionRecount(ContestState& state) {
    sectionReset(state);
    for (int i = 1; i <= state.RecCount; ++i)
        sectionTally(state, state.ContactLog[i].Sec);
}

int sectionTally(ContestState& state, std::string_view sec) {
    const int r = state.Sections->lookup(sec);
    if (r == 0)
        return 0;
    auto& count = state.SecCount[static_cast<std::size_t>(r)];
    if (count < INT16_MAX)
        ++count;
    if (count == 1) {
        ++state.SecWorked;
        return r;
    }
    return 0;
}

} // namespace vantor
