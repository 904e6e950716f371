#include "core/DateTime.h"
#include "core/DateFormFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor;
using Order = ShortDateForm::Order;
using namespace vantor::test;

TEST(ShortDateForm, FromLocalePatterns) {
    struct Case {
        const char* pattern;
        Order order;
        bool padDay;
        bool padMonth;
    };
    const Case cases[] = {
        {"M/d/yy", Order::MonthDayYear, false, false},
        {"dd/MM/yyyy", Order::DayMonthYear, true, true},
        {"dd.MM.yy", Order::DayMonthYear, true, true},
        {"d.M.yyyy", Order::DayMonthYear, false, false},
        {"yyyy-MM-dd", Order::YearMonthDay, true, true},
        {"yy/M/d", Order::YearMonthDay, false, false},
        {"d MMM yyyy", Order::MonthDayYear, false, false}, // month name: not numeric
        {"dddd, MMMM d, yyyy", Order::MonthDayYear, false, false},
        {"", Order::MonthDayYear, false, false},
        {"'Day' dd/MM/yyyy", Order::DayMonthYear, true, true},
    };
    for (const Case& c : cases) {
        const ShortDateForm f = ShortDateForm::fromPattern(c.pattern);
        EXPECT_EQ(f.order, c.order) << c.pattern;
        EXPECT_EQ(f.padDay, c.padDay) << c.pattern;
        EXPECT_EQ(f.padMonth, c.padMonth) << c.pattern;
    }
}

TEST(ShortDateForm, FormatsWithFourDigitYears) {
    const CivilDate d{2026, 11, 7};
    EXPECT_EQ(ShortDateForm::fromPattern("M/d/yy").format(d), "11/7/2026");
    EXPECT_EQ(ShortDateForm::fromPattern("dd/MM/yyyy").format(d), "07/11/2026");
    EXPECT_EQ(ShortDateForm::fromPattern("yyyy-MM-dd").format(d), "2026/11/07");
    EXPECT_EQ(ShortDateForm{}.format({1999, 1, 2}), "1/2/1999");
}

TEST(ShortDateForm, ParsesItsOwnFormAndTwoDigitYears) {
    const ShortDateForm us{};
    const ShortDateForm gb = ShortDateForm::fromPattern("dd/MM/yyyy");
    struct Case {
        const ShortDateForm* form;
        const char* text;
        bool ok;
        CivilDate date;
    };
    const Case cases[] = {
        {&us, "11/7/2026", true, {2026, 11, 7}},
        {&us, " 11/7/2026 ", true, {2026, 11, 7}},
        {&us, "11/7/99", true, {1999, 11, 7}},
        {&us, "11/7/26", true, {2026, 11, 7}},
        {&us, "1/1/77", true, {1977, 1, 1}},
        {&us, "1/1/75", true, {2075, 1, 1}},
        {&us, "2/29/2024", true, {2024, 2, 29}},
        {&gb, "07/11/2026", true, {2026, 11, 7}},
        {&gb, "7/11/26", true, {2026, 11, 7}},
        {&us, "2/29/2026", false, {}},
        {&us, "13/7/2026", false, {}},
        {&us, "11/31/2026", false, {}},
        {&gb, "11/31/2026", false, {}},
        {&us, "11-7-2026", false, {}},
        {&us, "11/7/202", false, {}},
        {&us, "11/7", false, {}},
        {&us, "", false, {}},
        {&us, "11/7/2026x", false, {}},
        {&us, "111/7/2026", false, {}},
    };
    for (const Case& c : cases) {
        const auto d = c.form->parse(c.text, 2026);
        EXPECT_EQ(d.has_value(), c.ok) << c.text;
        if (c.ok && d) {
            EXPECT_EQ(*d, c.date) << c.text;
        }
    }
}

TEST(TimeTexts, HmsTwelveHourAndDuration) {
    EXPECT_EQ(formatHms(toSeconds({{2026, 11, 7}, 2, 0, 5})), "02:00:05");
    EXPECT_EQ(formatHms(toSeconds({{2026, 11, 7}, 23, 59, 59})), "23:59:59");

    struct Twelve {
        int h, m, s;
        const char* text;
        bool pm;
    };
    const Twelve twelve[] = {
        {0, 0, 0, "12:00:00", false}, {9, 0, 5, "9:00:05", false}, {11, 59, 59, "11:59:59", false},
        {12, 5, 3, "12:05:03", true}, {21, 0, 5, "9:00:05", true},
    };
    for (const Twelve& t : twelve) {
        bool pm = false;
        EXPECT_EQ(formatTwelveHour(toSeconds({{2026, 11, 7}, t.h, t.m, t.s}), pm), t.text);
        EXPECT_EQ(pm, t.pm) << t.text;
    }

    struct Duration {
        std::int64_t seconds;
        const char* text;
    };
    const Duration durations[] = {
        {0, "00:00:00"},      {59, "00:00:59"},     {3599, "00:59:59"},  {3725, "01:02:05"},
        {3661, "01:01:01"},   {36000, "10:00:00"},  {32767, "09:06:07"}, {86399, "23:59:59"},
        {360000, "00:00:00"}, {363725, "01:02:05"},
    };
    for (const Duration& d : durations)
        EXPECT_EQ(durationText(d.seconds), d.text) << d.seconds;
}

