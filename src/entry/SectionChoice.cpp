// The sections grid's captions and the choice between the traditional 79 rows and
// today's 85 sections. A change of list recounts the log already held, so every
// figure follows the list at once.

#include "core/Numbers.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include <algorithm>

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
        tellFailure(port_, "The choice of sections could not be kept in " + files_.sections + ".",
                    r);
        return;
    }
    s_.Sections = &list;
    sectionRecount(s_);
    fillGrid();
    recolourGrid();
    m_.lblTotSec.caption = " " + signBlank(s_.SecWorked);
    m_.lblTotScore.caption = " " + signBlank(score(s_));
    m_.lblsectogo.caption = " " + signBlank(sectionsToGo(s_));
    m_.lblDialog.caption = sectionsNote(true);
}

// Names the list in use and the logged sections it does not hold; empty, unless always,
// when it holds every one.
std::string Form1Logic::sectionsNote(bool always) const {
    const SectionList& list = *s_.Sections;
    // The counts already say whether any contact is outside the list; only then is the
    // log scanned for names.
    std::int64_t counted = 0;
    for (int r = 1; r <= list.rows; ++r)
        counted += s_.SecCount[static_cast<std::size_t>(r)];
    if (counted == s_.RecCount && !always)
        return {};
    int unknown = 0;
    std::vector<std::string> named;
    for (int i = 1; i <= s_.RecCount; ++i) {
        const std::string& sec = s_.ContactLog[i].Sec;
        if (list.lookup(sec) != 0)
            continue;
        ++unknown;
        if (std::find(named.begin(), named.end(), sec) == named.end())
            named.push_back(sec);
    }
    if (unknown == 0 && !always)
        return {};
    std::string caption = "Sections: the " + std::to_string(list.rows) +
                          (&list == &Sections85 ? " of today." : " of the traditional list.");
    if (unknown == 0)
        return caption;
    caption += " " + std::to_string(unknown) + " logged section(s) not in this list:";
    constexpr std::size_t MostNamed = 8;
    for (std::size_t i = 0; i < named.size() && i < MostNamed; ++i)
        caption += (i == 0 ? " " : ", ") + (named[i].empty() ? "(none)" : named[i]);
    return caption + (named.size() > MostNamed ? ", ..." : ".");
}

} // namespace vantor
