#include "entry/LogCorrection.h"

#include "core/LogFile.h"

namespace vantor {

LogCorrection::LogCorrection(ContestState& state, PlatformPort& port, const ShortDateForm& dateForm,
                             const std::string& logPath, std::function<bool()> reload)
    : s_(state), port_(port), dateForm_(dateForm), logPath_(logPath), reload_(std::move(reload)) {}

void LogCorrection::edit(int record, int referenceYear) {
    port_.runEditDialog(s_, record, dateForm_, referenceYear);
}

void LogCorrection::remove(int record) {
    ++s_.LogVersion;
    removed_ = s_.ContactLog[record];
    for (int i = record; i < s_.RecCount; ++i)
        s_.ContactLog[i] = std::move(s_.ContactLog[i + 1]);
    s_.ContactLog[s_.RecCount] = Contact{};
    s_.RecCount -= 1;
}

bool LogCorrection::store(Change change, int record) {
    ++s_.LogVersion; // the edit dialog has changed the record in place
    const IoResult written = rewriteLog(logPath_, s_);
    if (!written)
        tellFailure(port_,
                    "The change was not saved: " + logPath_ +
                        " could not be rewritten and still holds the log as it was.",
                    written);
    if (!reload_())
        return false;
    if (written && observer_)
        observer_(change, record, change == Change::Deleted ? removed_ : s_.ContactLog[record]);
    return true;
}

} // namespace vantor
