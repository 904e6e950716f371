#include "ui/dialogs/frmStationID.h"

#include "support/FakePort.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::ui;
using vantor::test::FakePort;

namespace {

const StationData Stored{"W1AW", "A", "85", "CT", 5, ModeCW, 0};

class StationID : public ::testing::Test {
public:
    FakeClock clock;
    FakePort port{clock};
    frmStationID dialog{port};

    template <class W = QLineEdit> W* get(const char* name) {
        auto* w = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* box) { return get(box)->text(); }

    void open(const StationData& current) {
        dialog.Form_Load(current);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void type(const char* box, const char* keys) { QTest::keyClicks(get(box), keys); }
    void key(const char* box, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(get(box), k, mods);
    }
    // A key press carrying text that no keyboard key code stands for.
    void typeText(const char* box, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(get(box), &press);
    }
};

} // namespace

TEST_F(StationID, LoadShowsTheStoredValues) {
    open(Stored);
    EXPECT_EQ(dialog.windowTitle(), " Amateur Station I.D.");
    EXPECT_EQ(text("Text1"), "W1AW");
    EXPECT_EQ(text("Text3"), "A");
    EXPECT_EQ(text("Text4"), "85");
    EXPECT_EQ(text("Text5"), "CT");
    EXPECT_EQ(text("Text6"), "5");
    EXPECT_EQ(QApplication::focusWidget(), get("Text1"));
    EXPECT_EQ(get<QLabel>("Label12")->text(), "");

    // Where the hours in the box are not used, the dialog says so beside it.
    dialog.Form_Load(Stored, "Stamped from the UTC clock.");
    EXPECT_EQ(get<QLabel>("Label12")->text(), "Stamped from the UTC clock.");
}

TEST_F(StationID, TypedKeysFollowEachBoxsRules) {
    struct Case {
        const char* box;
        const char* keys;
        const char* shown;
    };
    const Case cases[] = {
        {"Text1", "w1aw/p", "W1AW/P"}, {"Text1", "k\"1", "K1"}, {"Text3", "a", "A"},
        {"Text4", "8x5", "8X5"},       {"Text5", "eny", "ENY"}, {"Text5", "mdc!", "MDC!"},
        {"Text6", "1a-2.5", "125"},    {"Text6", "x\" +", ""},  {"Text6", "007", "007"},
    };
    for (const Case& c : cases) {
        open({});
        key("Text6", Qt::Key_Backspace); // the loaded "0"
        type(c.box, c.keys);
        EXPECT_EQ(text(c.box), c.shown) << c.box << " " << c.keys;
    }
    EXPECT_TRUE(port.boxes.empty());
}

TEST_F(StationID, BackspaceAndTheCaretWork) {
    open({});
    type("Text1", "w1aw");
    key("Text1", Qt::Key_Left);
    key("Text1", Qt::Key_Left);
    key("Text1", Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), "WAW");
    type("Text1", "b");
    EXPECT_EQ(text("Text1"), "WBAW");
    key("Text1", Qt::Key_Delete); // left to the box itself
    EXPECT_EQ(text("Text1"), "WBW");
    key("Text1", Qt::Key_A, Qt::ControlModifier);
    type("Text1", "k");
    EXPECT_EQ(text("Text1"), "K");

    key("Text6", Qt::Key_Backspace);
    key("Text6", Qt::Key_Backspace); // nothing left to delete
    type("Text6", "12");
    key("Text6", Qt::Key_Backspace);
    EXPECT_EQ(text("Text6"), "1");
}

TEST_F(StationID, CharactersBeyondLatin1AreDiscarded) {
    open({});
    typeText("Text1", QStringLiteral("k\u20ac1"));
    typeText("Text5", QStringLiteral("\u00e4"));
    EXPECT_EQ(text("Text1"), "K1");
    EXPECT_EQ(text("Text5"), ""); // no accented letter reaches the Cabrillo header
}

TEST_F(StationID, PastedTextIsKeptSane) {
    struct Case {
        const char* box;
        const char* clipboard;
        const char* shown;
    };
    const Case cases[] = {{"Text1", "w1\"aw", "W1AW"},
                          {"Text5", "e n\ty", "ENY"},
                          {"Text6", "1a2\"3 ", "123"},
                          {"Text6", "twelve", ""}};
    for (const Case& c : cases) {
        open({});
        get(c.box)->clear();
        QApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
        key(c.box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(c.box), c.shown) << c.box << " " << c.clipboard;
    }
}

TEST_F(StationID, EnterOrDoneWithAnEmptyCallIsRefusedAndTheDialogStays) {
    struct Case {
        const char* name;
        std::function<void(StationID&)> press;
    };
    const Case cases[] = {
        {"Enter in the call box", [](StationID& t) { t.key("Text1", Qt::Key_Return); }},
        {"Enter in the hours box", [](StationID& t) { t.key("Text6", Qt::Key_Enter); }},
        {"Done",
         [](StationID& t) { QTest::mouseClick(t.get<QPushButton>("Command1"), Qt::LeftButton); }},
    };
    for (const Case& c : cases) {
        port.boxes.clear();
        open({"", "A", "85", "CT", 0, 0, 0});
        c.press(*this);
        ASSERT_EQ(port.boxes.size(), 1u) << c.name;
        EXPECT_EQ(port.boxes[0].title, "Enter call sign");
        EXPECT_EQ(port.boxes[0].text, "You must enter a valid call sign!");
        EXPECT_EQ(port.boxes[0].buttons, Buttons::OkCancel);
        EXPECT_TRUE(dialog.isVisible()) << c.name;
        EXPECT_EQ(text("Text6"), "0") << "Enter must not reach the box";
    }
}

