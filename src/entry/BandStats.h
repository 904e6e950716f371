#pragma once
// The figures of the band statistics window: contacts and whole percentages per band.

#include "core/ContestState.h"

#include <array>
#include <string>

namespace vantor {

struct BandStatistics {
    // lblcon(0..5) counts for 160..10, lblcon(6..11) percentages, lblcon(12) total
    std::array<std::string, 13> lblcon;
};

BandStatistics computeBandStatistics(const ContestState& state);

} // namespace vantor
