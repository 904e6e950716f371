#pragma once
// One logged contact: the nine text fields of a log line, in file order.

#include <string>

namespace vantor {

struct Contact {
    std::string NumSent; // serial number sent
    std::string Num;     // serial number received
    std::string Pre;     // precedence
    std::string Call;    // call sign worked
    std::string Ck;      // check
    std::string Sec;     // section abbreviation
    std::string Date;    // UTC date, short date form
    std::string Time;    // UTC time, hh:mm:ss
    std::string Bnd;     // band code

    bool operator==(const Contact&) const = default;
};

} // namespace vantor
