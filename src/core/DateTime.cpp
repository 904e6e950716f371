#include "core/DateTime.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace vantor {

namespace {

std::string twoDigits(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

// Reads 1..maxDigits decimal digits; advances text.
std::optional<int> readNumber(std::string_view& text, std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (n < text.size() && n < maxDigits + 1 && text[n] >= '0' && text[n] <= '9') {
        value = value * 10 + (text[n] - '0');
        ++n;
    }
    if (n == 0 || n > maxDigits)
        return std::nullopt;
    text.remove_prefix(n);
    return value;
}

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

// Days since 1970-01-01 in the proleptic Gregorian calendar.
std::int64_t daysFromCivil(const CivilDate& d) {
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = yoe + era * 400;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(y + (m <= 2 ? 1 : 0)), m, d};
}

std::int64_t toSeconds(const CivilDateTime& t) {
    return daysFromCivil(t.date) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

CivilDateTime toCivil(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    CivilDateTime t;
    t.date = civilFromDays(days);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

bool isValidDate(const CivilDate& d) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int limit = days[static_cast<std::size_t>(d.month - 1)] + (d.month == 2 && leap ? 1 : 0);
    return d.day <= limit;
}

ShortDateForm ShortDateForm::fromPattern(std::string_view pattern) {
    ShortDateForm form;
    std::size_t dPos = std::string_view::npos, mPos = dPos, yPos = dPos;
    int dLen = 0, mLen = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == '\'') { // quoted literal text
            const auto close = pattern.find('\'', i + 1);
            i = close == std::string_view::npos ? pattern.size() : close + 1;
            continue;
        }
        if (c == 'd' && dPos == std::string_view::npos) {
            if (run > 2)
                return ShortDateForm{}; // day name: not numeric
            dPos = i;
            dLen = static_cast<int>(run);
        } else if ((c == 'M' || c == 'L') && mPos == std::string_view::npos) {
            if (run > 2)
                return ShortDateForm{}; // month name: not numeric
            mPos = i;
            mLen = static_cast<int>(run);
        } else if (c == 'y' && yPos == std::string_view::npos) {
            yPos = i;
        }
        i += run;
    }
    if (dPos == std::string_view::npos || mPos == std::string_view::npos ||
        yPos == std::string_view::npos)
        return ShortDateForm{};
    if (yPos < mPos && mPos < dPos)
        form.order = Order::YearMonthDay;
    else if (dPos < mPos)
        form.order = Order::DayMonthYear;
    else
        form.order = Order::MonthDayYear;
    form.padDay = dLen == 2;
    form.padMonth = mLen == 2;
    return form;
}

std::string ShortDateForm::pattern() const {
    const std::string day = padDay ? "dd" : "d";
    const std::string month = padMonth ? "MM" : "M";
    switch (order) {
    case Order::DayMonthYear:
        return day + "/" + month + "/yyyy";
    case Order::YearMonthDay:
        return "yyyy/" + month + "/" + day;
    case Order::MonthDayYear:
        break;
    }
    return month + "/" + day + "/yyyy";
}

std::optional<ShortDateForm> ShortDateForm::fromOwnPattern(std::string_view pattern) {
    for (const Order order : {Order::MonthDayYear, Order::DayMonthYear, Order::YearMonthDay})
        for (const bool padDay : {false, true})
            for (const bool padMonth : {false, true}) {
                const ShortDateForm form{order, padDay, padMonth};
                if (form.pattern() == pattern)
                    return form;
            }
    return std::nullopt;
}

std::string ShortDateForm::format(const CivilDate& d) const {
    const std::string day = padDay ? twoDigits(d.day) : std::to_string(d.day);
    const std::string month = padMonth ? twoDigits(d.month) : std::to_string(d.month);
    std::string year = std::to_string(d.year);
    while (year.size() < 4)
        year.insert(0, "0");
    switch (order) {
    case Order::DayMonthYear:
        return day + "/" + month + "/" + year;
    case Order::YearMonthDay:
        return year + "/" + month + "/" + day;
    case Order::MonthDayYear:
        break;
    }
    return month + "/" + day + "/" + year;
}

