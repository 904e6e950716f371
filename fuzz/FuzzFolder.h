#pragma once
// One contest folder for a whole fuzzing run, in memory-backed storage where there is
// one (every Enter syncs "log.txt"), removed when the run ends. The fuzzer's own paths
// are relative: no chdir, every file of the folder is named with its path.

#include "core/FileNames.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace vantor::fuzz {

inline FileNames scratchContestFiles() {
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string folder = std::string(base) + "/vantor-fuzz-XXXXXX";
    if (!::mkdtemp(folder.data()))
        std::abort();
    static const std::string made = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(made, ignored);
    });
    FileNames files;
    for (std::string* name :
         {&files.log, &files.prefs, &files.onOff, &files.sections, &files.dateForm, &files.asciiLog,
          &files.asciiDupe, &files.summary, &files.cabrillo})
        *name = folder + "/" + *name;
    return files;
}

} // namespace vantor::fuzz