TEST_F(StationID, EnterInAnyBoxActsLikeDone) {
    for (const char* box : {"Text1", "Text3", "Text4", "Text5", "Text6"}) {
        open({});
        type("Text1", "n1mm");
        type("Text5", "ct");
        key(box, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << box;
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << box;
        const StationData got = dialog.result(Stored);
        EXPECT_EQ(got.MyCall, "N1MM") << box;
        EXPECT_EQ(got.MySec, "CT") << box;
        EXPECT_EQ(got.UtcHours, 0) << box;
    }
    EXPECT_TRUE(port.boxes.empty());
}

TEST_F(StationID, ClosedWithoutDoneChangesNothing) {
    open(Stored);
    type("Text1", "x");
    key("Text1", Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(Stored), Stored);
}

TEST_F(StationID, ContestModeShownAndChosen) {
    struct Case {
        std::uint8_t stored;
        bool phoneShown;
    };
    for (const Case c : {Case{ModeCW, false}, Case{ModePhone, true}, Case{ModeCW, false}}) {
        StationData s = Stored;
        s.ContestMode = c.stored;
        open(s);
        EXPECT_EQ(get<QRadioButton>("Option2")->isChecked(), c.phoneShown);
        EXPECT_EQ(get<QRadioButton>("Option1")->isChecked(), !c.phoneShown);
        EXPECT_EQ(get<QRadioButton>("Option1")->parentWidget(), get<QGroupBox>("Frame1"));
    }
    QTest::mouseClick(get<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(get<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(Stored).ContestMode, ModePhone);
}

TEST_F(StationID, TabGoesThroughTheFieldsInOrder) {
    open(Stored);
    const char* order[] = {"Text1", "Text3", "Text4", "Text5", "Text6", "Option1", "Command1"};
    for (const char* name : order) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(StationID, RunReturnsWhatTheOperatorLeftAndShowsItNextTime) {
    QString shownSecondTime;
    // The stored call comes up selected: typing replaces it.
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClicks(get("Text1"), "w1ab");
        QTest::keyClick(get("Text1"), Qt::Key_Return);
    });
    const StationData first = dialog.run(Stored);
    EXPECT_EQ(first.MyCall, "W1AB");
    EXPECT_EQ(first.MySec, "CT");

    QTimer::singleShot(0, &dialog, [&] {
        shownSecondTime = text("Text1");
        dialog.reject();
    });
    EXPECT_EQ(dialog.run(first), first);
    EXPECT_EQ(shownSecondTime, "W1AB");
}

TEST_F(StationID, LaidOutToTheScreenInRows) {
    open(Stored);
    const QSize screen = dialog.screen()->size();
    const Factors f = screenFactors(screen);
    EXPECT_NEAR(dialog.width(), frmStationID::DesignRect.width * f.fx / UnitsPerPixel, 1);
    EXPECT_NEAR(dialog.geometry().x(), (screen.width() - dialog.width()) / 2.0, 1);
    EXPECT_NEAR(dialog.geometry().y(), (screen.height() - dialog.height()) / 2.0, 1);

    struct Row {
        const char* label;
        const char* box;
        const char* hint;
    };
    const Row rows[] = {{"Label1", "Text1", nullptr},
                        {"Label4", "Text3", "Label6"},
                        {"Label3", "Text4", "Label10"},
                        {"Label5", "Text5", "Label11"},
                        {"Label7", "Text6", nullptr}};
    int lastTop = -1;
    for (const Row& r : rows) {
        const QRect box = get(r.box)->geometry();
        EXPECT_GT(box.top(), lastTop) << r.box;
        lastTop = box.top();
        const QRect label = get<QLabel>(r.label)->geometry();
        EXPECT_LE(label.right(), box.left()) << r.label;
        EXPECT_NEAR(label.center().y(), box.center().y(), 2) << r.label;
        if (r.hint) {
            const QRect hint = get<QLabel>(r.hint)->geometry();
            EXPECT_GE(hint.left(), box.right()) << r.hint;
            EXPECT_NEAR(hint.center().y(), box.center().y(), 2) << r.hint;
        }
    }
    EXPECT_GT(get<QGroupBox>("Frame1")->geometry().top(), lastTop);
    EXPECT_GT(get<QPushButton>("Command1")->geometry().top(),
              get<QGroupBox>("Frame1")->geometry().bottom());
    EXPECT_EQ(get<QLabel>("Label1")->text(), "Please Enter your Call Sign:");
    EXPECT_EQ(get<QLabel>("Label10")->text(), "(Last 2 digits of year licensed)");
    EXPECT_EQ(get<QPushButton>("Command1")->text(), "Done");
}
