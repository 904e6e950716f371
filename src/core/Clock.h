#pragma once
// The clock port: local wall-clock time, and the system's own offset from UTC. The
// program adds the station's hours to local time for UTC and compares them with that
// offset. Tests use a fake clock they can set and advance; its UTC is local time less
// the offset set.

#include <cstdint>
#include <optional>

namespace vantor {

class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock milliseconds since 1970-01-01 00:00:00 (no zone attached).
    virtual std::int64_t nowMs() const = 0;
    // The system's offset of local time from UTC now (local minus UTC), in seconds,
    // when the system knows it.
    virtual std::optional<std::int64_t> utcOffsetSeconds() const { return std::nullopt; }
    // The system's UTC milliseconds since 1970: durations are measured on it, since the
    // wall clock jumps when daylight saving time begins or ends. Without a known offset
    // it is the wall clock itself.
    virtual std::int64_t utcMs() const {
        const auto offset = utcOffsetSeconds();
        return nowMs() - (offset ? *offset * 1000 : 0);
    }
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(std::int64_t ms = 0) : ms_(ms) {}
    std::int64_t nowMs() const override { return ms_; }
    std::optional<std::int64_t> utcOffsetSeconds() const override { return offset_; }
    void setMs(std::int64_t ms) { ms_ = ms; }
    void advanceMs(std::int64_t ms) { ms_ += ms; }
    void setUtcOffsetSeconds(std::optional<std::int64_t> offset) { offset_ = offset; }

private:
    std::int64_t ms_;
    std::optional<std::int64_t> offset_;
};

} // namespace vantor
