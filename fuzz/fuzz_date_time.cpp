// Dates, times and date patterns from any text: what reads as a date or a time is a
// real one and formats back to text that reads the same.

#include "FuzzCheck.h"
#include "core/DateTime.h"

#include <cstdint>
#include <cstring>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    ShortDateForm form;
    form.order = static_cast<ShortDateForm::Order>(data[0] % 3);
    form.padDay = data[0] & 4;
    form.padMonth = data[0] & 8;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (const auto date = form.parse(text, 2026)) {
        FUZZ_CHECK(date->month >= 1 && date->month <= 12 && date->day >= 1 && date->day <= 31);
        const auto again = form.parse(form.format(*date), 2026);
        FUZZ_CHECK(again && again->year == date->year && again->month == date->month &&
                   again->day == date->day);
    }
    if (const auto time = parseTimeOfDay(text)) {
        FUZZ_CHECK(*time >= 0 && *time < 86400);
        FUZZ_CHECK(parseTimeOfDay(formatHms(*time)) == time);
    }
    const auto split = text.find(' ');
    if (split != std::string_view::npos)
        (void)parseStamp(form, text.substr(0, split), text.substr(split + 1), 2026);
    const ShortDateForm fromText = ShortDateForm::fromPattern(text);
    (void)fromText.format({2026, 11, 7});

    if (size >= 9) {
        std::int64_t seconds = 0;
        std::memcpy(&seconds, data + 1, sizeof seconds);
        seconds %= std::int64_t{1} << 40; // far beyond any contest, either way
        FUZZ_CHECK(durationText(seconds).size() == 8);
        bool pm = false;
        (void)formatTwelveHour(seconds, pm);
        (void)formatHms(seconds);
    }
    return 0;
}
