#include "entry/BandStats.h"

#include "entry/Form1Model.h"

namespace vantor {

BandStatistics computeBandStatistics(const ContestState& state) {
    BandStatistics stats;
    stats.lblcon.fill("0");
    if (state.RecCount <= 0)
        return stats;
    std::array<std::int64_t, 6> counts{};
    for (int r = 1; r <= state.RecCount; ++r) {
        for (std::size_t b = 0; b < BandCodes.size(); ++b) {
            if (state.ContactLog[r].Bnd == BandCodes[b]) {
                ++counts[b];
                break;
            }
        }
    }
    stats.lblcon[12] = std::to_string(state.RecCount);
    for (std::size_t b = 0; b < counts.size(); ++b) {
        stats.lblcon[b] = std::to_string(counts[b]);
        stats.lblcon[b + 6] = std::to_string(counts[b] * 100 / state.RecCount);
    }
    return stats;
}

} // namespace vantor
