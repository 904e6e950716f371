#pragma once
// The clock port: local wall-clock time. The program adds the station's hours to it
// for UTC. Tests use a fake clock they can set and advance.

#include <cstdint>

namespace vantor {

class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock milliseconds since 1970-01-01 00:00:00 (no zone attached).
    virtual std::int64_t nowMs() const = 0;
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(std::int64_t ms = 0) : ms_(ms) {}
    std::int64_t nowMs() const override { return ms_; }
    void setMs(std::int64_t ms) { ms_ = ms; }
    void advanceMs(std::int64_t ms) { ms_ += ms; }

private:
    std::int64_t ms_;
};

} // namespace vantor
