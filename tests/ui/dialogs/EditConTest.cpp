// The edit contact dialog, offscreen: its layout, typed keys, the operator moving
// between refused boxes, and "Done".

#include "support/FakePort.h"
#include "ui/dialogs/frmEditCon.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::frmEditCon;

namespace {

class EditCon : public ::testing::Test {
protected:
    ContestState state;
    FakeClock clock;
    FakePort port{clock};
    frmEditCon dialog{state, port, ShortDateForm{}, 2026};

    void SetUp() override {
        state.RecCount = 2;
        state.ContactLog[1] = {"1", "11", "A", "W1AW", "85", "CT", "11/7/2026", "21:00:05", "40"};
        state.ContactLog[2] = {"2", "12", "B", "K2XX", "70", "ENY", "11/7/2026", "21:05:00", "20"};
        dialog.Form_Load(2);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QLineEdit* box(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    // Retypes a box as the operator would: into it, select everything, type over it.
    void retype(const char* name, const char* keys) {
        QLineEdit* b = box(name);
        b->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Backspace);
        QTest::keyClicks(b, keys);
    }
    // Lets queued focus events run; returns the message titles shown so far.
    std::vector<std::string> settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        std::vector<std::string> titles;
        for (const ShownBox& b : port.boxes)
            titles.push_back(b.title);
        return titles;
    }
};

} // namespace

TEST_F(EditCon, ShowsTheRecordInItsScaledLayout) {
    EXPECT_EQ(dialog.windowTitle(), "Edit Contact Entry");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label3")->text(), "Num Sent");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblEditTitle")->text(), "Edit Contact:");
    EXPECT_EQ(box("txtEditCall")->text(), "K2XX");
    EXPECT_EQ(box("txtEditTime")->text(), "21:05:00");
    EXPECT_EQ(focused(), "txtEditNumSent");
    EXPECT_FALSE(dialog.findChild<QLabel*>("Label1")->isVisible());

    // Boxes follow the screen; the picture keeps its design size (600 units).
    const double fx = dialog.screen()->size().width() * 15.0 / 9600.0;
    EXPECT_NEAR(box("txtEditCall")->width(), 2040 * fx / 15, 1.0);
    EXPECT_EQ(dialog.findChild<QWidget*>("Image1")->size(), QSize(40, 40));
    EXPECT_NEAR(dialog.width(), 5760 * fx / 15, 1.0);
}

TEST_F(EditCon, RefusedBoxesDoNotChaseEachOther) {
    box("txtEditTime")->setText("99");
    box("txtEditDate")->setText("1//");
    box("txtEditDate")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(settle(), std::vector<std::string>{});
    box("txtEditTime")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(settle(), std::vector<std::string>{"Invalid Date Format!"});
    EXPECT_EQ(focused(), "txtEditDate");

    // A click on "Done" leaves no box: only its own check speaks, time first.
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdDone"), Qt::LeftButton);
    EXPECT_EQ(settle(), (std::vector<std::string>{"Invalid Date Format!", "Invalid Time Format!"}));
    EXPECT_EQ(focused(), "txtEditTime");
    EXPECT_EQ(port.beeps, 2);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(EditCon, EnterStoresTheCorrectedRecord) {
    retype("txtEditCall", "k2xy");
    retype("txtEditSec", "nny\"");
    QTest::keyClick(box("txtEditSec"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    const Contact expected{"2", "12", "B", "K2XY", "70", "NNY", "11/7/2026", "21:05:00", "20"};
    EXPECT_EQ(state.ContactLog[2], expected);
}

TEST_F(EditCon, BoxesKeepTheLimitsOfTheEntryFieldsAndAnOddBandIsFlagged) {
    retype("txtEditNumSent", "2222222222");
    EXPECT_EQ(box("txtEditNumSent")->text(), "22222");
    QLabel* band = dialog.findChild<QLabel*>("lblBandWarning");
    ASSERT_NE(band, nullptr);
    EXPECT_FALSE(band->isVisible());
    retype("txtEditBnd", "2");
    EXPECT_TRUE(band->isVisible());
    EXPECT_EQ(band->text(), " Not a band!");
    // Pasted text is kept to the same limit.
    box("txtEditNum")->selectAll();
    QApplication::clipboard()->setText("1234567");
    QTest::keyClick(box("txtEditNum"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("txtEditNum")->text(), "12345");
    QTest::keyClick(box("txtEditBnd"), Qt::Key_Return); // stored as typed, with the warning
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.ContactLog[2].NumSent, "22222");
    EXPECT_EQ(state.ContactLog[2].Bnd, "2");
}
