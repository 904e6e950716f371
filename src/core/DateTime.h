#pragma once
// Dates and times as the program stores and shows them. A date-time is a count of
// wall-clock seconds since 1970-01-01 00:00:00 with no time zone attached: local
// time and UTC are both held this way, UTC being local plus the station's hours.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    bool operator==(const CivilDate&) const = default;
};

struct CivilDateTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

std::int64_t daysFromCivil(const CivilDate& d);
CivilDate civilFromDays(std::int64_t days);
std::int64_t toSeconds(const CivilDateTime& t);
CivilDateTime toCivil(std::int64_t seconds);
bool isValidDate(const CivilDate& d);

// Floor division of milliseconds into whole seconds (correct for negatives too).
constexpr std::int64_t wholeSeconds(std::int64_t ms) {
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

// The operating system's short date form reduced to what the program writes: numbers
// separated by "/", the locale's order of day and month, a four-digit year.
struct ShortDateForm {
    enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };
    Order order = Order::MonthDayYear;
    bool padDay = false;   // "07" rather than "7"
    bool padMonth = false; // "07" rather than "7"

    // From a locale's date pattern such as "M/d/yy" or "dd.MM.yyyy"; a pattern that
    // is not numeric (month names) or that cannot be read gives M/d/yyyy.
    static ShortDateForm fromPattern(std::string_view pattern);

    // The form as a pattern of the same kind: "M/d/yyyy", "dd/MM/yyyy", "yyyy/M/d".
    std::string pattern() const;
    // Only a pattern that pattern() gives; anything else is none.
    static std::optional<ShortDateForm> fromOwnPattern(std::string_view pattern);

    std::string format(const CivilDate& d) const;
    // Reads the program's own form; the year may have two or four digits, a two-digit
    // year taking the century nearest to referenceYear.
    std::optional<CivilDate> parse(std::string_view text, int referenceYear) const;

    bool operator==(const ShortDateForm&) const = default;
};

// "hh:mm:ss" on the 24-hour clock.
std::string formatHms(std::int64_t seconds);
// 12-hour "h:mm:ss" without the day-half designator; isPm tells which half.
std::string formatTwelveHour(std::int64_t seconds, bool& isPm);
// Seconds of the day from "h:mm:ss", "hh:mm:ss", "h:mm" or "hh:mm" within range.
std::optional<int> parseTimeOfDay(std::string_view text);
// Duration "hh:mm:ss": each part as two characters (its last two digits), so 100
// hours show as 00.
std::string durationText(std::int64_t seconds);

// The exchange forms of a UTC date and of a time of day (secondsOfDay 0..86399, the
// seconds left out). Cabrillo's QSO: lines: "2026-11-07" and "0905"; ADIF's QSO_DATE
// and TIME_ON: "20261107" and "0905".
std::string cabrilloDate(const CivilDate& d);
std::string cabrilloTime(int secondsOfDay);
std::string adifDate(const CivilDate& d);
std::string adifTime(int secondsOfDay);

// A contact's stamp ("date time") read back with the form it was written in.
std::optional<std::int64_t> parseStamp(const ShortDateForm& form, std::string_view date,
                                       std::string_view time, int referenceYear);

} // namespace vantor
