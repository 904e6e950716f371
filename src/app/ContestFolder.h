#pragma once
// Moving into the contest folder named on the command line: the folder is made when
// missing and becomes the working directory, where every contest file is kept, and it
// gets the help text when it has none yet. The operator's own copy is never replaced.

#include <string>
#include <vector>

namespace vantor::app {

inline const std::string HelpFileName = "readns.txt";

// Returns an empty text on success, else a message for the operator.
std::string enterContestFolder(const std::string& folder,
                               const std::vector<std::string>& helpSources);

// Where an installed help text is found, nearest first: beside the program
// (bin/../share/vantor), then where it was installed to.
std::vector<std::string> installedHelpFiles();

} // namespace vantor::app
