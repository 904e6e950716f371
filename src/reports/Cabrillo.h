#pragma once
// The Cabrillo 2.0 entry: header tags in a fixed order, one QSO: line per contact at
// fixed columns, and the end marker.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "reports/ReportFile.h"
#include "reports/SummaryDetails.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The frequency written for a band code: "1800" .. "28000"; empty for any other text.
std::string_view cabrilloFrequency(std::string_view band);
// "HIGH", "LOW" or "QRP" for the chosen power option; empty when none is chosen.
std::string_view cabrilloPowerWord(SummaryDetails::Power p);

// Every contact's stored date read with form. A date that cannot be read, or that lies
// more than three days from the log's middle date (a date read in another locale's
// order does), fails naming the record. Dates read go to days (index record - 1).
ReportResult checkStampDates(const ContestState& state, const ShortDateForm& form,
                             int referenceYear, std::vector<CivilDate>* days = nullptr);

// The same test on the day numbers (days since 1970) of records 1..RecCount.
ReportResult checkDatesNear(const ContestState& state, const std::vector<std::int64_t>& dayNumbers);

// The lines of the file (no line ends). Fails, naming the record number, when a
// contact's stored date cannot be read with form.
ReportResult cabrilloLines(const ContestState& state, const SummaryDetails& details,
                           const ShortDateForm& form, int referenceYear,
                           std::vector<std::string>& out);

// Writes the file; on failure there is no file (an earlier one stays as it was).
ReportResult writeCabrillo(const std::string& path, const ContestState&, const SummaryDetails&,
                           const ShortDateForm& form, int referenceYear);

} // namespace vantor
