// The typing aids in the real main window, offscreen: the check partial list's own
// window, the call history's fills and menu items, the new-section cue.

#include "support/MainWindow.h"
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
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

#include <memory>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::AidsDesk;
using vantor::ui::CheckPartialWindow;
using vantor::ui::Form1;

namespace {

class AidsWindow : public ::testing::Test, protected MainWindow {
protected:
    void open() { MainWindow::open({Answer::No, Answer::Yes}, QSize(1024, 768)); }
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

TEST_F(AidsWindow, HistoryFillIsDrawnApartAndSelectedUntilTypedOver) {
    writeFile("callhist.txt", "!!Order!!,Call,Sect,State,CK\nK5TR,STX,TX,68\nK1ZZ,CT,CT,85\n");
    open();
    auto* ck = find<QLineEdit>("txtCK");
    auto* sec = find<QLineEdit>("txtSec");
    const QColor plain = ck->palette().color(QPalette::Text);
    const QColor history(128, 0, 128);
    struct Step {
        const char* keys;
        const char* ck;
        const char* sec;
        bool ckDrawn, secDrawn;
    };
    const std::vector<Step> steps = {
        {"1ak5tr", "", "", false, false},       {" ", "68", "STX", true, true},
        {"7", "7", "STX", false, true},         {"2\n", "", "", false, false},
        {"2ak1zz 85", "85", "CT", false, true}, // the same check typed is the operator's
    };
    for (const Step& s : steps) {
        typeKeys(s.keys);
        EXPECT_EQ(ck->text().toStdString(), s.ck) << s.keys;
        EXPECT_EQ(sec->text().toStdString(), s.sec) << s.keys;
        EXPECT_EQ(ck->palette().color(QPalette::Text), s.ckDrawn ? history : plain) << s.keys;
        EXPECT_EQ(sec->palette().color(QPalette::Text), s.secDrawn ? history : plain) << s.keys;
        if (s.ckDrawn)
            EXPECT_EQ(ck->selectedText(), ck->text()) << s.keys;
        if (s.secDrawn)
            EXPECT_EQ(sec->selectedText(), sec->text()) << s.keys;
    }
    EXPECT_EQ(readFile("log.txt").rfind("\"1\",\"1\",\"A\",\"K5TR\",\"72\",\"STX\",", 0), 0u);
}

TEST_F(AidsWindow, CallHistoryOpenedOrBuiltFromTheFileMenu) {
    open();
    QLabel* dialog = find<QLabel>("lblDialog");
    const std::string other = (dir.path() / "other.csv").string();
    writeFile(other, "!!Order!!,Call,Sect,State,CK\nK5TR,STX,TX,68\n\xff\xfe,,\n");
    desk().chooseHistoryFile = [&other] { return other; };
    find<QAction>("mnuOpenHistory")->trigger();
    EXPECT_EQ(dialog->text().toStdString(),
              "Call history: 1 call from " + other + ", 1 line skipped.");
    EXPECT_EQ(readFile("nsaids.txt"), "checkpartial=off\nsectioncue=off\nhistory=" + other + "\n");

    const auto contest = [](const std::string& folder, const std::string& records) {
        std::filesystem::create_directories(folder);
        writeFile(folder + "/log.txt", records);
    };
    contest("old/ss2024", "\"1\",\"1\",\"A\",\"K1ZZ\",\"85\",\"CT\",\"11/9/2024\",\"21:00:00\","
                          "\"40\"\r\n");
    contest("old/ss2025", "\"1\",\"1\",\"A\",\"K1ZZ\",\"86\",\"CT\",\"11/8/2025\",\"21:00:00\","
                          "\"40\"\r\n\"2\",\"2\",\"B\",\"W9XX\",\"70\",\"IL\",\"11/8/2025\","
                          "\"21:01:00\",\"20\"\r\n");
    std::vector<std::string> asked;
    desk().chooseContestsFolder = [] { return std::string("old"); };
    desk().confirm = [&asked](const std::string& q) {
        asked.push_back(q);
        return false;
    };
    find<QAction>("mnuBuildHistory")->trigger();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(dialog->text(), "Call history: 2 calls from 2 contests written to callhist.txt.");
    EXPECT_EQ(readFile("nsaids.txt"), "checkpartial=off\nsectioncue=off\n");
    ASSERT_NE(desk().aids().history().find("K1ZZ"), nullptr);
    EXPECT_EQ(desk().aids().history().find("K1ZZ")->ck, "86"); // the newest contact
    EXPECT_EQ(desk().aids().history().find("K5TR"), nullptr);

    const std::string built = readFile("callhist.txt");
    find<QAction>("mnuBuildHistory")->trigger();
    EXPECT_EQ(asked, std::vector<std::string>{"Replace callhist.txt with the call history of "
                                              "the 2 contests in old?"});
    EXPECT_EQ(readFile("callhist.txt"), built);
}

TEST_F(AidsWindow, NewSectionCueNamesAnUnworkedSectionBeforeEnter) {
    writeFile("callhist.txt", "!!Order!!,Call,Sect,State,CK\nK5TR,STX,TX,68\n");
    open();
    QTest::mouseClick(find<QPushButton>("cmdLogOn"), Qt::LeftButton); // the message line free
    find<QAction>("mnuSectionCue")->trigger();
    EXPECT_TRUE(find<QAction>("mnuSectionCue")->isChecked());
    EXPECT_EQ(readFile("nsaids.txt"), "checkpartial=off\nsectioncue=on\n");
    struct Step {
        const char* keys;
        const char* shown;
    };
    const std::vector<Step> steps = {
        {"1ak1zz 85c", " "},
        {"t", "New section: CT"},
        {"\b", " "},
        {"t\n", " "},
        {"2ak1yy 70ct", " "},              // worked already
        {"\n3ak5tr ", "New section: STX"}, // brought by the history
    };
    for (const Step& s : steps) {
        typeKeys(s.keys);
        EXPECT_EQ(find<QLabel>("lblDialog")->text().toStdString(), s.shown) << s.keys;
    }
    find<QAction>("mnuSectionCue")->trigger();
    EXPECT_EQ(find<QLabel>("lblDialog")->text(), " ");
}

TEST_F(AidsWindow, WithoutTheFolderListTheSystemOneIsRead) {
    if (!std::filesystem::exists(aids::SystemScpPath))
        GTEST_SKIP() << "no " << aids::SystemScpPath;
    open();
    find<QAction>("mnuCheckPartial")->trigger();
    EXPECT_TRUE(listWindow()->status()->text().endsWith(
        " calls from " + QString::fromStdString(aids::SystemScpPath)))
        << listWindow()->status()->text().toStdString();
    typeKeys("1ak5t");
    QListWidget* list = listWindow()->list();
    ASSERT_GT(list->count(), 0);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(list->item(i)->text().contains("K5T")) << list->item(i)->text().toStdString();
}
