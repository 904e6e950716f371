#pragma once
// Number texts as the program reads and shows them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A decimal integer with optional surrounding spaces and an optional sign; empty
// when the text is anything else or does not fit 32 bits.
std::optional<std::int32_t> parseDecimal(std::string_view text);

// The number with one leading space where a minus sign would stand: " 5", "-5".
std::string signBlank(std::int64_t value);

} // namespace vantor
