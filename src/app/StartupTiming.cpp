#include "app/StartupTiming.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vantor::app {

namespace {

double monotonicMs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// When the process started, on the boot-time clock: field 22 of /proc/self/stat, in
// clock ticks since boot. Falls back to now when it cannot be read.
double processStartMs() {
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return monotonicMs(CLOCK_BOOTTIME);
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    // Fields after the command name start at the third, the state.
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            const long ticks = sysconf(_SC_CLK_TCK);
            return std::stod(field) * 1000.0 / static_cast<double>(ticks > 0 ? ticks : 100);
        }
    }
    return monotonicMs(CLOCK_BOOTTIME);
}

} // namespace

StartupTiming::StartupTiming()
    : enabled_(std::getenv("VANTOR_TIMING") != nullptr),
      startMs_(enabled_ ? processStartMs() : 0.0) {}

void StartupTiming::milestone(const std::string& what) const {
    if (!enabled_)
        return;
    const double elapsed = monotonicMs(CLOCK_BOOTTIME) - startMs_;
    std::fprintf(stderr, "vantor timing: %s %.0f ms\n", what.c_str(), elapsed);
    std::fflush(stderr);
}

} // namespace vantor::app
