#pragma once
// One logged contact: the nine text fields of a log line, in file order.

#include <array>
#include <cstddef>
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

    // The fields in file order: every reader, writer and dialog walks this list.
    static constexpr std::size_t FieldCount = 9;
    using Field = std::string Contact::*;
    static constexpr std::array<Field, FieldCount> Fields{
        &Contact::NumSent, &Contact::Num,  &Contact::Pre,  &Contact::Call, &Contact::Ck,
        &Contact::Sec,     &Contact::Date, &Contact::Time, &Contact::Bnd};
};

} // namespace vantor
