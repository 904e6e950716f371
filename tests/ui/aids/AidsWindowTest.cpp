// The typing aids in the real main window, offscreen: the check partial list's own
// window, the call history's fills and menu items, the new-section cue.

#include "support/FakePort.h"
#include "support/LogicHarness.h"
#include "ui/aids/AidsDesk.h"
#include "ui/aids/CheckPartialWindow.h"
#include "ui/main/Form1.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::AidsDesk;
using vantor::ui::CheckPartialWindow;
using vantor::ui::Form1;

namespace {

class AidsWindow : public ::testing::Test {
protected:
    TempDir dir;
    ContestState state;
    FakeClock clock{localMs(2026, 11, 7, 21, 0, 5)};
    FakePort port{clock};
    std::unique_ptr<Form1> form;

    void open() {
        port.useStationReply = true;
        port.stationReply = {"W1AW", "A", "85", "CT", 5, 0, 0};
        port.answers = {Answer::No, Answer::Yes};
        form = std::make_unique<Form1>(state, clock, ShortDateForm{}, &port);
        form->Form_Load();
        form->resize(1024, 768);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        for (int i = 0; i < 50 && port.stationDialogs == 0; ++i)
            QTest::qWait(10);
        ASSERT_EQ(port.stationDialogs, 1);
    }
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
    AidsDesk& desk() { return *find<AidsDesk>("AidsDesk"); }
    CheckPartialWindow* listWindow() { return desk().listWindow(); }
    std::string listed() {
        std::string out;
        QListWidget* list = listWindow()->list();
        for (int i = 0; i < list->count(); ++i)
            out += (i ? "|" : "") + list->item(i)->text().toStdString();
        return out;
    }
};

} // namespace

TEST_F(AidsWindow, CheckPartialListFollowsEveryKeyOfTheCall) {
    writeFile("MASTER.SCP", "# a few calls\nK5TR\nAK5TR\nN5TR\nW1AW\nK5TRA\n");
    open();
    EXPECT_FALSE(listWindow()->isVisible());
    find<QAction>("mnuCheckPartial")->trigger();
    ASSERT_TRUE(listWindow()->isVisible());
    EXPECT_TRUE(listWindow()->isWindow());
    EXPECT_EQ(readFile("nsaids.txt"), "checkpartial=on\nsectioncue=off\n");
    struct Step {
        const char* keys;
        const char* listed;
    };
    const std::vector<Step> steps = {
        {"1a5", ""},
        {"t", "K5TR|AK5TR|N5TR|K5TRA"},
        {"r", "K5TR|AK5TR|N5TR|K5TRA"},
        {"\b\b", ""},
        {"tra", "K5TRA"},
        {"\b\b\b\b", ""},
        {"k5tr 68stx\n2bk5t", "K5TR *|K5TRA|AK5TR"}, // worked calls marked
    };
    for (const Step& s : steps) {
        typeKeys(s.keys);
        EXPECT_EQ(listed(), s.listed) << s.keys;
        EXPECT_EQ(QApplication::focusWidget()->window(), form.get()) << s.keys;
    }
    EXPECT_EQ(listWindow()->list()->item(0)->foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(listWindow()->status()->text(), "3 calls with K5T\n5 calls from MASTER.SCP");
    find<QAction>("mnuCheckPartial")->trigger();
    EXPECT_FALSE(listWindow()->isVisible());
    EXPECT_EQ(readFile("nsaids.txt"), "checkpartial=off\nsectioncue=off\n");
}

// Before the operator puts it anywhere, the list covers only the recent contacts list's
// blank part, right of its columns: no control of the main window is hidden.
TEST_F(AidsWindow, TheListWindowFirstStandsWhereItHidesNoControl) {
    writeFile("MASTER.SCP", "K5TR\n");
    open();
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        listWindow()->hide();
        desk().aids().settings().listWindow.reset();
        form->resize(size);
        form->render();
        QTest::qWait(20);
        find<QAction>("mnuCheckPartial")->setChecked(false);
        find<QAction>("mnuCheckPartial")->trigger();
        const QRect place = listWindow()->geometry();
        EXPECT_GE(place.width(), 110);
        QWidget* surface = form->centralWidget();
        auto* recent = find<QTableView>("ListView1");
        for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible() || w == recent)
                continue;
            const QRect at(w->mapToGlobal(QPoint(0, 0)), w->size());
            EXPECT_FALSE(at.intersects(place)) << w->objectName().toStdString();
        }
        const int columnsEnd =
            recent->viewport()->mapToGlobal(QPoint(recent->horizontalHeader()->length(), 0)).x();
        EXPECT_GE(place.left(), columnsEnd);
        EXPECT_GE(place.top(), recent->viewport()->mapToGlobal(QPoint(0, 0)).y());
    }
}
