// Loading "log.txt" rebuilds every figure the window shows. A log that cannot be
// read ends the program after telling the operator what is wrong with it.

#include "core/Numbers.h"
#include "core/SectionTable.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include <filesystem>

namespace vantor {

void Form1Logic::recolourGrid() {
    for (int r = 1; r <= s_.Sections->rows; ++r) {
        const auto row = static_cast<std::size_t>(r);
        m_.Label10[row].fore = s_.SecCount[row] > 0 ? colours::Worked : colours::Unworked;
    }
}

bool Form1Logic::mnuopen2() {
    return loadLogFile(true);
}

bool Form1Logic::loadLogFile(bool tellSections) {
    if (ended_)
        return false;
    EventScope scope(*this);
    const LoadResult result = loadLog(s_, files_.log);
    if (!result.ok()) {
        std::error_code ec;
        const std::string folder = std::filesystem::absolute(files_.log, ec).parent_path().string();
        port_.messageBox(std::string(LoadResult::title), loadFailureText(result, folder),
                         Buttons::Ok, Icon::None);
        ended_ = true;
        port_.endProgram();
        return false;
    }
    recolourGrid();
    m_.lblTotSec.caption = " " + signBlank(s_.SecWorked);
    m_.lblTotScore.caption = " " + signBlank(score(s_));
    listrecent();
    m_.lblTotCon.caption = " " + signBlank(s_.RecCount);
    if (s_.RecCount >= 1)
        m_.lblNumCurCon.caption = signBlank(nextSerialNumber(s_).value_or(0));
    else
        m_.lblNumCurCon.caption = "1";
    m_.lblsectogo.caption = " " + signBlank(sectionsToGo(s_));
    // What the load found amiss is told at once: a journal read only in part, and
    // contacts whose sections the chosen list does not hold (its file was not copied
    // with the others, say). The sections are not told again after an edit or delete.
    std::string note = opClock_.loadRuns();
    if (const std::string sections = tellSections ? sectionsNote(false) : std::string();
        !sections.empty())
        note += (note.empty() ? "" : "  ") + sections;
    if (!note.empty())
        m_.lblDialog.caption = note;
    TimeStats();
    for (const auto& observer : loadObservers_)
        observer(s_.RecCount);
    return true;
}

} // namespace vantor
