#include "ui/dialogs/frmbndstats.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

using namespace vantor;
using namespace vantor::ui;

namespace {

// Runs of contacts: {band, how many}, in log order.
using Runs = std::vector<std::pair<const char*, int>>;

void logBands(ContestState& state, const Runs& runs) {
    state.RecCount = 0;
    for (const auto& [band, n] : runs) {
        for (int i = 0; i < n; ++i)
            state.ContactLog[++state.RecCount].Bnd = band;
    }
}

QString lblcon(const frmbndstats& window, int i) {
    const auto* l = window.findChild<QLabel*>(QStringLiteral("lblcon_%1").arg(i));
    return l ? l->text() : QStringLiteral("<missing>");
}

} // namespace

TEST(BandStatistics, FiguresShownPerBand) {
    struct Case {
        const char* name;
        Runs runs;
        std::map<int, const char*> shown; // lblcon index -> text; every other one "0"
    };
    const Case cases[] = {
        {"empty log", {}, {}},
        {"3 on 40, 1 on 20",
         {{"40", 1}, {"20", 1}, {"40", 2}},
         {{2, "3"}, {8, "75"}, {3, "1"}, {9, "25"}, {12, "4"}}},
        {"one each on 160, 80, 40",
         {{"160", 1}, {"80", 1}, {"40", 1}},
         {{0, "1"}, {1, "1"}, {2, "1"}, {6, "33"}, {7, "33"}, {8, "33"}, {12, "3"}}},
        {"unknown band counts only in the total",
         {{"10", 1}, {"17", 1}, {" 10", 1}, {"15", 1}},
         {{5, "1"}, {11, "25"}, {4, "1"}, {10, "25"}, {12, "4"}}},
        {"29 of 100 stay 29",
         {{"80", 29}, {"15", 71}},
         {{1, "29"}, {7, "29"}, {4, "71"}, {10, "71"}, {12, "100"}}},
        {"all on one band", {{"160", 7}}, {{0, "7"}, {6, "100"}, {12, "7"}}},
    };
    for (const Case& c : cases) {
        ContestState state;
        logBands(state, c.runs);
        frmbndstats window(state);
        window.Form_Load();
        for (int i = 0; i <= 12; ++i) {
            const auto it = c.shown.find(i);
            EXPECT_EQ(lblcon(window, i), it == c.shown.end() ? "0" : it->second)
                << c.name << ", lblcon_" << i;
        }
    }
}

TEST(BandStatistics, EveryLoadCountsAfresh) {
    ContestState state;
    frmbndstats window(state);
    logBands(state, {{"20", 2}});
    window.Form_Load();
    EXPECT_EQ(lblcon(window, 3), "2");
    logBands(state, {{"20", 1}, {"40", 3}});
    window.Form_Load();
    EXPECT_EQ(lblcon(window, 3), "1");
    EXPECT_EQ(lblcon(window, 9), "25");
    EXPECT_EQ(lblcon(window, 12), "4");
}

TEST(BandStatistics, CaptionsAndHeadings) {
    ContestState state;
    frmbndstats window(state);
    EXPECT_EQ(window.windowTitle(), "   Band Statistics");
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Total Contacts by Band"},
        {"Label3_0", "Contacts"},
        {"Label3_1", "Total"},
        {"Label3_2", " %"},
        {"Label2_0", "160"},
        {"Label2_1", "  80"},
        {"Label2_5", "  10"},
        {"Label2_6", "Total"},
    };
    for (const auto& [name, caption] : captions) {
        const auto* l = window.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->text(), caption) << name;
    }
    for (const char* line : {"Line1", "Line2", "Line3"})
        EXPECT_NE(window.findChild<QWidget*>(QString::fromLatin1(line)), nullptr) << line;
}

TEST(BandStatistics, RowsLineUpWithTheirHeadings) {
    ContestState state;
    frmbndstats window(state);
    window.Form_Load();
    for (int k = 0; k <= 6; ++k) {
        const QRect heading =
            window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(k))->geometry();
        const int count = k < 6 ? k : 12;
        const QRect value =
            window.findChild<QLabel*>(QStringLiteral("lblcon_%1").arg(count))->geometry();
        EXPECT_EQ(value.top(), heading.top()) << k;
        EXPECT_GT(value.left(), heading.right()) << k;
        if (k < 6) {
            const QRect percent =
                window.findChild<QLabel*>(QStringLiteral("lblcon_%1").arg(k + 6))->geometry();
            EXPECT_EQ(percent.top(), heading.top()) << k;
            EXPECT_GT(percent.left(), value.right()) << k;
        }
    }
}

TEST(BandStatistics, OpensAtDesignSizeCentredAndCloses) {
    ContestState state;
    frmbndstats window(state);
    window.Form_Load();
    window.show();
    const QSize design(qRound(frmbndstats::DesignRect.width / UnitsPerPixel),
                       qRound(frmbndstats::DesignRect.height / UnitsPerPixel));
    EXPECT_EQ(window.size(), design); // whatever the screen
    const QSize screen = window.screen()->size();
    EXPECT_NEAR(window.geometry().x(), (screen.width() - design.width()) / 2.0, 1);
    EXPECT_NEAR(window.geometry().y(), (screen.height() - design.height()) / 2.0, 1);
    EXPECT_EQ(window.findChild<QLabel*>("lblcon_0")->font().pixelSize(), fontPixels(8, 1.0));

    auto* close = window.findChild<QPushButton*>("Command1");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}
