#include "ui/dialogs/Form5.h"
#include "ui/dialogs/frmSplash.h"

#include "support/TempDir.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor::ui;
using vantor::test::readFile;
using vantor::test::TempDir;
using vantor::test::writeFile;

namespace {

QString helpText(const Form5& page) {
    const auto* box = page.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    return box ? box->toPlainText() : QStringLiteral("<missing>");
}

} // namespace

TEST(HelpPage, ShowsTheWholeFileWithItsLineBreaks) {
    struct Case {
        const char* name;
        std::string bytes;
        QString shown;
    };
    std::string longFile;
    QString longShown;
    for (int i = 1; i <= 300; ++i) {
        longFile += "Line " + std::to_string(i) + "\r\n";
        longShown += QStringLiteral("Line %1\n").arg(i);
    }
    const Case cases[] = {
        {"CR LF", "First line\r\n\r\n  indented\r\nlast", "First line\n\n  indented\nlast"},
        {"LF", "one\ntwo\n", "one\ntwo\n"},
        {"Latin-1",
         "Qu\xe9"
         "bec\r\n",
         QStringLiteral("Qu\u00e9bec\n")},
        {"empty file", "", ""},
        {"300 lines", longFile, longShown},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFile("readns.txt", c.bytes);
        Form5 page;
        page.Form_Load();
        EXPECT_EQ(helpText(page), c.shown) << c.name;
    }
}

TEST(HelpPage, MissingOrUnreadableFileGivesAnEmptyPage) {
    for (const char* what : {"missing", "directory"}) {
        TempDir dir;
        if (std::string(what) == "directory")
            std::filesystem::create_directory("readns.txt");
        Form5 page;
        page.Form_Load();
        EXPECT_EQ(helpText(page), "") << what;
        page.show();
        QTest::mouseClick(page.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_FALSE(page.isVisible()) << what;
    }
}

TEST(HelpPage, EveryLoadReadsTheFileAfreshAndNeverWritesIt) {
    TempDir dir;
    writeFile("readns.txt", "old");
    Form5 page;
    page.Form_Load();
    writeFile("readns.txt", "new\r\n");
    page.Form_Load();
    EXPECT_EQ(helpText(page), "new\n");
    std::filesystem::remove("readns.txt");
    page.Form_Load();
    EXPECT_EQ(helpText(page), "");
    EXPECT_FALSE(vantor::test::fileExists("readns.txt"));
}

TEST(HelpPage, LongTextScrollsAndStaysReadOnly) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "A line of help.\r\n";
    writeFile("readns.txt", text);
    Form5 page;
    EXPECT_EQ(page.windowTitle(), "Vantor Help Page");
    page.Form_Load();
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    auto* box = page.findChild<QPlainTextEdit*>("Text1");
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    QTest::keyClicks(box, "xyz");
    EXPECT_EQ(box->toPlainText().size(), QString::fromLatin1(text.c_str()).size() - 200);
    EXPECT_EQ(readFile("readns.txt"), text);
}

TEST(HelpPage, ShippedHelpIsPlainAsciiAndShownWhole) {
    const std::string shipped = readFile(VANTOR_HELP_FILE);
    ASSERT_FALSE(shipped.empty());
    int lines = 0;
    for (unsigned char ch : shipped) {
        EXPECT_TRUE(ch == '\n' || ch == '\r' || (ch >= 32 && ch < 127)) << int(ch);
        lines += ch == '\n';
    }
    EXPECT_GE(lines, 100);
    EXPECT_LE(lines, 420);

    TempDir dir;
    writeFile("readns.txt", shipped);
    Form5 page;
    page.Form_Load();
    const QString shown = helpText(page);
    EXPECT_EQ(shown.count(QLatin1Char('\n')), lines);
    for (const char* must :
         {"log.txt", "nspref.txt", "nsonoff.txt", "File Error", "TabOrder", "123AW1AW85CT"})
        EXPECT_TRUE(shown.contains(QLatin1String(must))) << must;
}

class Splash : public ::testing::Test {
protected:
    frmSplash splash;
    template <class W = QLabel> W* get(const char* name) {
        auto* w = splash.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void SetUp() override {
        splash.Form_Load();
        splash.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    }
};

TEST_F(Splash, ContinueEmitsItsSignalByClickOrReturn) {
    QSignalSpy spy(&splash, &frmSplash::continueClicked);
    auto* button = get<QPushButton>("Command1");
    EXPECT_EQ(button->text(), "Continue");
    EXPECT_TRUE(button->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), button);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 2);
    QTest::keyClick(&splash, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(spy.count(), 3);
    QTest::keyClick(&splash, Qt::Key_X);
    EXPECT_EQ(spy.count(), 3);
    EXPECT_TRUE(splash.isVisible()); // closing it is the application's business
    EXPECT_FALSE(splash.isModal());
}

TEST_F(Splash, TitleVersionAndNotes) {
    const Factors f = screenFactors(splash.screen()->size());
    for (const char* name : {"lblProductName", "Label1", "Label2"}) {
        EXPECT_EQ(get(name)->text(), "Vantor") << name;
        EXPECT_EQ(get(name)->font().pixelSize(), fontPixels(24, f.fx)) << name;
    }
    EXPECT_EQ(get("lblVersion1")->text(), "Version 2.5");
    for (const char* name : {"lblCompanyName", "Label3", "Label8", "Label5", "Label7", "Label9",
                             "Label10", "Label6", "Label4", "lblLicense", "lblWarning"})
        EXPECT_FALSE(get(name)->text().isEmpty()) << name;
    EXPECT_TRUE(get("Label7")->text().contains("@"));
    for (const char* name : {"imgUSA", "imgCanada", "Image1", "Line1"})
        get<QWidget>(name);
}

TEST_F(Splash, StandsAboveTheScreensCentre) {
    const QSize screen = splash.screen()->size();
    const Factors f = screenFactors(screen);
    EXPECT_NEAR(splash.width(), frmSplash::DesignRect.width * f.fx / UnitsPerPixel, 1);
    EXPECT_NEAR(splash.height(), frmSplash::DesignRect.height * f.fy / UnitsPerPixel, 1);
    const QRect placed = splash.geometry();
    EXPECT_NEAR(placed.x(), (screen.width() - placed.width()) / 2.0, 1);
    EXPECT_NEAR(placed.y(), (screen.height() - placed.height()) / 2.0 - 170 / UnitsPerPixel, 1);
}
