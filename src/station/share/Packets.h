#pragma once
// The logger broadcast's XML datagrams, as other programs (score boards, maps, general
// logbooks) listen for them on UDP: contactinfo when a contact is logged,
// contactreplace when it is corrected, contactdelete when it is taken out, RadioInfo
// for the radio's frequency and mode. Frequencies travel in tens of hertz, booleans
// as True and False, the text as UTF-8 with XML's five characters escaped.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::share {

inline constexpr std::string_view AppName = "Vantor";

// One contact as the packets tell it.
struct ContactFacts {
    std::string id;        // stable for the contact: 32 hexadecimal digits
    std::string contest;   // "ARRL-SS-CW" or "ARRL-SS-SSB"
    std::string timestamp; // UTC "2026-11-07 21:05:10"
    std::string myCall;
    std::string band; // in MHz as the packets have it: "1.8", "3.5", "7" .. "28"
    std::string mode; // "CW" or "SSB"
    std::string call;
    std::string sentSerial;
    std::string receivedSerial;
    std::string precedence;
    std::string check;
    std::string section;
    std::string sentExchange; // "<serial> <prec> <call> <check> <section>"
    std::string stationName;  // this computer's name
    std::int64_t hz = 0;      // the radio's frequency when it is known, else 0
    bool newSection = false;  // the first contact with its section
    bool radioInterfaced = false;

    bool operator==(const ContactFacts&) const = default;
};

enum class ContactPacket { Info, Replace };

std::string contactPacket(ContactPacket kind, const ContactFacts& facts);
std::string contactDeletePacket(const ContactFacts& facts);

struct RadioFacts {
    std::int64_t hz = 0;
    std::string mode; // the radio's own mode name, "CW", "USB", "LSB" ..
    std::string opCall;
    std::string stationName;
};

std::string radioPacket(const RadioFacts& facts);

// The band code of the log ("160" .. "10") in MHz as the packets give it; any other
// code as it stands.
std::string bandMegahertz(std::string_view code);

// Latin-1 text as UTF-8 with &, <, >, " and ' escaped.
std::string xmlText(std::string_view latin1);

} // namespace vantor::share
