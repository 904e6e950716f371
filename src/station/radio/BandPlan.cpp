#include "station/radio/BandPlan.h"

#include <cstdio>

namespace vantor::radio {

int bandIndexOf(std::int64_t hz) {
    for (std::size_t i = 0; i < ContestBands.size(); ++i) {
        if (hz >= ContestBands[i].lowHz && hz <= ContestBands[i].highHz)
            return static_cast<int>(i);
    }
    return -1;
}

int bandIndexOfCode(const std::string& code) {
    for (std::size_t i = 0; i < ContestBands.size(); ++i) {
        if (code == ContestBands[i].code)
            return static_cast<int>(i);
    }
    return -1;
}

std::string kilohertzText(std::int64_t hz) {
    char text[40];
    std::snprintf(text, sizeof text, "%lld.%02lld kHz", static_cast<long long>(hz / 1000),
                  static_cast<long long>(hz % 1000 / 10));
    return text;
}

} // namespace vantor::radio
