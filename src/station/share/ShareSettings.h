#pragma once
// The contact broadcast's settings, kept in "nsshare.txt" in the contest folder:
// key=value lines ("broadcast=on", one "destination=host:port" a line). Reading takes
// what it understands and keeps defaults for the rest; writing replaces the file
// atomically. Without the file the broadcast is off.

#include "core/FileOps.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::share {

inline constexpr const char* ShareFileName = "nsshare.txt";
inline constexpr int DefaultPort = 12060;

struct Destination {
    std::string host = "127.0.0.1";
    int port = DefaultPort;

    bool operator==(const Destination&) const = default;
};

struct ShareSettings {
    bool on = false;
    std::vector<Destination> destinations{Destination{}};

    bool operator==(const ShareSettings&) const = default;
};

// "host:port", "host" (the default port) or "[v6 address]:port"; none for anything else.
std::optional<Destination> parseDestination(std::string_view text);
std::string destinationText(const Destination& d);

ShareSettings parseShareSettings(std::string_view text);
std::string formatShareSettings(const ShareSettings& settings);

ShareSettings loadShareSettings(const std::string& path = ShareFileName);
IoResult saveShareSettings(const ShareSettings& settings, const std::string& path = ShareFileName);

} // namespace vantor::share
