#include "ui/main/QtPlatform.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace vantor;

TEST(QtPlatform, HoldWaitsUntilTheLimitButNeverBeyondThreeSeconds) {
    ContestState state;
    FakeClock clock(1'000'000);
    ui::QtPlatform platform(clock, state);
    struct Case {
        std::int64_t limitAhead; // ms after the clock
        std::int64_t least;
        std::int64_t most;
    };
    // A limit an hour ahead is what a wall clock set back by an hour would give.
    const Case cases[] = {{-5000, 0, 100}, {400, 380, 700}, {3'600'000, 2980, 3400}};
    for (const Case& c : cases) {
        QElapsedTimer timer;
        timer.start();
        platform.holdUntil(clock.nowMs() + c.limitAhead);
        EXPECT_GE(timer.elapsed(), c.least) << c.limitAhead;
        EXPECT_LE(timer.elapsed(), c.most) << c.limitAhead;
    }
}
