// The real main window, offscreen: keys typed into its fields, menus triggered, and
// what the widgets then show.

#include "support/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::Form1;

namespace {

class Form1Window : public ::testing::Test, protected MainWindow {
protected:
    QAction* action(const char* name) { return find<QAction>(name); }
};

} // namespace

TEST_F(Form1Window, SerialFirstExchangeCommitsAndUpdatesTheScoreboard) {
    open();
    EXPECT_EQ(focused(), "txtNum");
    typeKeys("123aw1aw85ct");
    EXPECT_EQ(field("txtNum"), "123");
    EXPECT_EQ(field("txtPre"), "A");
    EXPECT_EQ(field("txtCall"), "W1AW");
    EXPECT_EQ(field("txtCK"), "85");
    EXPECT_EQ(field("txtSec"), "CT");
    EXPECT_EQ(focused(), "txtSec");
    typeKeys("\n");

    EXPECT_EQ(readFile("log.txt"),
              "\"1\",\"123\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/8/2026\",\"02:00:05\",\"40\"\r\n");
    for (const char* box : {"txtNum", "txtPre", "txtCall", "txtCK", "txtSec"})
        EXPECT_EQ(field(box), "") << box;
    EXPECT_EQ(focused(), "txtNum");
    EXPECT_EQ(text("lblTotCon"), " 1");
    EXPECT_EQ(text("lblTotSec"), "1");
    EXPECT_EQ(text("lblsectogo"), "78");
    EXPECT_EQ(text("lblTotScore"), "2");
    EXPECT_EQ(text("lblNumCurCon"), "  2");
    EXPECT_EQ(text("lblDialog"), " ");
    EXPECT_EQ(text("lblAQSO20"), "3");
    EXPECT_EQ(find<QLabel>("Label10_1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(find<QLabel>("Label10_2")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    auto* list = find<QTableView>("ListView1");
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 4).data().toString(), "W1AW");
}

TEST_F(Form1Window, CallFirstExchangeThroughTheTabOrderMenu) {
    open();
    action("callopt")->trigger();
    EXPECT_TRUE(action("callopt")->isChecked());
    EXPECT_FALSE(action("numopt")->isChecked());
    EXPECT_EQ(focused(), "txtCall");
    typeKeys("w1aw123a85ct\n");
    ASSERT_EQ(state.RecCount, 1);
    EXPECT_EQ(state.ContactLog[1].Num, "123");
    EXPECT_EQ(state.ContactLog[1].Call, "W1AW");
    EXPECT_EQ(state.ContactLog[1].Sec, "CT");
    EXPECT_EQ(focused(), "txtCall");
    EXPECT_EQ(text("lblTotCon"), " 1");
}

TEST_F(Form1Window, DuplicateIsAnnouncedOnRedWithTheFieldsCleared) {
    writeFile("log.txt",
              "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n");
    open({Answer::Yes});
    EXPECT_EQ(text("lblTotCon"), "  1");
    EXPECT_EQ(text("lblNumCurCon"), " 2");
    typeKeys("12bw1aw ");
    EXPECT_EQ(text("lblDialog"), "Duplicate W1AW CT 11/6/99 21:04:33 ON 40  Rec#  1");
    EXPECT_EQ(find<QLabel>("lblDialog")->palette().color(QPalette::Window), QColor(255, 0, 0));
    for (const char* box : {"txtNum", "txtPre", "txtCall", "txtCK", "txtSec"})
        EXPECT_EQ(field(box), "") << box;
    EXPECT_EQ(focused(), "txtNum");
    EXPECT_EQ(state.RecCount, 1);
}

TEST_F(Form1Window, PartialDupesListWhileTheCallIsTyped) {
    writeFile("log.txt",
              "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n"
              "\"2\",\"6\",\"B\",\"W1AB\",\"90\",\"EMA\",\"11/6/99\",\"21:05:00\",\"20\"\r\n");
    open({Answer::Yes});
    typeKeys("1bw1a");
    EXPECT_EQ(text("lblDupe"), "W1AB W1AW ");
    EXPECT_EQ(find<QLabel>("lblDupe")->palette().color(QPalette::Window), QColor(0, 192, 192));
    QTest::keyClick(find<QLineEdit>("txtCall"), Qt::Key_Backspace);
    EXPECT_EQ(text("lblDupe"), "");
    EXPECT_EQ(field("txtCall"), "W1");
}

TEST_F(Form1Window, BandChoiceSavesAndMovesTheCheckMark) {
    open();
    EXPECT_TRUE(action("mnu40")->isChecked());
    action("mnu20")->trigger();
    EXPECT_TRUE(action("mnu20")->isChecked());
    EXPECT_FALSE(action("mnu40")->isChecked());
    EXPECT_EQ(text("Label30"), "20");
    EXPECT_EQ(readFile("nspref.txt"),
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"20\"\r\n0\r\n");
}

