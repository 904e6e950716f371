#pragma once
// What the command line asks of Vantor. Vantor's own options are read here; Qt's own
// options (-platform, -style, ...) are passed over and left for QApplication, so the
// usual switches of a Qt program keep working. No Qt here: the rules are tested alone.

#include <string>
#include <vector>

namespace vantor::app {

// What the contest folder default depends on: HOME and VANTOR_CONTEST.
struct Environment {
    std::string home;
    std::string contestFolder;
};

struct CommandLine {
    enum class Action { Run, ShowVersion, ShowHelp, Fail };
    Action action = Action::Run;
    std::string folder;  // where the contest is kept; empty: the working directory
    std::string message; // the version or help (standard output), or the error (standard error)
    int exitCode = 0;
};

// `args` are the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args, const Environment& env);

// The environment of this process.
Environment processEnvironment();

} // namespace vantor::app
