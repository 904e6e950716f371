#pragma once
// The macros of the messages: the station's own data, the next serial number sent and
// what is typed in the entry fields, put into a message's text as it goes out.
//
//   {MYCALL} {NR} {MYPREC} {MYCK} {MYSEC}    own call, next serial sent, own exchange
//   {CALL} {HISNR} {HISPREC} {HISCK} {HISSEC} the entry fields
//
// Numbers go out without leading zeros; with cut numbers 0 goes as T, 9 as N and 1 as
// A. A name in braces that is not a macro goes out as it stands.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct MacroContext {
    std::string myCall, myPre, myCk, mySec;
    std::optional<long long> serial; // the serial number the commit will store
    std::string call, num, pre, ck, sec;
};

struct MacroName {
    const char* name;
    const char* meaning;
};
// The macros with a line of explanation each, for the dialog and the help.
const std::vector<MacroName>& macroNames();

// Digits without their leading zeros ("0" stays "0"); other text unchanged.
std::string withoutLeadingZeros(std::string_view digits);
// Digits written as cut numbers: 0 T, 9 N, 1 A.
std::string cutNumbers(std::string_view digits);

std::string expandMacros(std::string_view text, const MacroContext& context, bool cut);

} // namespace vantor
