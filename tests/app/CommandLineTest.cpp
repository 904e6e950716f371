#include "app/CommandLine.h"
#include "app/ContestFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor::app;
using namespace vantor::test;
using Action = CommandLine::Action;

TEST(CommandLine, OptionsGiveActionFolderExitCodeAndMessage) {
    const Environment env{"/home/op", ""};
    struct Case {
        std::vector<std::string> args;
        Environment env;
        Action action;
        std::string folder;
        int exitCode;
        std::string messageStart;
    };
    const std::vector<Case> cases = {
        {{}, env, Action::Run, "", 0, ""},
        {{"--folder", "ss2026"}, env, Action::Run, "ss2026", 0, ""},
        {{"--folder=/tmp/my log"}, env, Action::Run, "/tmp/my log", 0, ""},
        {{"--folder", "a", "--folder", "b"}, env, Action::Run, "b", 0, ""},
        {{"--default-folder"}, env, Action::Run, "/home/op/vantor-contest", 0, ""},
        {{"--default-folder"}, {"/home/op", "/srv/ss"}, Action::Run, "/srv/ss", 0, ""},
        {{"--default-folder"}, {"", ""}, Action::Fail, "", 2, "vantor: neither VANTOR_CONTEST"},
        {{"--version"}, env, Action::ShowVersion, "", 0, "Vantor " VANTOR_VERSION "\n"},
        {{"--folder", "x", "--version"}, env, Action::ShowVersion, "", 0, "Vantor "},
        {{"--version", "--help"}, env, Action::ShowHelp, "", 0, "Usage: vantor [--folder DIR"},
        {{"-h"}, env, Action::ShowHelp, "", 0, "Usage: vantor "},
        // Qt's own options are left for QApplication, with their values.
        {{"-platform", "offscreen", "--folder", "f"}, env, Action::Run, "f", 0, ""},
        {{"--style=fusion", "-reverse", "-qwindowtitle", "--folder"}, env, Action::Run, "", 0, ""},
        // Mistakes end with exit code 2 before anything is touched.
        {{"--folder"}, env, Action::Fail, "", 2, "vantor: --folder needs the name of a folder\n"},
        {{"--folder="}, env, Action::Fail, "", 2, "vantor: --folder needs the name"},
        {{"--colour"}, env, Action::Fail, "", 2, "vantor: unknown option '--colour'\nUsage:"},
        {{"--help", "-x"}, env, Action::Fail, "", 2, "vantor: unknown option '-x'"},
        {{"--version=2"}, env, Action::Fail, "", 2, "vantor: unknown option '--version=2'"},
        {{"ss2026"}, env, Action::Fail, "", 2, "vantor: unexpected argument 'ss2026'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const CommandLine got = parseCommandLine(c.args, c.env);
        EXPECT_EQ(got.action, c.action);
        EXPECT_EQ(got.folder, c.folder);
        EXPECT_EQ(got.exitCode, c.exitCode);
        EXPECT_EQ(got.message.substr(0, c.messageStart.size()), c.messageStart);
        EXPECT_EQ(got.message.empty(), c.messageStart.empty());
    }
}

TEST(ContestFolder, MadeWhenMissingEnteredAndGivenTheHelpTextOnce) {
    TempDir dir;
    writeFile("help-a.txt", "first help\r\n");
    writeFile("help-b.txt", "second help\r\n");
    const auto top = dir.path();
    const std::vector<std::string> sources = {(top / "missing.txt").string(),
                                              (top / "help-a.txt").string(),
                                              (top / "help-b.txt").string()};

    EXPECT_EQ(enterContestFolder("contests/ss2026", sources), "");
    EXPECT_EQ(std::filesystem::current_path(), top / "contests" / "ss2026");
    EXPECT_EQ(readFile(HelpFileName), "first help\r\n");
    EXPECT_FALSE(fileExists(HelpFileName + ".part"));

    // The operator's own help text stays; no help text at all is no failure.
    writeFile(HelpFileName, "my notes");
    EXPECT_EQ(enterContestFolder(top.string(), {}), "");
    EXPECT_EQ(enterContestFolder("contests/ss2026", sources), "");
    EXPECT_EQ(readFile(HelpFileName), "my notes");
    EXPECT_EQ(enterContestFolder((top / "empty").string(), {}), "");
    EXPECT_FALSE(fileExists(HelpFileName));

    // A file where the folder should be is reported, and the working directory stays.
    writeFile("not-a-folder", "");
    const auto before = std::filesystem::current_path();
    const std::string problem = enterContestFolder("not-a-folder", sources);
    EXPECT_EQ(problem.rfind("Vantor cannot use the contest folder not-a-folder: ", 0), 0u)
        << problem;
    EXPECT_EQ(std::filesystem::current_path(), before);
}
