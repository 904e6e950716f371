#pragma once
// Which keyer sends and how: none, cwdaemon at a host and port, or the radio's own
// keyer; the speed, cut numbers and Enter sends message. Kept in "nskeyer.txt" in the
// contest folder ("keyer=cwdaemon", "speed=28", ...); a value the reader cannot use
// keeps its default.

#include "core/FileOps.h"

#include <string>
#include <string_view>

namespace vantor {

inline constexpr const char* KeyerFileName = "nskeyer.txt";
inline constexpr int MinSpeed = 10;
inline constexpr int MaxSpeed = 50;
inline constexpr int SpeedStep = 2;

enum class KeyerKind { None, CwDaemon, Radio };

struct KeyerSettings {
    KeyerKind kind = KeyerKind::None;
    std::string host = "127.0.0.1";
    int port = 6789;
    int speed = 28;
    bool cutNumbers = false;
    bool enterSends = false;
    bool voice = false; // F-keys play voice files on phone

    bool operator==(const KeyerSettings&) const = default;
};

const char* keyerKindName(KeyerKind kind);
int clampSpeed(int wpm);

KeyerSettings parseKeyerSettings(std::string_view bytes);
std::string formatKeyerSettings(const KeyerSettings& settings);

KeyerSettings loadKeyerSettings(const std::string& path = KeyerFileName);
IoResult saveKeyerSettings(const KeyerSettings& settings, const std::string& path = KeyerFileName);

} // namespace vantor
