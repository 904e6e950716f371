#include "aids/TypingAids.h"

#include "aids/AidText.h"

#include <algorithm>
#include <filesystem>

namespace vantor::aids {

namespace {
bool blank(const std::string& caption) {
    return caption.find_first_not_of(' ') == std::string::npos;
}

std::string skippedNote(std::size_t skipped, bool cut) {
    std::string note;
    if (skipped > 0)
        note += ", " + std::to_string(skipped) + (skipped == 1 ? " line" : " lines") + " skipped";
    if (cut)
        note += ", only its first " + std::to_string(AidFileLimit / (1024 * 1024)) + " MB read";
    return note;
}

std::string calls(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " call" : " calls");
}

std::string readProblem(AidRead r) {
    return r == AidRead::Missing ? "it is not there" : "it cannot be read";
}
} // namespace

TypingAids::TypingAids(ContestState& state, Form1Model& model, std::string folderScp,
                       std::string systemScp)
    : s_(state), m_(model), folderScp_(std::move(folderScp)), systemScp_(std::move(systemScp)) {}

std::string TypingAids::start() {
    settings_ = readAidsSettings(AidsSettingsFileName);
    std::string told;
    const std::string history = !settings_.history.empty()                 ? settings_.history
                                : std::filesystem::exists(HistoryFileName) ? HistoryFileName
                                                                           : std::string();
    if (!history.empty())
        told = loadHistory(history);
    if (settings_.checkPartial) {
        const std::string scp = loadScp();
        told += (told.empty() || scp.empty() ? "" : "  ") + scp;
    }
    return told;
}

std::string TypingAids::loadHistory(const std::string& path) {
    std::string bytes;
    const AidRead r = readAidFile(path, bytes);
    if (r != AidRead::Ok)
        return "Call history " + path + " not read: " + readProblem(r) + ".";
    CallHistory fresh;
    const HistoryLoad load = fresh.load(bytes);
    if (!load.problem.empty())
        return "Call history " + path + " not read: " + load.problem + ".";
    history_ = std::move(fresh);
    return "Call history: " + calls(load.rows) + " from " + path +
           skippedNote(load.skipped, load.cut) + ".";
}

std::string TypingAids::loadScp() {
    scpTried_ = true;
    std::string bytes;
    std::string path = folderScp_;
    AidRead r = readAidFile(path, bytes);
    if (r == AidRead::Missing) {
        path = systemScp_;
        r = readAidFile(path, bytes);
    }
    if (r != AidRead::Ok) {
        shown_.source = r == AidRead::Missing ? "No " + ScpFileName + " in the contest folder or " +
                                                    systemScp_ + ": the check partial list is off."
                                              : path + " cannot be read: the check partial list "
                                                       "is off.";
        ++shown_.version;
        return shown_.source;
    }
    const ScpLoad load = scp_.load(bytes);
    shown_.source = calls(load.calls) + " from " + path + skippedNote(load.skipped, load.cut);
    lastCall_.clear();
    refreshList();
    return load.skipped > 0 || load.cut ? ScpFileName + ": " + shown_.source + "." : std::string();
}

void TypingAids::setCheckPartial(bool on) {
    settings_.checkPartial = on;
    if (on && !scpTried_) {
        if (const std::string told = loadScp(); !told.empty())
            tell(told);
    }
    lastCall_.clear();
    refreshList();
}

void TypingAids::setSectionCue(bool on) {
    settings_.sectionCue = on;
    refreshCue();
}

IoResult TypingAids::saveSettings() const {
    return writeAidsSettings(AidsSettingsFileName, settings_);
}

bool TypingAids::tell(const std::string& message) {
    if (!blank(m_.lblDialog.caption) && m_.lblDialog.caption != cue_) {
        waiting_ = message;
        return false;
    }
    m_.lblDialog.caption = message;
    cue_.clear();
    return true;
}

// A key typed into a filled field replaces the fill, wherever the operator's caret
// stands; a letter typed into a filled check goes on to the section, as it would after
// a typed check.
void TypingAids::keyComing(Field field, int code) {
    TextBoxModel* box = field == Field::txtCK    ? &m_.txtCK
                        : field == Field::txtSec ? &m_.txtSec
                                                 : nullptr;
    if (!box || !box->fromHistory || code == 13 || code == 32)
        return;
    const int size = static_cast<int>(box->text.size());
    if (field == Field::txtCK && code > 57) {
        box->caret = box->selStart = size;
        box->selLength = 0;
    } else {
        box->caret = size;
        box->selStart = 0;
        box->selLength = size;
    }
}

