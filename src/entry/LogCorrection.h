#pragma once
// Correcting the log from the recent-contacts list: the edit dialog on one record, the
// deletion of one record, and the whole new "log.txt" either change is written as. The
// window's logic reads the file back afterwards, so that every figure is rebuilt from
// what is on disk; an observer is told each change the file now holds.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "entry/PlatformPort.h"

#include <functional>
#include <string>

namespace vantor {

class LogCorrection {
public:
    enum class Change { Edited, Deleted };
    // The change, its record number and the contact: as corrected, or as deleted.
    using Observer = std::function<void(Change, int record, const Contact& contact)>;

    // reload reads the log back into the contest state and says whether it could.
    LogCorrection(ContestState& state, PlatformPort& port, const ShortDateForm& dateForm,
                  const std::string& logPath, std::function<bool()> reload);

    void setObserver(Observer observer) { observer_ = std::move(observer); }

    // The edit dialog on record; "Done" in it stores the corrected fields in memory.
    void edit(int record, int referenceYear);
    // Takes record out of memory: later records move down one place with their serial
    // numbers unchanged.
    void remove(int record);
    // Writes the change made by edit or remove and reads the log back. When the new
    // file cannot be written the old one stands untouched and the read-back drops the
    // change from memory, so it is not half kept. False when the log could not be read
    // back.
    bool store(Change change, int record);

private:
    ContestState& s_;
    PlatformPort& port_;
    const ShortDateForm& dateForm_;
    const std::string& logPath_;
    std::function<bool()> reload_;
    Observer observer_;
    Contact removed_; // the contact the last remove took out
};

} // namespace vantor