std::optional<CivilDate> ShortDateForm::parse(std::string_view text, int referenceYear) const {
    text = trimSpaces(text);
    std::array<int, 3> parts{};
    std::array<std::size_t, 3> widths{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t before = text.size();
        const auto v = readNumber(text, 4);
        if (!v)
            return std::nullopt;
        parts[i] = *v;
        widths[i] = before - text.size();
        if (i < 2) {
            if (text.empty() || text.front() != '/')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;
    std::size_t yi = 2, mi = 0, di = 1;
    if (order == Order::DayMonthYear) {
        di = 0;
        mi = 1;
    } else if (order == Order::YearMonthDay) {
        yi = 0;
        mi = 1;
        di = 2;
    }
    if (widths[mi] > 2 || widths[di] > 2 || (widths[yi] != 2 && widths[yi] != 4))
        return std::nullopt;
    CivilDate d{parts[yi], parts[mi], parts[di]};
    if (widths[yi] == 2) {
        // The century that puts the year nearest to the reference year.
        const int base = referenceYear - referenceYear % 100;
        int best = base + d.year;
        for (int c : {base - 100, base + 100}) {
            if (std::abs(c + d.year - referenceYear) < std::abs(best - referenceYear))
                best = c + d.year;
        }
        d.year = best;
    }
    if (!isValidDate(d))
        return std::nullopt;
    return d;
}

std::string formatHms(std::int64_t seconds) {
    const CivilDateTime t = toCivil(seconds);
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

namespace {
std::string numericDate(const CivilDate& d, const char* pattern) {
    char buf[40];
    std::snprintf(buf, sizeof buf, pattern, d.year, d.month, d.day);
    return buf;
}
} // namespace

std::string cabrilloDate(const CivilDate& d) {
    return numericDate(d, "%04d-%02d-%02d");
}

std::string adifDate(const CivilDate& d) {
    return numericDate(d, "%04d%02d%02d");
}

std::string cabrilloTime(int secondsOfDay) {
    return twoDigits(secondsOfDay / 3600) + twoDigits(secondsOfDay / 60 % 60);
}

std::string adifTime(int secondsOfDay) {
    return cabrilloTime(secondsOfDay);
}

std::string formatTwelveHour(std::int64_t seconds, bool& isPm) {
    const CivilDateTime t = toCivil(seconds);
    isPm = t.hour >= 12;
    int h = t.hour % 12;
    if (h == 0)
        h = 12;
    return std::to_string(h) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::optional<int> parseTimeOfDay(std::string_view text) {
    text = trimSpaces(text);
    const auto h = readNumber(text, 2);
    if (!h || text.empty() || text.front() != ':')
        return std::nullopt;
    text.remove_prefix(1);
    const std::size_t before = text.size();
    const auto m = readNumber(text, 2);
    if (!m || before - text.size() != 2)
        return std::nullopt;
    int s = 0;
    if (!text.empty()) {
        if (text.front() != ':')
            return std::nullopt;
        text.remove_prefix(1);
        const std::size_t b2 = text.size();
        const auto sv = readNumber(text, 2);
        if (!sv || b2 - text.size() != 2 || !text.empty())
            return std::nullopt;
        s = *sv;
    }
    if (*h > 23 || *m > 59 || s > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + s;
}

std::string durationText(std::int64_t seconds) {
    const auto part = [](std::int64_t v) {
        const std::string text = std::to_string(v);
        if (v < 10)
            return "0" + text.substr(text.size() - 1);
        return text.substr(text.size() - 2);
    };
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 - 60 * hours;
    const std::int64_t secs = seconds - 60 * (seconds / 60);
    return part(hours) + ":" + part(minutes) + ":" + part(secs);
}

std::optional<std::int64_t> parseStamp(const ShortDateForm& form, std::string_view date,
                                       std::string_view time, int referenceYear) {
    const auto d = form.parse(date, referenceYear);
    const auto t = parseTimeOfDay(time);
    if (!d || !t)
        return std::nullopt;
    return daysFromCivil(*d) * 86400 + *t;
}

} // namespace vantor
