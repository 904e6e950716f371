#include "ui/main/QtPlatform.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantor;

TEST(QtPlatform, ALetterAnswerActsAtOnce) {
    ContestState state;
    FakeClock clock(0);
    ui::QtPlatform platform(clock, state);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Answer expected;
    };
    const Case cases[] = {{Qt::Key_Y, Qt::NoModifier, Answer::Yes},
                          {Qt::Key_N, Qt::NoModifier, Answer::No},
                          {Qt::Key_N, Qt::AltModifier, Answer::No}};
    for (const Case& c : cases) {
        bool closedAtOnce = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                poll.stop();
                QTest::keyClick(box, c.key, c.modifiers);
                // Not a tenth of a second later, after an animated press.
                closedAtOnce = !box->isVisible();
            }
        });
        poll.start(10);
        EXPECT_EQ(platform.messageBox("Open existing log?", "Open?", Buttons::YesNo, Icon::Question,
                                      Answer::Yes),
                  c.expected)
            << c.key;
        EXPECT_TRUE(closedAtOnce) << c.key;
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
