#pragma once
// The real main window, offscreen, in a temporary contest folder: started as the
// operator starts it, with the station dialog answered for W1AW, and typed into as the
// operator types, each key to whichever field has the focus.

#include "support/FakePort.h"
#include "support/LogicHarness.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

namespace vantor::test {

struct MainWindow {
    TempDir dir;
    ContestState state;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    std::unique_ptr<ui::Form1> form;

    // The station dialog's answer; a test may change it before the window starts.
    MainWindow() {
        port.useStationReply = true;
        port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
    }

    // Shows the window and gives it the keyboard; the yes/no questions of the start
    // take `answers` in turn.
    void start(std::deque<Answer> answers, QSize size = {}) {
        port.answers = std::move(answers);
        form = std::make_unique<ui::Form1>(state, clock, ShortDateForm{}, &port);
        form->Form_Load();
        if (size.isValid())
            form->resize(size);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // A new contest: no old log opened, the station dialog shown once.
    void open(std::deque<Answer> answers = {Answer::No, Answer::Yes}, QSize size = {}) {
        ASSERT_NO_FATAL_FAILURE(start(std::move(answers), size));
        QTest::qWaitFor([this] { return port.stationDialogs != 0; }, 5000);
        ASSERT_EQ(port.stationDialogs, 1);
    }

    // "\n" is Enter, "\b" Backspace.
    void typeKeys(const std::string& keys) {
        for (char ch : keys) {
            QWidget* w = QApplication::focusWidget();
            ASSERT_NE(w, nullptr);
            if (ch == '\n')
                QTest::keyClick(w, Qt::Key_Return);
            else if (ch == '\b')
                QTest::keyClick(w, Qt::Key_Backspace);
            else if (ch == ' ')
                QTest::keyClick(w, Qt::Key_Space);
            else
                QTest::keyClick(w, ch);
        }
    }

    template <typename T> T* find(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QString field(const char* box) { return find<QLineEdit>(box)->text(); }
    QString focused() { return QApplication::focusWidget()->objectName(); }
};

} // namespace vantor::test
