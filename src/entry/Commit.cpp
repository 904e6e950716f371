// Enter in any entry field: check the entry, number and stamp the contact, store it
// in memory and on disk, and refresh the scoreboard and grid.

#include "core/Numbers.h"
#include "core/SectionTable.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

namespace {
const std::string LogFullMessage =
    "Log full: 11000 contacts are stored and no more can be logged. Nothing was stored.";
const std::string BadSerialMessage =
    "Not stored: the last serial number sent in the log is not a number.";
} // namespace

void Form1Logic::Mains() {
    EventScope scope(*this);
    if (s_.LoggedOn == 0)
        cmdLogOn_Click();
    frmcmp();
    seccheck();
    dupcheck();

    bool refused = false;
    int stored = 0;
    if (s_.DupeFlag == 0 && s_.IncompleteFlag == 0 && s_.BadSecFlag == 0) {
        const int n = s_.RecCount + 1;
        const auto serial = nextSerial(s_);
        if (n > ContactLogTable::Capacity) {
            m_.lblDialog.caption = LogFullMessage;
            refused = true;
        } else if (!serial) {
            m_.lblDialog.caption = BadSerialMessage;
            refused = true;
        } else {
            Contact& c = s_.ContactLog[n];
            c.NumSent = *serial;
            c.Num = m_.txtNum.text;
            c.Pre = m_.txtPre.text;
            c.Call = m_.txtCall.text;
            c.Ck = m_.txtCK.text;
            c.Sec = m_.txtSec.text;
            const std::int64_t utc = utcNowSeconds();
            c.Date = dateForm_.format(toCivil(utc).date);
            c.Time = formatHms(utc);
            c.Bnd = s_.Band;
            // The contact counts only once its line is safely on disk.
            if (const IoResult r = appendContact(files_.log, c); !r) {
                m_.lblDialog.caption = "NOT LOGGED: " + files_.log + " could not be written (" +
                                       r.error + "). Fix it and press Enter again.";
                port_.beep();
                refused = true;
            } else {
                s_.RecCount = n;
                ++s_.LogVersion;
                stored = n;
                m_.lblTotCon.caption = signBlank(n);
                listrecent();
                m_.listGrewByOne = true;
                sectally();
                m_.lblTotSec.caption = std::to_string(s_.SecWorked);
                m_.lblsectogo.caption = std::to_string(sectionsToGo(s_));
                m_.lblTotScore.caption = std::to_string(score(s_));
                m_.lblDialog.caption = " ";
                opClock_.checkUtcHours(true);
            }
        }
    }
    if (s_.IncompleteFlag == 0 && s_.BadSecFlag == 0 && !refused) {
        emptyEntryFields();
        showNextSerial();
        moveFocus(firstField());
        if (stored != 0)
            for (const auto& observer : commitObservers_)
                observer(stored);
    }
    m_.lblDupe.back = colours::Grey;
    m_.lblDupe.caption.clear();
    TimeStats();
}

void Form1Logic::frmcmp() {
    s_.IncompleteFlag = 0;
    struct Check {
        TextBoxModel& box;
        Field field;
        std::size_t minLength;
        const char* message;
    };
    const Check checks[] = {
        {m_.txtSec, Field::txtSec, 1, "Need Section!"},
        {m_.txtCK, Field::txtCK, 1, "Need Check!"},
        {m_.txtCall, Field::txtCall, 3, "Need Call Sign!"},
        {m_.txtPre, Field::txtPre, 1, "Need Precedence!"},
        {m_.txtNum, Field::txtNum, 1, "Need Contact Number!"},
    };
    // Later checks overwrite earlier ones, so the first missing field in entry order
    // keeps the message and the focus.
    for (const Check& check : checks) {
        if (check.box.text.size() < check.minLength) {
            m_.lblDialog.caption = check.message;
            s_.IncompleteFlag = 1;
            moveFocus(check.field);
        }
    }
}

void Form1Logic::seccheck() {
    s_.BadSecFlag = s_.Sections->lookup(m_.txtSec.text) == 0 ? 1 : 0;
    if (s_.BadSecFlag == 1)
        m_.lblDialog.caption = "Invalid Section";
}

void Form1Logic::sectally() {
    if (const int row = sectionTally(s_, m_.txtSec.text))
        m_.Label10[static_cast<std::size_t>(row)].fore = colours::Worked;
}

} // namespace vantor
