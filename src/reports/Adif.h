#pragma once
// The log as an ADIF 3 file for other programs (logbooks, award and QSL services):
// "<CALL>.adi" in the contest folder, a short header and one record per contact with
// the Sweepstakes exchange both ways. Every field is written as <NAME:length>value,
// the length counting the value's bytes.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "reports/ReportFile.h"

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view AdifVersion = "3.1.4";

// "<CALL>.adi", the call made safe as for the Cabrillo 3.0 file; empty without a call.
std::string adifFileName(std::string_view call);

// What keeps the file from being one every ADIF reader takes, before anything is
// written: the contacts listed by record number whose call is empty or holds a space or
// a character beyond ASCII, whose band is none of the six, whose check is not two
// digits, whose precedence is none of Q A B U M S, or whose serial numbers are not
// numbers.
ReportResult adifCheck(const ContestState& state);

// The header and the records, one line each; the dates are read with the folder's form.
ReportResult adifText(const ContestState& state, const ShortDateForm& form, int referenceYear,
                      std::string& out);

// Written to a temporary file that then replaces path.
ReportResult writeAdif(const std::string& path, const ContestState& state,
                       const ShortDateForm& form, int referenceYear);

} // namespace vantor
