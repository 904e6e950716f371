#include "aids/HistoryBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace vantor::aids;
using namespace vantor::test;

namespace {

// One log.txt record as the program writes it.
std::string rec(const char* call, const char* ck, const char* sec, const char* date,
                const char* time = "21:05:00") {
    return std::string("\"1\",\"1\",\"A\",\"") + call + "\",\"" + ck + "\",\"" + sec + "\",\"" +
           date + "\",\"" + time + "\",\"40\"\n";
}

struct Folder {
    const char* name;
    std::optional<std::string> log; // none: the folder holds no log.txt
};

} // namespace

TEST(HistoryBuilder, NewestContactPerCallFromEveryReadableLog) {
    struct Case {
        const char* name;
        std::vector<Folder> folders;
        std::string rows; // the history after its header line
        int folders_read, contacts;
        std::size_t skipped, problems;
    };
    const std::string older =
        rec("K5TR", "68", "STX", "11/2/2025") + rec("W1AW", "85", "CT", "11/2/2025");
    const std::string newer = rec("K5TR", "70", "NTX", "11/7/2026");
    const std::vector<Case> cases = {
        // The newer contest's folder sorts first: the stamp decides, not the folder.
        {"newest wins across folders",
         {{"a", newer}, {"b", older}},
         "K5TR,NTX,,70\nW1AW,CT,,85\n",
         2,
         3,
         0,
         0},
        {"same stamp: the later record",
         {{"a", (older + rec("W1AW", "86", "CT", "11/2/2025"))}},
         "K5TR,STX,,68\nW1AW,CT,,86\n",
         1,
         3,
         0,
         0},
        {"unreadable stamp loses",
         {{"a", (newer + rec("K5TR", "99", "EB", "13/45/2026"))}},
         "K5TR,NTX,,70\n",
         1,
         2,
         0,
         0},
        {"damaged lines skipped, the rest read",
         {{"a",
           ("\"1\",\"7\"0\",\"A\",\"N5K\"\n" + newer + "\"2\",\"1\",\"A\",\"N5K\",\"70\"\n" +
            rec("K 5X", "1", "EB", "11/7/2026") + "\r\n" + rec("n5k", "1,2", "EB", "11/7/2026"))}},
         "K5TR,NTX,,70\nN5K,EB,,\n",
         1,
         2,
         3,
         0},
        {"CR LF log",
         {{"a", "\"1\",\"1\",\"A\",\"K5TR\",\"68\",\"STX\",\"11/7/2026\",\"21:05:00\",\"40\"\r\n"}},
         "K5TR,STX,,68\n",
         1,
         1,
         0,
         0},
        {"a folder without log.txt",
         {{"a", std::nullopt}, {"b", newer}},
         "K5TR,NTX,,70\n",
         1,
         1,
         0,
         1},
        {"nothing readable", {{"a", std::nullopt}}, "", 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::vector<std::string> paths;
        for (const Folder& f : c.folders) {
            const std::filesystem::path folder = dir.path() / f.name;
            std::filesystem::create_directory(folder);
            if (f.log)
                writeFile((folder / "log.txt").string(), *f.log);
            paths.push_back(folder.string());
        }
        const HistoryBuild build = buildCallHistory(paths, 2026);
        EXPECT_EQ(build.text, "!!Order!!,Call,Sect,State,CK\n" + c.rows) << c.name;
        EXPECT_EQ(build.folders, c.folders_read) << c.name;
        EXPECT_EQ(build.contacts, c.contacts) << c.name;
        EXPECT_EQ(build.skipped, c.skipped) << c.name;
        EXPECT_EQ(build.problems.size(), c.problems) << c.name;
        if (c.problems == 1) {
            EXPECT_EQ(build.problems[0], paths[0] + ": no log.txt") << c.name;
        }
        // Only the folders that hold a log are offered.
        std::vector<std::string> withLog;
        for (std::size_t i = 0; i < paths.size(); ++i)
            if (c.folders[i].log)
                withLog.push_back(paths[i]);
        EXPECT_EQ(contestFoldersUnder(dir.path().string()), withLog) << c.name;
    }
}
