#pragma once
// Start-up milestones on standard error, only when VANTOR_TIMING is set, so that the
// program's start can be timed from outside. Each line gives the milliseconds since
// the process started.

#include <string>

namespace vantor::app {

class StartupTiming {
public:
    StartupTiming();
    void milestone(const std::string& what) const;

private:
    bool enabled_;
    double startMs_; // process start on the monotonic clock
};

} // namespace vantor::app
