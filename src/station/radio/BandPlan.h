#pragma once
// The contest bands as the radio sees them: the amateur band edges of the six bands,
// and where the radio goes when a band is chosen that it has not been on yet.

#include <array>
#include <cstdint>
#include <string>

namespace vantor::radio {

struct BandEdges {
    const char* code; // as in the band menu
    std::int64_t lowHz;
    std::int64_t highHz;
    std::int64_t cwHz;    // a first frequency for CW
    std::int64_t phoneHz; // and for phone
};

inline constexpr std::array<BandEdges, 6> ContestBands = {{
    {"160", 1'800'000, 2'000'000, 1'820'000, 1'850'000},
    {"80", 3'500'000, 4'000'000, 3'530'000, 3'850'000},
    {"40", 7'000'000, 7'300'000, 7'030'000, 7'200'000},
    {"20", 14'000'000, 14'350'000, 14'030'000, 14'250'000},
    {"15", 21'000'000, 21'450'000, 21'030'000, 21'300'000},
    {"10", 28'000'000, 29'700'000, 28'030'000, 28'400'000},
}};

// The index in ContestBands of the band holding hz (edges included); -1 outside them.
int bandIndexOf(std::int64_t hz);
// The index of a band code; -1 for a code that is not a contest band.
int bandIndexOfCode(const std::string& code);
// "14025.00 kHz"
std::string kilohertzText(std::int64_t hz);

} // namespace vantor::radio
