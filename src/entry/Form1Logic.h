#pragma once
// The main window's behaviour without the window: the entry fields' keystroke rules,
// the commit, duplicate checking, the scoreboard and sections grid, the operating-time
// clock, the band menu, start-up and shutdown. It works on the contest state and on
// plain models of the window's controls; the Qt window renders the models and
// forwards its events here.
//
// Every public handler is one event. Focus changes made during an event are settled
// when the outermost handler returns: only then do the fields' focus handlers run
// (so a duplicate found when the call field loses the focus is announced after the
// key that moved the focus has been handled, and stays on screen).

#include "core/Clock.h"
#include "core/ContestState.h"
#include "core/DateFormFile.h"
#include "core/DateTime.h"
#include "core/FileNames.h"
#include "core/LogFile.h"
#include "core/OnOffFile.h"
#include "core/OperatingRule.h"
#include "core/PrefsFile.h"
#include "core/SectionChoiceFile.h"
#include "entry/Form1Model.h"
#include "entry/LogCorrection.h"
#include "entry/OperatingClock.h"
#include "entry/PlatformPort.h"
#include "entry/ReportMenu.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The typing aids follow the entry fields through these calls; without aids set the
// window behaves exactly as it does without them.
class EntryAids {
public:
    virtual ~EntryAids() = default;
    // A key is about to be handled by field's rules.
    virtual void keyComing(Field field, int code) = 0;
    // The call field was left and its duplicate check found none.
    virtual void callLeft() = 0;
    // An event is over: the fields may hold new text.
    virtual void eventDone() = 0;
};

class Form1Logic {
public:
    Form1Logic(ContestState& state, Form1Model& model, const Clock& clock, PlatformPort& port,
               ShortDateForm dateForm, FileNames files = {});
    Form1Logic(const Form1Logic&) = delete;
    Form1Logic& operator=(const Form1Logic&) = delete;

    // --- Events from the window ---
    // A character typed into an entry field: the field's handler, then the text box's
    // own insertion of whatever code the handler left.
    void typeKey(Field field, int code);
    // The operator moved the focus (mouse or Tab); the window already shows it.
    void userFocus(Field field);
    // The text changed without a typed character (paste, cut, Delete, undo).
    void editedText(Field field, const std::string& text, int caret);
    // The window was shown: the first field receives the focus.
    void windowShown();

    // --- Entry fields ---
    void txtNum_KeyPress(int& k);
    void txtpre_KeyPress(int& k);
    void txtCall_KeyPress(int& k);
    void txtCK_KeyPress(int& k);
    void txtSec_KeyPress(int& k);
    static void Capital(int& k);
    static void Number(int& k);
    void cmdClear_Click();
    void numopt_Click();
    void callopt_Click();
    void txtCall_GotFocus();
    void txtcall_lostfocus();
    void txtnum_gotfocus();

    // --- Commit ---
    void Mains();
    void frmcmp();
    void seccheck();
    void sectally();

    // --- Duplicates ---
    void dupcheck();
    void partdupe(int k);
    // True while the three seconds after a duplicate announcement last: a key typed then
    // is discarded. The first call after them ends the hold.
    bool dupehold();
    // The window's hold timer ran out (dupeHoldLeftMs after the announcement).
    void dupeHoldOver();
    bool holdingKeys() const { return s_.DupeFlag == 1; }
    std::int64_t dupeHoldLeftMs() const;
    void cmdDup_Click();

    // --- Scoreboard and grid ---
    void Label10_Click(int row);
    void Label10_MouseMove(int row);
    void Form_MouseMove();
    void listrecent();
    void cmdList_Click();
    // Record numbers of the recent-contacts rows, newest first.
    std::vector<int> recentRecords() const;

    // --- Correcting the log from the list: selected = record number in the selected
    // row, 0 when no row is selected ---
    void ListView1_ItemClick();
    void ListView1_LostFocus();
    void cmdEdit_Click(int selected);
    void cmdDelete_Click(int selected);

