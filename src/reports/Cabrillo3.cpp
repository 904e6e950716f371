#include "reports/Cabrillo3.h"

#include "reports/Cabrillo.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace vantor {

namespace {

using Category = SummaryDetails::Category;

std::string isoDate(std::int64_t seconds) {
    return cabrilloDate(toCivil(seconds).date);
}

std::string hourMinute(std::int64_t seconds) {
    const CivilDateTime t = toCivil(seconds);
    return cabrilloTime(t.hour * 3600 + t.minute * 60);
}

std::string left(std::string_view text, std::size_t width) {
    std::string s(text);
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

std::string right(std::string_view text, std::size_t width) {
    std::string s(text);
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

bool multiOperator(Category c, std::string_view pre) {
    return c == Category::MultiOne || c == Category::MultiTwo || c == Category::MultiMulti ||
           c == Category::SchoolClub || pre == "M" || pre == "S";
}

std::string_view operatorCategory(Category c, std::string_view pre) {
    if (c == Category::Checklog)
        return "CHECKLOG";
    return multiOperator(c, pre) ? "MULTI-OP" : "SINGLE-OP";
}

// Assistance is the unlimited single operator's (precedence U) and every multi-op's.
std::string_view assisted(Category c, std::string_view pre) {
    const bool yes = c != Category::Checklog &&
                     (c == Category::SingleOpAssisted || pre == "U" || multiOperator(c, pre));
    return yes ? "ASSISTED" : "NON-ASSISTED";
}

// The power the precedence stands for; for the others the option chosen, if any.
std::string_view powerCategory(SummaryDetails::Power p, std::string_view pre) {
    const SummaryDetails::Power own = precedencePower(pre);
    return cabrilloPowerWord(own != SummaryDetails::Power::None ? own : p);
}

bool twoDigits(std::string_view ck) {
    return ck.size() == 2 && std::isdigit(static_cast<unsigned char>(ck[0])) &&
           std::isdigit(static_cast<unsigned char>(ck[1]));
}

std::string_view transmitterCategory(Category c) {
    if (c == Category::MultiTwo)
        return "TWO";
    if (c == Category::MultiMulti)
        return "UNLIMITED";
    return "ONE";
}

std::string_view stationCategory(Category c, std::string_view pre) {
    return c == Category::SchoolClub || pre == "S" ? "SCHOOL" : "FIXED";
}

std::string cannotRead(int record, const Contact& c) {
    return "Contact " + std::to_string(record) + " has a date or time that cannot be read (\"" +
           c.Date + " " + c.Time + "\"); correct it and write the Cabrillo file again.";
}

} // namespace

std::string cabrillo3ContactProblem(const Contact& c) {
    if (cabrilloFrequency(c.Bnd).empty())
        return "the band \"" + c.Bnd + "\" is none of 160, 80, 40, 20, 15, 10.";
    if (!twoDigits(c.Ck))
        return "the check \"" + c.Ck + "\" is not two digits.";
    static constexpr std::string_view Precedences[] = {"Q", "A", "B", "U", "M", "S"};
    if (std::find(std::begin(Precedences), std::end(Precedences), c.Pre) == std::end(Precedences))
        return "the precedence \"" + c.Pre + "\" is none of Q, A, B, U, M, S.";
    return "";
}

SummaryDetails::Power precedencePower(std::string_view pre) {
    if (pre == "Q")
        return SummaryDetails::Power::QRP;
    if (pre == "A")
        return SummaryDetails::Power::Low;
    if (pre == "B")
        return SummaryDetails::Power::High;
    return SummaryDetails::Power::None;
}

ReportResult cabrillo3Check(const ContestState& s, const SummaryDetails& d) {
    const std::string& pre = s.StationInfo.MyPre;
    const SummaryDetails::Power own = precedencePower(pre);
    if (own != SummaryDetails::Power::None && d.power != SummaryDetails::Power::None &&
        d.power != own)
        return {false, "Your precedence " + pre + " stands for " +
                           std::string(cabrilloPowerWord(own)) + " power, but " +
                           std::string(cabrilloPowerWord(d.power)) +
                           " is chosen: choose the power that matches it, or correct the "
                           "precedence in Setup, and write the Cabrillo 3.0 file again."};
    return listContactProblems(s, cabrillo3ContactProblem,
                               "These contacts cannot go into the Cabrillo 3.0 file; correct "
                               "them and write it again:");
}

ReportResult listContactProblems(const ContestState& s, std::string (*problem)(const Contact& c),
                                 std::string_view heading) {
    constexpr int Listed = 20;
    std::string list;
    int count = 0;
    for (int i = 1; i <= s.RecCount; ++i) {
        const std::string why = problem(s.ContactLog[i]);
        if (why.empty())
            continue;
        if (++count <= Listed)
            list += "\nContact " + std::to_string(i) + ": " + why;
    }
    if (count == 0)
        return {};
    if (count > Listed)
        list += "\n... and " + std::to_string(count - Listed) + " more.";
    return {false, std::string(heading) + list};
}

std::string cabrillo3FileName(std::string_view call) {
    if (call.empty())
        return "";
    std::string name;
    for (const char ch : call) {
        const auto u = static_cast<unsigned char>(ch);
        name += u < 0x80 && (std::isalnum(u) || ch == '-') ? ch : '-';
    }
    return name + ".log";
}

int readStamps(const ContestState& s, const ShortDateForm& form, int referenceYear,
               std::vector<std::int64_t>& stamps) {
    stamps.clear();
    stamps.reserve(static_cast<std::size_t>(std::max(s.RecCount, 0)));
    // Neighbouring contacts nearly always share their date: read each text once.
    const std::string* lastDate = nullptr;
    std::int64_t day = 0;
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        if (!lastDate || *lastDate != c.Date) {
            const auto d = form.parse(c.Date, referenceYear);
            if (!d)
                return i;
            day = daysFromCivil(*d);
            lastDate = &c.Date;
        }
        const auto time = parseTimeOfDay(c.Time);
        if (!time)
            return i;
        stamps.push_back(day * 86400 + *time);
    }
    return 0;
}

namespace {

std::int32_t score24(const ContestState& s, const std::vector<ClockRun>& runs,
                     const std::vector<std::int64_t>& stamps) {
    const auto limit = limitReachedAt(runs);
    std::int64_t contacts = 0;
    std::set<int> sections;
    for (int i = 1; i <= s.RecCount; ++i) {
        if (limit && stamps[static_cast<std::size_t>(i - 1)] > *limit)
            continue;
        ++contacts;
        if (const int row = s.Sections->lookup(s.ContactLog[i].Sec))
            sections.insert(row);
    }
    return static_cast<std::int32_t>(2 * contacts * static_cast<std::int64_t>(sections.size()));
}

} // namespace

std::optional<std::int32_t> claimedScore24(const ContestState& s, const std::vector<ClockRun>& runs,
                                           const ShortDateForm& form, int referenceYear, int* bad) {
    std::vector<std::int64_t> stamps;
    if (const int record = readStamps(s, form, referenceYear, stamps)) {
        if (bad)
            *bad = record;
        return std::nullopt;
    }
    return score24(s, runs, stamps);
}

ReportResult cabrillo3Lines(const ContestState& s, const SummaryDetails& d,
                            const std::vector<ClockRun>& runs, const ShortDateForm& form,
                            int referenceYear, std::vector<std::string>& out) {
    const StationData& st = s.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    if (ReportResult r = cabrillo3Check(s, d); !r.ok)
        return r;
    std::vector<std::int64_t> stamps;
    if (const int bad = readStamps(s, form, referenceYear, stamps))
        return {false, cannotRead(bad, s.ContactLog[bad])};
    std::vector<std::int64_t> dayNumbers;
    dayNumbers.reserve(stamps.size());
    for (const std::int64_t at : stamps)
        dayNumbers.push_back(at / 86400); // stamps of contacts lie after 1970
    if (ReportResult r = checkDatesNear(s, dayNumbers); !r.ok)
        return r;
    const std::int32_t claimed = score24(s, runs, stamps);

    std::vector<std::string> lines;
    const auto tag = [&lines](std::string_view name, std::string_view value) {
        lines.push_back(std::string(name) + ": " + std::string(value));
    };
    const auto optional = [&tag](std::string_view name, std::string_view value) {
        if (!value.empty())
            tag(name, value);
    };
    tag("START-OF-LOG", "3.0");
    tag("CONTEST", phone ? "ARRL-SS-SSB" : "ARRL-SS-CW");
    tag("CALLSIGN", st.MyCall);
    tag("LOCATION", st.MySec);
    tag("CATEGORY-OPERATOR", operatorCategory(d.category, st.MyPre));
    tag("CATEGORY-ASSISTED", assisted(d.category, st.MyPre));
    tag("CATEGORY-BAND", "ALL");
    tag("CATEGORY-MODE", phone ? "SSB" : "CW");
    optional("CATEGORY-POWER", powerCategory(d.power, st.MyPre));
    tag("CATEGORY-TRANSMITTER", transmitterCategory(d.category));
    tag("CATEGORY-STATION", stationCategory(d.category, st.MyPre));
    tag("CLAIMED-SCORE", std::to_string(claimed));
    optional("CLUB", d.club);
    tag("CREATED-BY", "Vantor 2.5");
    optional("NAME", d.name);
    optional("ADDRESS", d.address1);
    optional("ADDRESS", d.address2);
    optional("EMAIL", d.email);
    tag("OPERATORS", d.operators.empty() ? st.MyCall : d.operators);
    optional("SOAPBOX", d.soapbox);
    for (const TimeOff& off : timesOff(runs))
        tag("OFFTIME", isoDate(off.start) + " " + hourMinute(off.start) + " " + isoDate(off.end) +
                           " " + hourMinute(off.end));

    const std::string_view mode = phone ? "PH" : "CW";
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        const std::int64_t at = stamps[static_cast<std::size_t>(i - 1)];
        lines.push_back("QSO: " + right(cabrilloFrequency(c.Bnd), 5) + " " + std::string(mode) +
                        " " + isoDate(at) + " " + hourMinute(at) + " " + left(st.MyCall, 13) + " " +
                        right(c.NumSent, 4) + " " + left(st.MyPre, 1) + " " + left(st.MyCk, 2) +
                        " " + left(st.MySec, 3) + " " + left(c.Call, 13) + " " + right(c.Num, 4) +
                        " " + left(c.Pre, 1) + " " + left(c.Ck, 2) + " " + c.Sec);
    }
    lines.push_back("END-OF-LOG:");
    out = std::move(lines);
    return {};
}

ReportResult writeCabrillo3(const std::string& path, const ContestState& state,
                            const SummaryDetails& details, const std::vector<ClockRun>& runs,
                            const ShortDateForm& form, int referenceYear) {
    std::vector<std::string> lines;
    if (ReportResult r = cabrillo3Lines(state, details, runs, form, referenceYear, lines); !r.ok)
        return r;
    return writeReportFile(path, lines);
}

} // namespace vantor
