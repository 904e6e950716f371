#include "core/Numbers.h"

#include <charconv>

namespace vantor {

std::optional<std::int32_t> parseDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string signBlank(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace vantor