    // --- Reports ---
    void mnuAsciiLog_Click();
    void mnuPrntlog_Click();
    void mnuAsciiDupe_Click();
    void mnuPrntdupe_Click();
    // "<CALL>.adi": told in lblDialog, contacts no reader takes in a message box.
    void mnuAdif_Click();

    // --- Operating time, clocks, bands, rates ---
    void cmdLogOn_Click();
    void Timer2_Timer();
    void Timer1_Timer();
    void TimeStats();
    void chooseBand(const std::string& code); // mnu160_Click .. mnu10_Click
    // The grid's menu of section lists: the list this contest uses, kept in the folder.
    void chooseSections(const SectionList& list);

    // --- Start-up, menus, shutdown ---
    void Form_Load();
    bool mnuopen2();
    void newcontest();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSetup_Click();
    void mnuStats_Click();
    void mnuHelp_Click();
    void mnuPrntSum_Click();
    void mnuWriteSumm_Click();
    void mnuExit_Click();
    void Form_Terminate();

    bool ended() const { return ended_; }
    // Each observer set is told in turn, in the order set: setting one keeps the others.
    // Told the number of contacts after every successful load of the log.
    void setLoadObserver(std::function<void(int)> observer) {
        loadObservers_.push_back(std::move(observer));
    }
    // Told the record number of each contact once it is stored and its fields cleared.
    void setCommitObserver(std::function<void(int)> observer) {
        commitObservers_.push_back(std::move(observer));
    }
    // Told each edit or delete once the rewritten log holds it.
    void setCorrectionObserver(LogCorrection::Observer observer);
    void setAids(EntryAids* aids) { aids_ = aids; }
    const ShortDateForm& dateForm() const { return dateForm_; }
    std::int64_t utcNowSeconds() const { return opClock_.utcNowSeconds(); }

private:
    friend class EventScope;
    ContestState& s_;
    Form1Model& m_;
    const Clock& clock_;
    PlatformPort& port_;
    ShortDateForm dateForm_;
    FileNames files_;

    int depth_ = 0;
    Field settledFocus_ = Field::None;
    bool skipCallCheck_ = false;
    // The last call the duplicate check found in no contact, and the log it read.
    std::string cleanCall_;
    std::uint64_t cleanVersion_ = 0;
    int cleanCount_ = -1;
    int announcements_ = 0; // duplicate announcements made, for the message colour
    bool ended_ = false;
    std::vector<std::function<void(int)>> loadObservers_;
    bool dateFormToRecord_ = false; // the folder has no record of its date form yet
    std::vector<std::function<void(int)>> commitObservers_;
    std::vector<LogCorrection::Observer> correctionObservers_;
    EntryAids* aids_ = nullptr;
    OperatingClock opClock_; // these after the members they refer to
    ReportMenu reports_;
    LogCorrection correction_;

    void settleFocus();
    void moveFocus(Field f);
    Field firstField() const;
    void applyTabOrder();

    void handOver(Field target, std::uint8_t code, int& k, bool moveFirst);
    void takeOver(int& k);
    void finishTakeOver(TextBoxModel& box, int k);
    bool handsOn(const TextBoxModel& box) const;
    void endHold();
    bool entryEmpty() const;
    void dispatchKey(Field field, int& k);

    void emptyEntryFields();
    void showNextSerial();
    void showStationLabels();
    void setTabOrder(std::uint8_t order);
    void recolourGrid();
    void fillGrid();
    void runStationDialog();
    void savepref();
    void readDateFormRecord();
    std::string sectionsNote(bool always) const;
    void shutdown();
    void hideEditButtons();
    // The log load; tellSections names logged sections outside the chosen list.
    bool loadLogFile(bool tellSections);
    void asciiLogCommand(bool print);
    void dupeSheetCommand(bool print);
};

} // namespace vantor
