#pragma once
// Which submission files a contest's entry is written as: the traditional Cabrillo
// file always, and for today's contest (its 85 sections) the Cabrillo 3.0 file beside
// it, named after the own call, with its times off from the on/off journal.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/FileNames.h"
#include "reports/SummaryDetails.h"

#include <functional>
#include <string>

namespace vantor {

// Writes the entry's files; tell receives each problem as it is found, in plain words
// (what keeps the 3.0 file from being written is told before the traditional file is
// written, which is still written). True when every file of the entry was written.
bool writeCabrilloEntry(const FileNames& files, const ContestState& state,
                        const SummaryDetails& details, const ShortDateForm& form, int referenceYear,
                        const std::function<void(const std::string&)>& tell);

} // namespace vantor
