#pragma once
// The Cabrillo 3.0 entry of today's contest, written beside the traditional file: the
// categories of today's log checker mapped from the summary window's choices and the
// precedence, the times off of 30 minutes or more, the claimed score of the first 24
// operating hours, and the contacts by the sponsor's Sweepstakes template.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "core/OperatingRule.h"
#include "reports/ReportFile.h"
#include "reports/SummaryDetails.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// "<CALL>.log": a "/" of the call becomes "-", as does any character that has no
// place in a file name; empty when there is no call.
std::string cabrillo3FileName(std::string_view call);

// 2 x contacts x sections, of the contacts stamped when the 24 hours were not yet
// used up, sections counted against the contest's list. Empty when a stamp cannot be
// read (bad names the record).
std::optional<std::int32_t> claimedScore24(const ContestState& state,
                                           const std::vector<ClockRun>& runs,
                                           const ShortDateForm& form, int referenceYear,
                                           int* bad = nullptr);

// What keeps the entry from being a file every log checker takes, before anything is
// written: a power choice that contradicts the own precedence (Q is QRP, A low and B
// high power), and the contacts listed by record number whose band is none of the
// six, whose check is not two digits or whose precedence is none of Q A B U M S.
ReportResult cabrillo3Check(const ContestState& state, const SummaryDetails& details);

// Why no log checker takes the contact (its band, check or precedence), in plain words
// ending with a full stop; empty when one does.
std::string cabrillo3ContactProblem(const Contact& c);

// The contacts that `problem` finds fault with, by record number (the first 20, then a
// count of the rest), under `heading`; ok when there are none.
ReportResult listContactProblems(const ContestState& state,
                                 std::string (*problem)(const Contact& c),
                                 std::string_view heading);

// The UTC stamps of records 1..RecCount read with the folder's date form; 0 when all
// read, else the record number of the first that does not.
int readStamps(const ContestState& state, const ShortDateForm& form, int referenceYear,
               std::vector<std::int64_t>& stamps);

// The power option that the own precedence stands for; None for U, M, S and others.
SummaryDetails::Power precedencePower(std::string_view pre);

ReportResult cabrillo3Lines(const ContestState& state, const SummaryDetails& details,
                            const std::vector<ClockRun>& runs, const ShortDateForm& form,
                            int referenceYear, std::vector<std::string>& out);

ReportResult writeCabrillo3(const std::string& path, const ContestState& state,
                            const SummaryDetails& details, const std::vector<ClockRun>& runs,
                            const ShortDateForm& form, int referenceYear);

} // namespace vantor
