#pragma once
// Builds a call history from earlier contest folders of this program: the call,
// check and section of the newest contact with each call in their log.txt. Each
// record line is read alone: a damaged line is skipped, the rest of its log still
// counts.

#include "aids/CallHistory.h"

#include <string>
#include <vector>

namespace vantor::aids {

struct HistoryBuild {
    std::string text;                  // the history file, in formatCallHistory's form
    int folders = 0;                   // folders whose log was read
    int contacts = 0;                  // contacts read from them
    std::size_t skipped = 0;           // log lines that hold no contact with a call
    std::size_t calls = 0;             // rows of the history
    std::vector<std::string> problems; // one line per folder that could not be read
};

// The folder itself and its subfolders (one level down) that hold a log.txt, sorted.
std::vector<std::string> contestFoldersUnder(const std::string& root);

// referenceYear settles dates with two-digit years.
HistoryBuild buildCallHistory(const std::vector<std::string>& folders, int referenceYear);

} // namespace vantor::aids