TEST_F(Form1Window, MenuBarCaptionsAndItems) {
    open();
    QStringList menus;
    for (QAction* a : form->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&TabOrder", "&Setup", "&Band", "Sect&ions", "Stati&on",
                                  "&Help"}));

    const auto itemsOf = [this](const char* menu) {
        QStringList items;
        for (QAction* a : find<QMenu>(menu)->actions())
            items << (a->isSeparator() ? QString("-") : a->text());
        return items;
    };
    EXPECT_EQ(itemsOf("mnuFile"),
              QStringList({"New", "Open", "Print", "Write &ADIF File (<call>.adi)",
                           "Open &Call History...", "&Build Call History...", "Exit"}));
    EXPECT_EQ(
        itemsOf("mnuprintrec"),
        QStringList({"Print Log", "Print Dupe Sheet", "Print Summary Sheet", "-",
                     "Write ASCII Log File (ASCIILog.txt)", "Write ASCII Dupe File (ASCIIDup.txt)",
                     "Write Summary Sheet (ASCIISum.txt)"}));
    EXPECT_EQ(itemsOf("mnuTab"), QStringList({"#", "Call"}));
    EXPECT_EQ(itemsOf("mnuBand"),
              QStringList({"160", "  80", "  40", "  20", "  15", "  10", "-", "Statistics"}));
    EXPECT_TRUE(action("numopt")->isChecked());
    EXPECT_FALSE(action("callopt")->isChecked());
    EXPECT_EQ(form->windowTitle(), "Vantor 2.5");
}

TEST_F(Form1Window, ClockButtonAndCellsAnswerTheMouse) {
    open();
    EXPECT_EQ(find<QPushButton>("cmdLogOn")->text(), "Log \"Time On\"");
    QTest::mouseClick(find<QPushButton>("cmdLogOn"), Qt::LeftButton);
    EXPECT_EQ(find<QPushButton>("cmdLogOn")->text(), "Log \"Time Off\"");
    EXPECT_EQ(focused(), "txtNum");
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/8/2026\",\"02:00:05\",\"00:00:00\"\r\n");

    auto* ema = find<QLabel>("Label10_2");
    EXPECT_EQ(ema->text(), "EMA");
    EXPECT_EQ(ema->toolTip(), "East Massachusetts");
    QTest::mouseClick(ema, Qt::LeftButton);
    EXPECT_EQ(field("txtSec"), "EMA");

    QTest::mouseClick(find<QPushButton>("cmdDup"), Qt::LeftButton);
    EXPECT_EQ(find<QPushButton>("cmdDup")->text(), "Off");
}

TEST_F(Form1Window, ControlsStandAtTheirScaledDesignPositions) {
    open();
    const QSize screen = vantor::ui::screenSizeFor(form.get());
    const double fx = screen.width() / 640.0;
    const QRect call = find<QLineEdit>("txtCall")->geometry();
    EXPECT_NEAR(call.left(), 1200 / 15.0 * fx, 2.0);
    EXPECT_NEAR(call.width(), 975 / 15.0 * fx, 2.0);
    const QRect cell = find<QLabel>("Label10_79")->geometry(); // NWT, Canada second column
    EXPECT_NEAR(cell.left(), (8520 + 480) / 15.0 * fx, 2.0);
    // Every control lies inside the window's client area.
    for (QWidget* w : form->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible())
            continue;
        EXPECT_TRUE(form->centralWidget()->rect().contains(w->geometry()))
            << w->objectName().toStdString();
    }
}

TEST_F(Form1Window, ClosingTheWindowWhileTheClockRunsRecordsTheStop) {
    open();
    action("mnu20")->trigger();
    QTest::mouseClick(find<QPushButton>("cmdLogOn"), Qt::LeftButton);
    clock.advanceMs(90 * 1000);
    QTest::qWait(1100); // one tick of the one-second timer
    EXPECT_EQ(text("lblttrack"), "00:01:30");
    form->close();
    EXPECT_TRUE(port.ended);
    EXPECT_EQ(readFile("nsonoff.txt"), "1,\"11/8/2026\",\"02:00:05\",\"00:00:00\"\r\n"
                                       "0,\"11/8/2026\",\"02:01:35\",\"00:01:30\"\r\n");
    EXPECT_EQ(readFile("nspref.txt"),
              "\"W1AW\"\r\n0\r\n\"A\"\r\n\"85\"\r\n\"CT\"\r\n5\r\n0\r\n1\r\n\"20\"\r\n90\r\n");
}

TEST_F(Form1Window, OpeningAMenuDoesNotCountAsLeavingTheCallField) {
    writeFile("log.txt",
              "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n");
    open({Answer::Yes});
    typeKeys("12bw1aw");
    form->menuBar()->setFocus(Qt::MenuBarFocusReason); // what Alt does
    QApplication::processEvents();
    EXPECT_EQ(field("txtCall"), "W1AW");
    EXPECT_EQ(text("lblDialog"), "Possible Duplicate!");
    find<QLineEdit>("txtCall")->setFocus(Qt::MenuBarFocusReason);
    QApplication::processEvents();
    typeKeys(" ");
    EXPECT_EQ(text("lblDialog"), "Duplicate W1AW CT 11/6/99 21:04:33 ON 40  Rec#  1");
}

