#include "reports/Cabrillo.h"

#include "reports/ReportLine.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantor {

namespace {

std::string_view categoryLiteral(SummaryDetails::Category c) {
    using C = SummaryDetails::Category;
    switch (c) {
    case C::SingleOp:
        return "CATEGORY: SINGLE-OP ALL ";
    case C::SingleOpAssisted:
        return "CATEGORY: SINGLE-OP-ASSISTED ALL ";
    case C::MultiOne:
        return "CATEGORY: MULTI-ONE ALL ";
    case C::MultiTwo:
        return "CATEGORY: MULTI-TWO ALL ";
    case C::MultiMulti:
        return "CATEGORY: MULTI-MULTI ALL ";
    case C::SchoolClub:
        return "CATEGORY: SCHOOL-CLUB ALL ";
    case C::Checklog:
        return "CATEGORY: CHECKLOG ALL ";
    case C::None:
        break;
    }
    return "";
}

} // namespace

ReportResult checkDatesNear(const ContestState& s, const std::vector<std::int64_t>& dayNumbers) {
    if (dayNumbers.empty())
        return {};
    std::vector<std::int64_t> sorted = dayNumbers;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    for (std::size_t i = 0; i < dayNumbers.size(); ++i) {
        const std::int64_t apart = dayNumbers[i] - *middle;
        if (apart > 3 || apart < -3)
            return {false, "Contact " + std::to_string(i + 1) + " has the date \"" +
                               s.ContactLog[static_cast<int>(i) + 1].Date +
                               "\", more than three days from the other contacts' dates (read as " +
                               cabrilloDate(civilFromDays(dayNumbers[i])) +
                               "); correct it and write the Cabrillo file again."};
    }
    return {};
}

ReportResult checkStampDates(const ContestState& s, const ShortDateForm& form, int referenceYear,
                             std::vector<CivilDate>* days) {
    std::vector<CivilDate> dates;
    dates.reserve(static_cast<std::size_t>(std::max(s.RecCount, 0)));
    // Neighbouring contacts nearly always share their date: read each text once.
    const std::string* lastText = nullptr;
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        if (lastText && *lastText == c.Date) {
            dates.push_back(dates.back());
            continue;
        }
        const auto date = form.parse(c.Date, referenceYear);
        if (!date)
            return {false, "Contact " + std::to_string(i) + " has a date that cannot be read (\"" +
                               c.Date + "\"); correct it and write the Cabrillo file again."};
        dates.push_back(*date);
        lastText = &c.Date;
    }
    std::vector<std::int64_t> dayNumbers;
    dayNumbers.reserve(dates.size());
    for (const CivilDate& d : dates)
        dayNumbers.push_back(daysFromCivil(d));
    if (ReportResult r = checkDatesNear(s, dayNumbers); !r.ok)
        return r;
    if (days)
        *days = std::move(dates);
    return {};
}

std::string_view cabrilloPowerWord(SummaryDetails::Power p) {
    switch (p) {
    case SummaryDetails::Power::High:
        return "HIGH";
    case SummaryDetails::Power::Low:
        return "LOW";
    case SummaryDetails::Power::QRP:
        return "QRP";
    case SummaryDetails::Power::None:
        break;
    }
    return "";
}

std::string_view cabrilloFrequency(std::string_view band) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> table = {{
        {"160", "1800"},
        {"80", "3500"},
        {"40", "7000"},
        {"20", "14000"},
        {"15", "21000"},
        {"10", "28000"},
    }};
    for (const auto& [code, freq] : table)
        if (code == band)
            return freq;
    return "";
}

ReportResult cabrilloLines(const ContestState& s, const SummaryDetails& d,
                           const ShortDateForm& form, int referenceYear,
                           std::vector<std::string>& out) {
    const StationData& st = s.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    const std::string_view mode = phone ? "PH" : "CW";
    std::vector<CivilDate> dates;
    if (ReportResult r = checkStampDates(s, form, referenceYear, &dates); !r.ok)
        return r;
    ReportText text;
    text.add("START-OF-LOG: 2.0");
    text.add("ARRL-SECTION: " + st.MySec);
    text.add(std::string("CONTEST: ") + (phone ? "ARRL-SS-SSB" : "ARRL-SS-CW"));
    text.add("CALLSIGN: " + st.MyCall);
    if (d.category != SummaryDetails::Category::None)
        text.add(std::string(categoryLiteral(d.category)) +
                 std::string(cabrilloPowerWord(d.power)));
    text.add(ReportLine("CLAIMED-SCORE: ").number(score(s)));
    text.add("OPERATORS: " + (d.operators.empty() ? st.MyCall : d.operators));
    text.add("CLUB: " + d.club);
    text.add("NAME: " + d.name);
    text.add("ADDRESS: " + d.address1);
    text.add("ADDRESS: " + d.address2);
    text.add("SOAPBOX: " + d.soapbox);
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        const CivilDate& date = dates[static_cast<std::size_t>(i - 1)];
        // Read as a time of day, so that a time typed as "9:05" still gives 0905.
        const auto time = parseTimeOfDay(c.Time);
        if (!time)
            return {false, "Contact " + std::to_string(i) + " has a time that cannot be read (\"" +
                               c.Time + "\"); correct it and write the Cabrillo file again."};
        text.add(ReportLine("QSO:")
                     .at(6, cabrilloFrequency(c.Bnd))
                     .at(12, mode)
                     .at(16, cabrilloDate(date))
                     .at(27, cabrilloTime(*time))
                     .at(32, st.MyCall)
                     .at(44, c.NumSent)
                     .at(49, st.MyPre)
                     .at(51, st.MyCk)
                     .at(54, st.MySec)
                     .at(58, c.Call)
                     .at(70, c.Num)
                     .at(75, c.Pre)
                     .at(77, c.Ck)
                     .at(80, c.Sec));
    }
    text.add("END-OF-LOG:");
    out = text.lines();
    return {};
}

ReportResult writeCabrillo(const std::string& path, const ContestState& state,
                           const SummaryDetails& details, const ShortDateForm& form,
                           int referenceYear) {
    std::vector<std::string> lines;
    if (ReportResult r = cabrilloLines(state, details, form, referenceYear, lines); !r.ok)
        return r;
    return writeReportFile(path, lines);
}

} // namespace vantor
