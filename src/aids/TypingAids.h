#pragma once
// The typing aids beside the entry fields: the check partial list follows the call as
// it is typed, the call history fills the check and section when a known call leaves
// the call field, and the new-section cue names a section not yet worked. Each is off
// until the operator sets it up; off, the fields behave exactly as without the aids.

#include "aids/AidsSettings.h"
#include "aids/CallHistory.h"
#include "aids/CheckPartial.h"
#include "core/ContestState.h"
#include "entry/Form1Logic.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace vantor::aids {

struct ShownCall {
    std::string call;
    bool worked = false;
    bool operator==(const ShownCall&) const = default;
};

struct CheckPartialShown {
    std::string typed;
    std::vector<ShownCall> calls; // the exact call first
    std::size_t total = 0;        // calls that match, shown or not
    std::string source;           // where the calls came from, and what was skipped
    int version = 0;              // counts every change
};

inline constexpr std::size_t ShownCallsLimit = 120;

class TypingAids : public EntryAids {
public:
    TypingAids(ContestState& state, Form1Model& model, std::string folderScp = ScpFileName,
               std::string systemScp = SystemScpPath);

    // Reads the settings, the folder's call history (or the one chosen before) and,
    // when the list is on, MASTER.SCP. Returns what the operator should be told.
    std::string start();
    std::string loadHistory(const std::string& path);
    std::string loadScp();

    void setCheckPartial(bool on);
    void setSectionCue(bool on);
    AidsSettings& settings() { return settings_; }
    IoResult saveSettings() const;

    const CheckPartialShown& shown() const { return shown_; }
    bool scpLoaded() const { return scp_.size() > 0; }
    const CallHistory& history() const { return history_; }
    // Puts a message in lblDialog when it holds nothing else; returns whether it did.
    // A message that finds lblDialog busy is shown once it has been cleared.
    bool tell(const std::string& message);
    // Told after every change of the list or of a field's history drawing (a fill
    // included).
    std::function<void()> onChanged;

    void keyComing(Field field, int code) override;
    void callLeft() override;
    void eventDone() override;

private:
    ContestState& s_;
    Form1Model& m_;
    std::string folderScp_, systemScp_;
    AidsSettings settings_;
    CheckPartialList scp_;
    bool scpTried_ = false;
    CallHistory history_;
    CheckPartialShown shown_;
    std::unordered_set<std::string> worked_;
    int workedVersion_ = -1;
    std::string lastCall_;
    std::string cue_;     // the cue lblDialog shows, if any
    std::string waiting_; // a message told while lblDialog was busy
    std::string filledCk_, filledSec_;
    int drawn_ = 0; // which fields were last reported drawn from the history
    std::vector<std::string_view> found_;

    bool syncWorked();
    void refreshList();
    void refreshCue();
    void syncFill(TextBoxModel& box, const std::string& filled);
};

} // namespace vantor::aids
