// The log correction on its own: what it writes, when it reads back, whom it tells.

#include "entry/LogCorrection.h"
#include "core/FileOps.h"
#include "core/LogFile.h"
#include "support/FakePort.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;

namespace {

struct CorrectionRig {
    TempDir dir;
    ContestState state;
    FakeClock clock;
    FakePort port{clock};
    ShortDateForm form;
    std::string log = "log.txt";
    int reloads = 0;
    std::vector<std::string> told; // "E2 K2XX": record 2 edited, its call now K2XX
    LogCorrection correction{state, port, form, log, [this] {
                                 ++reloads;
                                 return true;
                             }};

    CorrectionRig() {
        state.RecCount = 3;
        for (int i = 1; i <= 3; ++i) {
            const std::string n = std::to_string(i);
            state.ContactLog[i] = {n,           "1",        "A", "W" + n + "AW", "85", "CT",
                                   "11/8/2026", "02:00:05", "40"};
        }
        correction.setObserver([this](LogCorrection::Change c, int record, const Contact& contact) {
            told.push_back((c == LogCorrection::Change::Edited ? "E" : "D") +
                           std::to_string(record) + " " + contact.Call);
        });
    }
    std::string file() const {
        std::string bytes;
        readWholeFile(log, bytes);
        return bytes;
    }
};

} // namespace

TEST(LogCorrection, EachStoredChangeIsWrittenReadBackAndTold) {
    CorrectionRig r;
    r.port.editDialog = [](ContestState& s, int rec, const ShortDateForm&, int) {
        s.ContactLog[rec].Call = "K2XX";
    };
    r.correction.edit(2, 2026);
    EXPECT_EQ(r.port.editedRecords, std::vector<int>{2});
    EXPECT_TRUE(r.correction.store(LogCorrection::Change::Edited, 2));
    r.correction.remove(1);
    EXPECT_EQ(r.state.RecCount, 2);
    EXPECT_EQ(r.state.ContactLog[1].NumSent, "2"); // serials stay as they were
    EXPECT_TRUE(r.correction.store(LogCorrection::Change::Deleted, 1));
    EXPECT_EQ(r.reloads, 2);
    EXPECT_EQ(r.told, (std::vector<std::string>{"E2 K2XX", "D1 W1AW"}));
    EXPECT_EQ(r.file(),
              formatLogLine(r.state.ContactLog[1]) + formatLogLine(r.state.ContactLog[2]));
}

TEST(LogCorrection, ARewriteThatFailsIsToldAndNotObserved) {
    CorrectionRig r;
    std::filesystem::create_directory(r.log); // cannot be replaced by a file
    r.correction.remove(3);
    EXPECT_TRUE(r.correction.store(LogCorrection::Change::Deleted, 3));
    EXPECT_EQ(r.reloads, 1);
    EXPECT_TRUE(r.told.empty());
    ASSERT_EQ(r.port.boxes.size(), 1u);
    EXPECT_EQ(r.port.boxes[0].text.rfind("The change was not saved: log.txt could not be "
                                         "rewritten and still holds the log as it was.\n\n",
                                         0),
              0u);
}
