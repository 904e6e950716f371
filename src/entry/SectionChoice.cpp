// The sections grid's captions and the choice between the traditional 79 rows and
// today's 85 sections. A change of list recounts the log already held, so every
// figure follows the list at once.

#include "core/Numbers.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

namespace vantor {

void Form1Logic::fillGrid() {
    const SectionList& list = *s_.Sections;
    for (int r = 1; r <= MaxSectionRows; ++r) {
        LabelModel& cell = m_.Label10[static_cast<std::size_t>(r)];
        const bool used = r <= list.rows;
        cell.caption = used ? std::string(list.row(r).Abbr) : std::string();
        cell.toolTip = used ? std::string(list.row(r).FullName) : std::string();
        cell.fore = colours::Unworked;
    }
}

void Form1Logic::chooseSections(const SectionList& list) {
    if (ended_)
        return;
    EventScope scope(*this);
    if (&list == s_.Sections)
        return;
    if (const IoResult r = writeSectionChoice(files_.sections, list); !r) {
        tellFailure("The choice of sections could not be kept in " + files_.sections + ".", r);
        return;
    }
    s_.Sections = &list;
    sectionRecount(s_);
    fillGrid();
    recolourGrid();
    m_.lblTotSec.caption = " " + signBlank(s_.SecWorked);
    m_.lblTotScore.caption = " " + signBlank(score(s_));
    m_.lblsectogo.caption = " " + signBlank(sectionsToGo(s_));
    int unknown = 0;
    for (int i = 1; i <= s_.RecCount; ++i)
        unknown += list.lookup(s_.ContactLog[i].Sec) == 0 ? 1 : 0;
    std::string caption = "Sections: the " + std::to_string(list.rows) +
                          (&list == &Sections85 ? " of today." : " of the traditional list.");
    if (unknown > 0)
        caption += " " + std::to_string(unknown) + " logged section(s) not in this list.";
    m_.lblDialog.caption = caption;
}

} // namespace vantor