TEST_F(Form1Window, TheGridFollowsTheChosenSectionList) {
    open();
    const auto cellsShown = [this] {
        int n = 0;
        for (QLabel* l : form->centralWidget()->findChildren<QLabel*>())
            n += l->objectName().startsWith("Label10_") && l->isVisible() ? 1 : 0;
        return n;
    };
    EXPECT_EQ(cellsShown(), 79);
    EXPECT_FALSE(action("mnuSections85")->isChecked());
    action("mnuSections85")->trigger();
    EXPECT_TRUE(action("mnuSections85")->isChecked());
    EXPECT_EQ(cellsShown(), 85);
    EXPECT_EQ(text("Label10_82"), "PE");
    EXPECT_EQ(find<QLabel>("Label10_85")->toolTip(), "Territories");
    EXPECT_EQ(text("lblsectogo"), "  85");

    // Every cell stays in the window; neighbours touch at their edges at most (the
    // design lets them share a strip), never cover each other.
    const QRect area = form->centralWidget()->rect();
    for (int r = 1; r <= 85; ++r) {
        const QRect cell = find<QLabel>(("Label10_" + std::to_string(r)).c_str())->geometry();
        EXPECT_TRUE(area.contains(cell)) << r;
        for (int o = r + 1; o <= 85; ++o) {
            const QRect both =
                cell & find<QLabel>(("Label10_" + std::to_string(o)).c_str())->geometry();
            EXPECT_TRUE(both.isEmpty() || both.width() <= 4 || both.height() <= cell.height() / 3)
                << r << " and " << o;
        }
    }
    // Today's Canada group stands in two columns of seven under its heading.
    const QRect ab = find<QLabel>("Label10_72")->geometry();
    const QRect ons = find<QLabel>("Label10_79")->geometry();
    const QRect ter = find<QLabel>("Label10_85")->geometry();
    EXPECT_EQ(ab.left(), find<QLabel>("lblSecCA")->geometry().left());
    EXPECT_GT(ons.left(), ab.left());
    EXPECT_EQ(ons.top(), ab.top());
    EXPECT_EQ(ter.top(), find<QLabel>("Label10_78")->geometry().top());

    typeKeys("1apve1aa70pe\n");
    EXPECT_EQ(state.RecCount, 1);
    EXPECT_EQ(find<QLabel>("Label10_82")->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    action("mnuSections79")->trigger();
    EXPECT_EQ(cellsShown(), 79);
    EXPECT_EQ(text("Label10_79"), "NWT");
}

TEST_F(Form1Window, AKeyTypedAtOnceAfterAltCLandsInTheSerialField) {
    open();
    typeKeys("12aw1a");
    EXPECT_EQ(focused(), "txtCall");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    typeKeys("5");     // no event is handled in between
    QTest::qWait(250); // longer than any animated press of the button
    EXPECT_EQ(field("txtNum"), "5");
    for (const char* box : {"txtPre", "txtCall", "txtCK", "txtSec"})
        EXPECT_EQ(field(box), "") << box;
    EXPECT_EQ(focused(), "txtNum");
}

TEST_F(Form1Window, ASelectionMadeInTheCallSurvivesTheClocksRepaintAndIsTypedOver) {
    open();
    typeKeys("12aw9xyz");
    QWidget* call = QApplication::focusWidget();
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left})
        QTest::keyClick(call, k);
    QTest::keyClick(call, Qt::Key_Left, Qt::ShiftModifier); // the 9
    form->render();                                         // what each clock tick does
    typeKeys("0");
    EXPECT_EQ(field("txtCall"), "W0XYZ");
    EXPECT_EQ(focused(), "txtCall");
}

TEST_F(Form1Window, KeysTypedAheadOfADuplicateAreDiscardedWhileTheRedStaysThreeSeconds) {
    writeFile("log.txt",
              "\"1\",\"5\",\"A\",\"W1AW\",\"85\",\"CT\",\"11/6/99\",\"21:04:33\",\"40\"\r\n");
    open({Answer::Yes});
    const auto red = [this] {
        return find<QLabel>("lblDialog")->palette().color(QPalette::Window) == QColor(255, 0, 0);
    };
    typeKeys("12bw1aw8"); // the 8 leaves the call field
    EXPECT_TRUE(red());
    QElapsedTimer held;
    held.start();
    typeKeys("5ct\n"); // nothing waits: each key is handled, and discarded, at once
    EXPECT_LT(held.elapsed(), 1000);
    for (const char* box : {"txtNum", "txtPre", "txtCall", "txtCK", "txtSec"})
        EXPECT_EQ(field(box), "") << box;
    EXPECT_TRUE(red());
    EXPECT_EQ(state.RecCount, 1);

    // The hold's timer ends it by itself; the announcement stays readable.
    while (red() && held.elapsed() < 6000)
        QTest::qWait(20);
    EXPECT_FALSE(red());
    EXPECT_GE(held.elapsed(), 2900);
    EXPECT_EQ(text("lblDialog"), "Duplicate W1AW CT 11/6/99 21:04:33 ON 40  Rec#  1");
    typeKeys("6");
    EXPECT_EQ(field("txtNum"), "6");
}