TEST(TimeTexts, TimeOfDayReading) {
    struct Case {
        const char* text;
        int seconds; // -1: refused
    };
    const Case cases[] = {
        {"02:00:05", 7205}, {"2:00:05", 7205},   {"23:59:59", 86399},
        {"1:02", 3720},     {"00:00", 0},        {"24:00:00", -1},
        {"12:60:00", -1},   {"12:00:60", -1},    {"12:5", -1},
        {"", -1},           {"12", -1},          {"12:00:0", -1},
        {"a2:00:00", -1},   {"12:00:00:00", -1},
    };
    for (const Case& c : cases) {
        const auto t = parseTimeOfDay(c.text);
        if (c.seconds < 0)
            EXPECT_FALSE(t.has_value()) << c.text;
        else
            EXPECT_EQ(t, c.seconds) << c.text;
    }
}

TEST(TimeTexts, CabrilloAndAdifForms) {
    const std::pair<CivilDate, const char*> dates[] = {
        {{2026, 11, 7}, "2026-11-07"}, {{2026, 1, 31}, "2026-01-31"}, {{999, 12, 1}, "0999-12-01"}};
    for (const auto& [date, text] : dates) {
        EXPECT_EQ(cabrilloDate(date), text);
        std::string compact = text;
        std::erase(compact, '-');
        EXPECT_EQ(adifDate(date), compact);
    }
    const std::pair<int, const char*> times[] = {
        {0, "0000"}, {9 * 3600 + 5 * 60 + 59, "0905"}, {86399, "2359"}};
    for (const auto& [secondsOfDay, text] : times) {
        EXPECT_EQ(cabrilloTime(secondsOfDay), text);
        EXPECT_EQ(adifTime(secondsOfDay), text);
    }
}

TEST(CivilDates, RoundTripAcrossYearsAndLeapDays) {
    for (std::int64_t day = -800000; day <= 800000; day += 997) {
        const CivilDate d = civilFromDays(day);
        ASSERT_EQ(daysFromCivil(d), day);
    }
    const auto t = toCivil(toSeconds({{2026, 11, 6}, 23, 30, 0}) + 5 * 3600);
    EXPECT_EQ(t.date, (CivilDate{2026, 11, 7}));
    EXPECT_EQ(t.hour, 4);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(toCivil(toSeconds({{2026, 12, 31}, 22, 0, 0}) + 3 * 3600).date,
              (CivilDate{2027, 1, 1}));
}

TEST(DateFormRecord, TheFolderKeepsItsFormAndRefusesAnyOther) {
    const std::pair<const char*, const char*> cases[] = {
        // nsdate.txt's bytes, the form read ("" damaged)
        {"\"M/d/yyyy\"\r\n", "M/d/yyyy"},
        {"\"dd/MM/yyyy\"", "dd/MM/yyyy"}, // no final line end
        {"  \"yyyy/MM/dd\"\r\n", "yyyy/MM/dd"},
        {"\"d/M/yy\"\r\n", ""},
        {"\"dd.MM.yyyy\"\r\n", ""},
        {"", ""},
        {"\"M/d/yyyy\r\n", ""},
    };
    for (const auto& [bytes, pattern] : cases) {
        const DateFormRecord r = parseDateForm(bytes);
        EXPECT_EQ(r.status == DateFormRecord::Status::Read ? r.form.pattern() : "", pattern)
            << bytes;
    }
    TempDir dir;
    EXPECT_EQ(readDateForm("nsdate.txt").status, DateFormRecord::Status::Missing);
    const ShortDateForm british = ShortDateForm::fromPattern("dd/MM/yyyy");
    ASSERT_TRUE(writeDateForm("nsdate.txt", british));
    EXPECT_EQ(readFile("nsdate.txt"), "\"dd/MM/yyyy\"\r\n");
    EXPECT_EQ(readDateForm("nsdate.txt").form, british);
}
