#include "core/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// Runs body in a child process and returns its exit status.
template <typename F> int inChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

std::string bigText(char c, std::size_t lines) {
    std::string s;
    for (std::size_t i = 0; i < lines; ++i)
        s += std::string(60, c) + "\r\n";
    return s;
}

} // namespace

TEST(FileOps, RewriteStoppedBeforeRenameLeavesTheOldFile) {
    TempDir dir;
    writeFile("log.txt", "old contents\r\n");
    const int status =
        inChild([] { replaceAtomically("log.txt", "new contents\r\n", [] { ::_exit(3); }); });
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(readFile("log.txt"), "old contents\r\n");

    // The next rewrite is not disturbed by the left-over temporary file.
    ASSERT_TRUE(replaceAtomically("log.txt", "new contents\r\n"));
    EXPECT_EQ(readFile("log.txt"), "new contents\r\n");
    EXPECT_FALSE(fileExists("log.txt.tmp"));
}

TEST(FileOps, KilledAtAnyMomentARewriteLeavesOneWholeVersion) {
    TempDir dir;
    const std::string a = bigText('a', 20000);
    const std::string b = bigText('b', 15000);
    ASSERT_TRUE(replaceAtomically("nspref.txt", a));
    std::mt19937 random(12345);
    for (int round = 0; round < 12; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0;; ++i)
                replaceAtomically("nspref.txt", i % 2 ? a : b);
        }
        ::usleep(1000 + random() % 20000);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = readFile("nspref.txt");
        ASSERT_TRUE(now == a || now == b) << "round " << round << ", size " << now.size();
    }
}

TEST(FileOps, FailedAppendTakesBackItsPartialLine) {
    TempDir dir;
    const std::string before(100, 'x');
    writeFile("log.txt", before);
    const int status = inChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{110, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const IoResult r = appendDurably("log.txt", std::string(60, 'y'));
        ::_exit(r.ok ? 1 : (r.error.empty() ? 2 : 0));
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile("log.txt"), before);
}

TEST(FileOps, ReportsWhatCannotBeWritten) {
    TempDir dir;
    std::filesystem::create_directory("log.txt");
    const IoResult append = appendDurably("log.txt", "line\r\n");
    EXPECT_FALSE(append.ok);
    EXPECT_NE(append.error.find("log.txt"), std::string::npos);
    EXPECT_FALSE(truncateFile("log.txt").ok);
    EXPECT_FALSE(replaceAtomically("missing-dir/nspref.txt", "x").ok);

    std::string data;
    EXPECT_EQ(readWholeFile("nothing.txt", data), ReadStatus::Missing);
    EXPECT_EQ(readWholeFile("log.txt", data), ReadStatus::Unreadable);
}

TEST(FileOps, AppendCreatesAndTruncateEmpties) {
    TempDir dir;
    ASSERT_TRUE(appendDurably("nsonoff.txt", "a\r\n"));
    ASSERT_TRUE(appendDurably("nsonoff.txt", "b\r\n"));
    EXPECT_EQ(readFile("nsonoff.txt"), "a\r\nb\r\n");
    ASSERT_TRUE(truncateFile("nsonoff.txt"));
    EXPECT_TRUE(fileExists("nsonoff.txt"));
    EXPECT_EQ(readFile("nsonoff.txt"), "");
    ASSERT_TRUE(truncateFile("new.txt"));
    EXPECT_TRUE(fileExists("new.txt"));
}

TEST(FileOps, AnAppendFirstEndsAnUnterminatedLastLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "b\r\n"},         {"a\r\n", "a\r\nb\r\n"},
        {"a", "a\r\nb\r\n"},   // saved by an editor without its last line end
        {"a\r", "a\r\nb\r\n"}, // torn between CR and LF
        {"a\n", "a\nb\r\n"},
    };
    for (const auto& [before, after] : cases) {
        TempDir dir;
        writeFile("nsonoff.txt", before);
        ASSERT_TRUE(appendDurably("nsonoff.txt", "b\r\n"));
        EXPECT_EQ(readFile("nsonoff.txt"), after) << before;
    }
}

TEST(FileOps, ARewriteKeepsTheModeAndWritesThroughALink) {
    TempDir dir;
    writeFile("log.txt", "old\r\n");
    std::filesystem::permissions("log.txt", std::filesystem::perms(0640));
    ASSERT_TRUE(replaceAtomically("log.txt", "new\r\n"));
    EXPECT_EQ(std::filesystem::status("log.txt").permissions(), std::filesystem::perms(0640));

    struct Case {
        const char* link;
        const char* pointsTo;
        const char* target;
    };
    const Case cases[] = {{"nspref.txt", "store/nspref.txt", "store/nspref.txt"},
                          {"sub/nsonoff.txt", "../store/nsonoff.txt", "store/nsonoff.txt"}};
    std::filesystem::create_directories("store");
    std::filesystem::create_directories("sub");
    for (const Case& c : cases) {
        writeFile(c.target, "old\r\n");
        std::filesystem::create_symlink(c.pointsTo, c.link);
        ASSERT_TRUE(replaceAtomically(c.link, "new\r\n")) << c.link;
        EXPECT_TRUE(std::filesystem::is_symlink(c.link)) << c.link;
        EXPECT_EQ(readFile(c.target), "new\r\n") << c.link;
        EXPECT_FALSE(fileExists(std::string(c.link) + ".tmp")) << c.link;
    }
}
