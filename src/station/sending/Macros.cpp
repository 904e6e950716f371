#include "station/sending/Macros.h"

#include <algorithm>

namespace vantor {

const std::vector<MacroName>& macroNames() {
    static const std::vector<MacroName> names = {
        {"{MYCALL}", "own call"},
        {"{NR}", "next serial number sent"},
        {"{MYPREC}", "own precedence"},
        {"{MYCK}", "own check"},
        {"{MYSEC}", "own section"},
        {"{CALL}", "the call in the call field"},
        {"{HISNR}", "the serial number received"},
        {"{HISPREC}", "the precedence received"},
        {"{HISCK}", "the check received"},
        {"{HISSEC}", "the section received"},
    };
    return names;
}

std::string withoutLeadingZeros(std::string_view digits) {
    const bool allDigits = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!allDigits)
        return std::string(digits);
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

std::string cutNumbers(std::string_view digits) {
    std::string out(digits);
    for (char& c : out) {
        if (c == '0')
            c = 'T';
        else if (c == '9')
            c = 'N';
        else if (c == '1')
            c = 'A';
    }
    return out;
}

namespace {

std::string number(std::string_view digits, bool cut, bool dropZeros) {
    const std::string plain = dropZeros ? withoutLeadingZeros(digits) : std::string(digits);
    return cut ? cutNumbers(plain) : plain;
}

std::optional<std::string> value(std::string_view name, const MacroContext& c, bool cut) {
    if (name == "MYCALL")
        return c.myCall;
    if (name == "NR")
        return c.serial ? number(std::to_string(*c.serial), cut, true) : std::string();
    if (name == "MYPREC")
        return c.myPre;
    if (name == "MYCK")
        return number(c.myCk, cut, false); // a check keeps both digits: 05 is a year
    if (name == "MYSEC")
        return c.mySec;
    if (name == "CALL")
        return c.call;
    if (name == "HISNR")
        return number(c.num, cut, true);
    if (name == "HISPREC")
        return c.pre;
    if (name == "HISCK")
        return number(c.ck, cut, false);
    if (name == "HISSEC")
        return c.sec;
    return std::nullopt;
}

} // namespace

std::string expandMacros(std::string_view text, const MacroContext& context, bool cut) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto open = text.find('{', at);
        const auto close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, open - at);
        const auto name = text.substr(open + 1, close - open - 1);
        if (const auto v = value(name, context, cut))
            out += *v;
        else
            out += text.substr(open, close - open + 1);
        at = close + 1;
    }
    return out;
}

} // namespace vantor
