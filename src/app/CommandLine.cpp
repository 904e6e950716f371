#include "app/CommandLine.h"

#include <cstdlib>
#include <string_view>

namespace vantor::app {
namespace {

const std::string Usage = "Usage: vantor [--folder DIR | --default-folder] [--version] [--help]\n";

const std::string Help =
    Usage + "Vantor logs the ARRL November Sweepstakes. Without an option it keeps the contest\n"
            "in the current folder.\n"
            "\n"
            "  --folder DIR      keep the contest in DIR (made when missing) and work there\n"
            "  --default-folder  keep the contest in $VANTOR_CONTEST, or else ~/vantor-contest\n"
            "  --version         print the version and end\n"
            "  -h, --help        print this help and end\n"
            "\n"
            "Qt's own options, such as -platform or -style, work as in any Qt program.\n";

// Qt's options that take a value (next argument or after '='), then those that take
// none; X11's among them. Each name stands between spaces.
constexpr std::string_view QtValueOptions =
    " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle"
    " display geometry style stylesheet session name title visual ncols im ";
constexpr std::string_view QtFlagOptions =
    " reverse nograb dograb sync widgetcount testability qmljsdebugger cmap ";

bool listed(std::string_view names, const std::string& name) {
    return !name.empty() && names.find(" " + name + " ") != std::string_view::npos;
}

CommandLine failure(const std::string& what) {
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.message = "vantor: " + what + "\n" + Usage + "Try 'vantor --help' for more.\n";
    result.exitCode = 2;
    return result;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args, const Environment& env) {
    bool help = false;
    bool version = false;
    std::string folder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == "--folder") {
            if (equals != std::string::npos) {
                folder = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                folder = args[++i];
            } else {
                folder.clear();
            }
            if (folder.empty()) {
                return failure("--folder needs the name of a folder");
            }
        } else if (arg == "--default-folder") {
            if (!env.contestFolder.empty()) {
                folder = env.contestFolder;
            } else if (!env.home.empty()) {
                folder = env.home + "/vantor-contest";
            } else {
                return failure("neither VANTOR_CONTEST nor HOME is set: name the folder "
                               "with --folder DIR");
            }
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            // Qt reads its options with one dash or two, the value after '=' or next.
            const std::string qt = name.substr(name.starts_with("--") ? 2 : 1);
            if (listed(QtValueOptions, qt)) {
                if (equals == std::string::npos) {
                    ++i;
                }
            } else if (!listed(QtFlagOptions, qt)) {
                return failure("unknown option '" + arg + "'");
            }
        } else {
            return failure("unexpected argument '" + arg + "'");
        }
    }

    CommandLine result;
    if (help) {
        result.action = CommandLine::Action::ShowHelp;
        result.message = Help;
    } else if (version) {
        result.action = CommandLine::Action::ShowVersion;
        result.message = "Vantor " VANTOR_VERSION "\n";
    } else {
        result.folder = folder;
    }
    return result;
}

Environment processEnvironment() {
    Environment env;
    if (const char* home = std::getenv("HOME")) {
        env.home = home;
    }
    if (const char* contest = std::getenv("VANTOR_CONTEST")) {
        env.contestFolder = contest;
    }
    return env;
}

} // namespace vantor::app
