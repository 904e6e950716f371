// The recent-contacts list of the real main window, offscreen: selecting a row,
// editing and deleting after a header sort, and the list model kept consistent.

#include "support/MainWindow.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::Form1;

namespace {

std::string line(int n) {
    static const char* sections[] = {"CT", "ENY", "EPA", "STX", "WI"};
    const std::string no = std::to_string(n);
    return "\"" + no + "\",\"" + no + "\",\"A\",\"K" + no + "AB\",\"85\",\"" + sections[n % 5] +
           "\",\"11/7/2026\",\"21:00:05\",\"40\"\r\n";
}

std::string lines(int first, int last, int skip = 0) {
    std::string out;
    for (int n = first; n <= last; ++n)
        out += n == skip ? "" : line(n);
    return out;
}

int failures = 0;
void countFailures(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains("FAIL"))
        ++failures;
}

class RecentList : public ::testing::Test, protected MainWindow {
protected:
    QTableView* list = nullptr;

    // Continues a contest of count contacts.
    void open(int count) {
        writeFile("log.txt", lines(1, count));
        ASSERT_NO_FATAL_FAILURE(start({Answer::Yes}));
        for (int i = 0; i < 100 && state.RecCount != count; ++i)
            QTest::qWait(10);
        ASSERT_EQ(state.RecCount, count);
        list = form->findChild<QTableView*>("ListView1");
    }
    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(name); }
    QString cell(int row, int column) {
        return list->model()->index(row, column).data().toString();
    }
    // Sorts by a header, then picks a row with the mouse.
    QString sortAndSelect(int column, int row) {
        list->horizontalHeader()->sectionClicked(column);
        const QRect r = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        return cell(row, 0);
    }
};

} // namespace

// Every change goes through the model under Qt's model tester.
TEST_F(RecentList, EditAndDeleteAfterASortActOnTheRecordInTheRow) {
    open(21);
    failures = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countFailures);
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    const auto rows = [this] { return list->model()->rowCount(); };
    EXPECT_EQ(rows(), 20);
    EXPECT_FALSE(button("cmdEdit")->isVisible());
    EXPECT_FALSE(button("cmdEdit")->icon().isNull());

    // As text, the listed record numbers 21..2 sort 10, 11, 12, ..., 19, 2, 20, ...
    EXPECT_EQ(sortAndSelect(0, 1), "11");
    EXPECT_TRUE(button("cmdEdit")->isVisible() && button("cmdDelete")->isVisible());
    QTest::mouseClick(button("cmdEdit"), Qt::LeftButton);
    EXPECT_EQ(port.editedRecords, std::vector<int>{11});
    EXPECT_FALSE(button("cmdEdit")->isVisible());
    EXPECT_EQ(cell(0, 0), "21"); // newest first again

    EXPECT_EQ(sortAndSelect(0, 2), "12");
    QTest::mouseClick(button("cmdDelete"), Qt::LeftButton);
    EXPECT_EQ(readFile("log.txt"), lines(1, 21, 12));
    EXPECT_EQ(cell(0, 0) + " " + cell(0, 1), "20 21"); // the old record 21 keeps its serial
    EXPECT_FALSE(button("cmdDelete")->isVisible());

    for (char ch : std::string("5bk9zz33wi")) // each key to the field that has the focus
        QTest::keyClick(QApplication::focusWidget(), ch);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(cell(0, 0) + " " + cell(0, 1) + " " + cell(0, 4), "21 22 K9ZZ");
    QTest::mouseClick(button("cmdList"), Qt::LeftButton);
    EXPECT_EQ(rows(), 21);
    QTest::mouseClick(button("cmdList"), Qt::LeftButton);
    EXPECT_EQ(rows(), 20);
    EXPECT_EQ(cell(19, 0), "2");

    qInstallMessageHandler(previous);
    EXPECT_EQ(failures, 0);
}

// The header takes no focus; the list's menu sorts from the keyboard.
TEST_F(RecentList, TheMenuKeyOrShiftF10SortsByTheColumnOfTheNumberChosen) {
    open(21);
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(cell(0, 6), "ENY"); // record 21, newest first
    QTest::keyClick(list, Qt::Key_Menu);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_7); // Sec
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(cell(0, 6), "CT");
    EXPECT_EQ(cell(19, 6), "WI");

    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_1); // Rec#, as text
    EXPECT_EQ(cell(0, 0) + " " + cell(1, 0) + " " + cell(10, 0), "10 11 2");
}

// A stored contact adds its row on top (and, in "Last 20", drops the oldest) instead of
// rebuilding the list; a sorted list is rebuilt newest first. The model stays sound.
TEST_F(RecentList, AStoredContactAddsItsRowOnTop) {
    open(20);
    failures = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countFailures);
    QAbstractItemModelTester tester(list->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    int resets = 0;
    int inserted = 0;
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    const auto log = [](const char* keys) {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(QApplication::focusWidget(), *k);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    const auto shown = [this] {
        return std::to_string(list->model()->rowCount()) + ": " + cell(0, 0).toStdString() + " " +
               cell(0, 4).toStdString() + " .. " +
               cell(list->model()->rowCount() - 1, 0).toStdString();
    };

    log("5bk9zz33wi");
    EXPECT_EQ(shown(), "20: 21 K9ZZ .. 2");
    QTest::mouseClick(button("cmdList"), Qt::LeftButton); // "All"
    log("6bk8zz33wi");
    EXPECT_EQ(shown(), "22: 22 K8ZZ .. 1");
    EXPECT_EQ(resets, 1); // only the change of mode rebuilt the list
    EXPECT_EQ(inserted, 2);

    list->horizontalHeader()->sectionClicked(4); // by call
    log("7bk7zz33wi");
    EXPECT_EQ(shown(), "23: 23 K7ZZ .. 1");
    EXPECT_EQ(resets, 3);

    qInstallMessageHandler(previous);
    EXPECT_EQ(failures, 0);
}
