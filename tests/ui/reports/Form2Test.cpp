#include "ui/dialogs/Form2.h"

#include "support/FakePort.h"
#include "support/TempDir.h"
#include "ui/main/QtPlatform.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::ui;
using vantor::test::FakePort;

namespace {

struct Form2Window : ::testing::Test {
    vantor::test::TempDir dir;
    ContestState state;
    FakeClock clock{0};
    FakePort port{clock};
    Form2 dialog{state, port, ShortDateForm{}, 2026};

    Form2Window() { state.StationInfo = {"W1AW", "A", "85", "CT", 0, ModeCW, 0}; }

    template <class W = QWidget> W* get(const char* name) {
        auto* w = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void open() {
        dialog.Form_Load();
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QString focused() const {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    bool checked(const char* option) { return get<QRadioButton>(option)->isChecked(); }
};

} // namespace

TEST_F(Form2Window, CaptionsAndDefaults) {
    open();
    EXPECT_EQ(dialog.windowTitle(), "Summary Sheet Information");
    EXPECT_TRUE(dialog.isModal());
    // The captions whose spacing or wording is easily lost.
    const std::pair<const char*, const char*> captions[] = {
        {"Frame1", "W1AW's License Class:"},
        {"Frame5", "Category (Referenced in Cabrillo format only):"},
        {"Option12", "Single-Op-Assisted"},
        {"Label1", "Call of operator if different from call used: "},
        {"Label11", "       ARRL Affiliated Club:"},
        {"Label12", "Soapbox (Cabrillo format only - add any comments you would like to make "
                    "about the contest):"},
        {"Command1", "Write Sum File (ASCIISum.txt - old format)"},
        {"Command4", "Write Cabrillo Fmt  (ASCIICab.txt - new format)"},
    };
    for (const auto& [name, caption] : captions) {
        QWidget* w = get(name);
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            shown = frame->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            shown = label->text();
        EXPECT_EQ(shown, caption) << name;
    }
    for (QRadioButton* option : dialog.findChildren<QRadioButton*>()) {
        const QString name = option->objectName();
        const bool byDefault = name == "Option3" || name == "Option6" || name == "Option11" ||
                               name == "Option19" || name == "Option10";
        EXPECT_EQ(option->isChecked(), byDefault) << name.toStdString();
    }
    EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 20);
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 11);
}

TEST_F(Form2Window, TabOrderAndLayout) {
    open();
    const char* order[] = {"Option1",  "Option2",  "Option3",  "Text1",    "Option4",  "Option8",
                           "Option5",  "Option6",  "Option7",  "Option11", "Option12", "Option13",
                           "Option14", "Option15", "Option16", "Option17", "Text2",    "Option20",
                           "Option19", "Option18", "Text3",    "Text9",    "Text4",    "Text5",
                           "Text6",    "Text7",    "Option9",  "Option10", "Text10",   "Text8",
                           "Text11",   "Command1", "Command4", "Command2", "Command3"};
    QWidget* w = get(order[0]);
    for (const char* name : order) {
        ASSERT_EQ(w->objectName(), name);
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible());
    }

    const Factors f = screenFactors(screenSizeFor(&dialog));
    EXPECT_NEAR(dialog.width(), Form2::DesignRect.width * f.fx / UnitsPerPixel, 1);
    const std::pair<const char*, UnitRect> placed[] = {
        {"Frame5", {120, 1800, 9375, 615}},
        {"Text11", {120, 5520, 9255, 285}},
        {"Command3", {8640, 6120, 735, 375}},
    };
    for (const auto& [name, rect] : placed)
        EXPECT_EQ(get(name)->geometry(), toPixelEdges(scaled(rect, f))) << name;
    // An option keeps its designed column and sits in the room inside its frame.
    const QRect option = get("Option17")->geometry();
    const QRect designed = toPixelEdges(scaled({8160, 240, 1100, 255}, f));
    EXPECT_EQ(option.left(), designed.left());
    EXPECT_EQ(option.width(), designed.width());
    EXPECT_TRUE(get("Frame5")->contentsRect().contains(option));
}

TEST_F(Form2Window, LeavingTheOperatorCallBoxByKeyboard) {
    open();
    get<QRadioButton>("Option8")->click();
    get("Text1")->setFocus();
    QTest::keyClick(get("Text1"), Qt::Key_Tab);
    EXPECT_EQ(focused(), "Option6");
    EXPECT_FALSE(checked("Option4") || checked("Option8") || checked("Option5"));
}

TEST_F(Form2Window, EnterPressesOnlyAFocusedButton) {
    open();
    get("Text5")->setFocus();
    // Characters that no file of the program can hold are not taken.
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Hi\u20acram\u00e9"));
    QApplication::sendEvent(get("Text5"), &press);
    EXPECT_EQ(get<QLineEdit>("Text5")->text(), QString::fromUtf8("Hiram\u00e9"));
    QTest::keyClick(get("Text5"), Qt::Key_Return);
    EXPECT_FALSE(vantor::test::fileExists("ASCIISum.txt"));
    EXPECT_FALSE(vantor::test::fileExists("ASCIICab.txt"));

    get("Command4")->setFocus();
    QTest::keyClick(get("Command4"), Qt::Key_Return);
    EXPECT_NE(vantor::test::readFile("ASCIICab.txt").find("NAME: Hiram\xe9\r\n"),
              std::string::npos);
    EXPECT_EQ(focused(), "Command3");
    EXPECT_TRUE(port.boxes.empty());

    QTest::keyClick(get("Command3"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Form2Window, EachOpeningFromTheMenuStartsFromTheDefaults) {
    QtPlatform platform(clock, state);
    std::vector<QString> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* window = qobject_cast<Form2*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll.stop();
        auto* name = window->findChild<QLineEdit*>("Text5");
        seen.push_back(name->text() + "|" + window->findChild<QGroupBox*>("Frame1")->title());
        name->setText("Hiram");
        window->findChild<QRadioButton*>("Option17")->click();
        window->findChild<QPushButton*>("Command3")->click();
    });
    for (int i = 0; i < 2; ++i) {
        poll.start(10);
        platform.showSummarySheet(ShortDateForm{}, 2026, FileNames{});
    }
    EXPECT_EQ(seen, (std::vector<QString>{"|W1AW's License Class:", "|W1AW's License Class:"}));
}
