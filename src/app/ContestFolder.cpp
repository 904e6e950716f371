#include "app/ContestFolder.h"

#include <filesystem>
#include <system_error>

namespace vantor::app {

namespace fs = std::filesystem;

std::string enterContestFolder(const std::string& folder,
                               const std::vector<std::string>& helpSources) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error) {
        fs::current_path(folder, error);
    }
    if (error) {
        return "Vantor cannot use the contest folder " + folder + ": " + error.message() + ".";
    }
    if (fs::exists(HelpFileName, error)) {
        return {};
    }
    // Copied under another name and renamed, so a copy cut short is never taken for
    // the help text. Without one the help page is empty, which is no reason to stop.
    const std::string partial = HelpFileName + ".part";
    for (const std::string& source : helpSources) {
        if (fs::is_regular_file(source, error) &&
            fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) {
            fs::rename(partial, HelpFileName, error);
            break;
        }
    }
    fs::remove(partial, error);
    return {};
}

std::vector<std::string> installedHelpFiles() {
    std::vector<std::string> files;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        files.push_back(program.parent_path() / ".." / "share" / "vantor" / HelpFileName);
    }
    files.emplace_back(VANTOR_HELP_FILE);
    return files;
}

} // namespace vantor::app
