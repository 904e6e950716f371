#pragma once
// "nssect.txt": which section list the contest in this folder uses. The file exists
// only while today's 85-section list is chosen; without it the 79-row list is used and
// the folder holds nothing but the three traditional files, unchanged in form.

#include "core/FileOps.h"
#include "core/SectionTable.h"

#include <string>

namespace vantor {

inline const std::string SectionChoiceFileName = "nssect.txt";

// The list named by the file: the 85-section list when it holds the number 85,
// otherwise (missing, unreadable or any other content) the 79-row list.
const SectionList& readSectionChoice(const std::string& path);
const SectionList& parseSectionChoice(std::string_view data);

// Keeps the choice: writes the file atomically for the 85-section list, removes it
// for the 79-row list.
IoResult writeSectionChoice(const std::string& path, const SectionList& list);

} // namespace vantor
