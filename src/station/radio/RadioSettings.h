#pragma once
// The radio's settings, kept in "nsradio.txt" in the contest folder: key=value lines.
// Reading takes what it understands and keeps defaults for the rest (a file edited by
// hand, a damaged one); writing replaces the file atomically.

#include "core/FileOps.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vantor::radio {

inline constexpr const char* RadioFileName = "nsradio.txt";

enum class RadioMode {
    None,   // no radio: the program as without rig control
    Own,    // Vantor starts and ends its own rigctld for the radio on a serial port
    Shared, // a rigctld already running, shared with other programs
};

struct RadioSettings {
    RadioMode mode = RadioMode::None;
    int model = 1;                       // Hamlib's rig model number (rigctl -l)
    std::string device = "/dev/ttyUSB0"; // the radio's serial port
    int speed = 9600;                    // its baud rate
    std::string program = "rigctld";     // the rigctld to start
    std::string host = "127.0.0.1";      // a shared rigctld's address
    int port = 4532;
    // The last frequency on each contest band (ContestBands order), 0 while unknown.
    std::array<std::int64_t, 6> lastHz{};

    bool operator==(const RadioSettings&) const = default;
};

RadioSettings parseRadioSettings(const std::string& text);
std::string formatRadioSettings(const RadioSettings& settings);

// A running rigctld's address as the operator types it: "host:port", "[v6 address]:port",
// or a host alone for rigctld's usual port 4532.
struct RigAddress {
    std::string host;
    int port = 4532;
    bool operator==(const RigAddress&) const = default;
};
std::optional<RigAddress> parseRigAddress(const std::string& text);

// A missing file is no radio.
RadioSettings loadRadioSettings(const std::string& path = RadioFileName);
IoResult saveRadioSettings(const RadioSettings& settings, const std::string& path = RadioFileName);

} // namespace vantor::radio
