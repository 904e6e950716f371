#pragma once
// The computer's clock and date conventions, for the window logic.

#include "core/Clock.h"
#include "core/DateTime.h"

namespace vantor::ui {

class QtClock final : public Clock {
public:
    std::int64_t nowMs() const override;
    std::optional<std::int64_t> utcOffsetSeconds() const override;
    std::int64_t utcMs() const override;
};

// The system locale's short date form, reduced to the numeric form the program writes.
ShortDateForm systemShortDateForm();

} // namespace vantor::ui
