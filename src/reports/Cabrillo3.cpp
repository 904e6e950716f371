#include "reports/Cabrillo3.h"

#include "reports/Cabrillo.h"

#include <cctype>
#include <cstdio>
#include <set>

namespace vantor {

namespace {

using Category = SummaryDetails::Category;

std::string isoDate(std::int64_t seconds) {
    const CivilDate d = toCivil(seconds).date;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::string hourMinute(std::int64_t seconds) {
    const CivilDateTime t = toCivil(seconds);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d", t.hour, t.minute);
    return buf;
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

// The power option chosen; without one, the power the precedence stands for.
std::string_view powerCategory(SummaryDetails::Power p, std::string_view pre) {
    if (p != SummaryDetails::Power::None)
        return cabrilloPowerWord(p);
    if (pre == "Q")
        return "QRP";
    if (pre == "A")
        return "LOW";
    if (pre == "B")
        return "HIGH";
    return "";
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

std::optional<std::int32_t> claimedScore24(const ContestState& s, const std::vector<ClockRun>& runs,
                                           const ShortDateForm& form, int referenceYear, int* bad) {
    const auto limit = limitReachedAt(runs);
    std::int64_t contacts = 0;
    std::set<int> sections;
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        const auto at = parseStamp(form, c.Date, c.Time, referenceYear);
        if (!at) {
            if (bad)
                *bad = i;
            return std::nullopt;
        }
        if (limit && *at > *limit)
            continue;
        ++contacts;
        if (const int row = s.Sections->lookup(c.Sec))
            sections.insert(row);
    }
    return static_cast<std::int32_t>(2 * contacts * static_cast<std::int64_t>(sections.size()));
}

ReportResult cabrillo3Lines(const ContestState& s, const SummaryDetails& d,
                            const std::vector<ClockRun>& runs, const ShortDateForm& form,
                            int referenceYear, std::vector<std::string>& out) {
    const StationData& st = s.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    int bad = 0;
    const auto claimed = claimedScore24(s, runs, form, referenceYear, &bad);
    if (!claimed)
        return {false, cannotRead(bad, s.ContactLog[bad])};

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
    tag("CLAIMED-SCORE", std::to_string(*claimed));
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
        const auto at = parseStamp(form, c.Date, c.Time, referenceYear);
        if (!at)
            return {false, cannotRead(i, c)};
        lines.push_back("QSO: " + right(cabrilloFrequency(c.Bnd), 5) + " " + std::string(mode) +
                        " " + isoDate(*at) + " " + hourMinute(*at) + " " + left(st.MyCall, 13) +
                        " " + right(c.NumSent, 4) + " " + left(st.MyPre, 1) + " " +
                        left(st.MyCk, 2) + " " + left(st.MySec, 3) + " " + left(c.Call, 13) + " " +
                        right(c.Num, 4) + " " + left(c.Pre, 1) + " " + left(c.Ck, 2) + " " + c.Sec);
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
