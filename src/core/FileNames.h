#pragma once
// The files of a contest folder that the windows read and write, in one set that the
// program passes to each window's logic; tests and tools name other paths.

#include "core/DateFormFile.h"
#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "core/PrefsFile.h"
#include "core/SectionChoiceFile.h"

#include <string>

namespace vantor {

struct FileNames {
    std::string log = LogFileName;
    std::string prefs = PrefsFileName;
    std::string onOff = OnOffFileName;
    std::string sections = SectionChoiceFileName;
    std::string dateForm = DateFormFileName;
    std::string asciiLog = "ASCIILog.txt";
    std::string asciiDupe = "ASCIIDup.txt";
    std::string summary = "ASCIISum.txt";
    std::string cabrillo = "ASCIICab.txt";
};

} // namespace vantor
