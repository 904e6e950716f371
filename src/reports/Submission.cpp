#include "reports/Submission.h"

#include "core/OnOffFile.h"
#include "core/OperatingRule.h"
#include "core/SectionTable.h"
#include "reports/Cabrillo.h"
#include "reports/Cabrillo3.h"

namespace vantor {

bool writeCabrilloEntry(const FileNames& files, const ContestState& s, const SummaryDetails& d,
                        const ShortDateForm& form, int referenceYear,
                        const std::function<void(const std::string&)>& tell) {
    const bool today = s.Sections == &Sections85;
    const ReportResult check = today ? cabrillo3Check(s, d) : ReportResult{};
    if (!check.ok)
        tell(check.error);
    const ReportResult r = writeCabrillo(files.cabrillo, s, d, form, referenceYear);
    if (!r.ok) {
        tell(r.error.empty() ? files.cabrillo + " could not be written." : r.error);
        return false;
    }
    if (!check.ok)
        return false;
    if (!today)
        return true;
    const std::string name = cabrillo3FileName(s.StationInfo.MyCall);
    if (name.empty()) {
        tell("The Cabrillo 3.0 file needs your call: enter it in Setup.");
        return false;
    }
    // Its times off and its 24-hour score come from the journal: never from a part.
    const OnOffJournal journal = readOnOff(files.onOff);
    if (!journal.complete) {
        tell(journalPartlyRead(journal, files.onOff) + "; " + name +
             " was not written. Mend that line with a text editor, then write again.");
        return false;
    }
    const auto runs = clockRuns(journal.records, form, referenceYear,
                                contactStamps(s, form, referenceYear), s.LoggedOn == 1);
    const ReportResult r3 = writeCabrillo3(name, s, d, runs, form, referenceYear);
    if (!r3.ok) {
        tell(r3.error.empty() ? name + " could not be written." : r3.error);
        return false;
    }
    return true;
}

} // namespace vantor
