#include "ui/main/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

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

TEST(QtPlatform, EnterAndEscapeAnswerAQuestionWithItsDefaultButton) {
    ContestState state;
    FakeClock clock(0);
    ui::QtPlatform platform(clock, state);
    struct Case {
        Qt::Key key;
        Answer defaultButton;
        Answer expected;
    };
    const Case cases[] = {{Qt::Key_Return, Answer::No, Answer::No},
                          {Qt::Key_Escape, Answer::No, Answer::No},
                          {Qt::Key_Return, Answer::Yes, Answer::Yes},
                          {Qt::Key_Escape, Answer::Yes, Answer::No}};
    for (const Case& c : cases) {
        // Presses the key as soon as the box is up; the box's own loop runs the timer.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                poll.stop();
                QTest::keyClick(box, c.key);
            }
        });
        poll.start(10);
        EXPECT_EQ(platform.messageBox("Start new contest?", "Sure?", Buttons::YesNo, Icon::None,
                                      c.defaultButton),
                  c.expected)
            << c.key;
    }
}