void TypingAids::callLeft() {
    if (history_.empty() || !m_.txtCK.text.empty() || !m_.txtSec.text.empty())
        return;
    const HistoryEntry* entry = history_.find(m_.txtCall.text);
    if (!entry)
        return;
    const auto fill = [](TextBoxModel& box, const std::string& text, std::string& filled) {
        if (text.empty() || static_cast<int>(text.size()) > box.maxLength)
            return;
        box.setText(text);
        box.selStart = 0;
        box.selLength = static_cast<int>(text.size());
        box.fromHistory = true;
        filled = text;
    };
    fill(m_.txtCK, entry->ck, filledCk_);
    // A section outside the list in use would only be refused at Enter.
    if (s_.Sections->lookup(entry->sect) != 0)
        fill(m_.txtSec, entry->sect, filledSec_);
}

void TypingAids::syncFill(TextBoxModel& box, const std::string& filled) {
    if (box.fromHistory && box.text != filled)
        box.fromHistory = false;
}

void TypingAids::eventDone() {
    syncFill(m_.txtCK, filledCk_);
    syncFill(m_.txtSec, filledSec_);
    const int drawn = (m_.txtCK.fromHistory ? 1 : 0) | (m_.txtSec.fromHistory ? 2 : 0);
    const bool changed = drawn != drawn_;
    drawn_ = drawn;
    const int version = shown_.version;
    if (syncWorked() && !shown_.calls.empty())
        lastCall_.clear(); // the marks change
    if (m_.txtCall.text != lastCall_)
        refreshList();
    if (!waiting_.empty() && blank(m_.lblDialog.caption)) {
        m_.lblDialog.caption = waiting_;
        waiting_.clear();
    }
    refreshCue();
    if ((changed || version != shown_.version) && onChanged)
        onChanged();
}

// The calls worked, kept up to date by the stored contact alone after a commit and
// rebuilt after a load, an edit or a delete.
bool TypingAids::syncWorked() {
    if (m_.listVersion == workedVersion_)
        return false;
    if (m_.listGrewByOne && m_.listVersion == workedVersion_ + 1 && s_.RecCount > 0) {
        worked_.insert(s_.ContactLog[static_cast<std::size_t>(s_.RecCount)].Call);
    } else {
        worked_.clear();
        for (int i = 1; i <= s_.RecCount; ++i)
            worked_.insert(s_.ContactLog[static_cast<std::size_t>(i)].Call);
    }
    workedVersion_ = m_.listVersion;
    return true;
}

void TypingAids::refreshList() {
    lastCall_ = m_.txtCall.text;
    const bool show = settings_.checkPartial && scp_.size() > 0 && lastCall_.size() >= 2;
    if (!show && shown_.calls.empty() && shown_.typed.empty())
        return;
    shown_.typed = show ? lastCall_ : std::string();
    shown_.calls.clear();
    shown_.total = 0;
    if (show) {
        syncWorked();
        found_.clear();
        shown_.total = scp_.find(lastCall_, ShownCallsLimit, found_);
        for (const std::string_view call : found_) {
            std::string c(call);
            const bool worked = worked_.count(c) > 0;
            shown_.calls.push_back({std::move(c), worked});
        }
    }
    ++shown_.version;
}

void TypingAids::refreshCue() {
    std::string cue;
    if (settings_.sectionCue) {
        const std::string& sec = m_.txtSec.text;
        const int row = s_.Sections->lookup(sec);
        if (row > 0 && s_.SecCount[static_cast<std::size_t>(row)] == 0)
            cue = "New section: " + sec;
    }
    // Another message in lblDialog stands; the cue waits for it to go.
    if (!cue_.empty() && m_.lblDialog.caption == cue_ && cue != cue_)
        m_.lblDialog.caption = " ";
    if (!cue.empty() && blank(m_.lblDialog.caption))
        m_.lblDialog.caption = cue;
    cue_ = !cue.empty() && m_.lblDialog.caption == cue ? cue : std::string();
}

} // namespace vantor::aids
