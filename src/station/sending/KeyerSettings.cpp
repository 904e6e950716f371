#include "station/sending/KeyerSettings.h"

#include "core/SettingsLines.h"

#include <algorithm>
#include <charconv>

namespace vantor {

const char* keyerKindName(KeyerKind kind) {
    switch (kind) {
    case KeyerKind::CwDaemon:
        return "cwdaemon";
    case KeyerKind::Radio:
        return "radio";
    case KeyerKind::None:
        break;
    }
    return "none";
}

int clampSpeed(int wpm) {
    return std::clamp(wpm, MinSpeed, MaxSpeed);
}

namespace {

bool readInt(std::string_view v, int low, int high, int& out) {
    v = trimSetting(v);
    int n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || end != v.data() + v.size() || n < low || n > high)
        return false;
    out = n;
    return true;
}

bool validHost(std::string_view host) {
    return !host.empty() && host.size() <= 253 && std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-' || c == ':';
    });
}

} // namespace

KeyerSettings parseKeyerSettings(std::string_view bytes) {
    KeyerSettings s;
    forEachSetting(bytes, [&s](std::string_view key, std::string_view raw) {
        const auto value = trimSetting(raw);
        int n = 0;
        if (key == "keyer") {
            if (value == "cwdaemon")
                s.kind = KeyerKind::CwDaemon;
            else if (value == "radio")
                s.kind = KeyerKind::Radio;
            else if (value == "none")
                s.kind = KeyerKind::None;
        } else if (key == "host" && validHost(value)) {
            s.host = std::string(value);
        } else if (key == "port" && readInt(value, 1, 65535, n)) {
            s.port = n;
        } else if (key == "speed" && readInt(value, 1, 999, n)) {
            s.speed = clampSpeed(n);
        } else if (key == "cut" && readInt(value, 0, 1, n)) {
            s.cutNumbers = n == 1;
        } else if (key == "enter_sends" && readInt(value, 0, 1, n)) {
            s.enterSends = n == 1;
        } else if (key == "voice" && readInt(value, 0, 1, n)) {
            s.voice = n == 1;
        }
    });
    return s;
}

std::string formatKeyerSettings(const KeyerSettings& s) {
    std::string out = "# Vantor keyer: keyer=none, cwdaemon or radio\r\n";
    out += std::string("keyer=") + keyerKindName(s.kind) + "\r\n";
    out += "host=" + (validHost(s.host) ? s.host : std::string("127.0.0.1")) + "\r\n";
    out += "port=" + std::to_string(s.port) + "\r\n";
    out += "speed=" + std::to_string(clampSpeed(s.speed)) + "\r\n";
    out += std::string("cut=") + (s.cutNumbers ? "1" : "0") + "\r\n";
    out += std::string("enter_sends=") + (s.enterSends ? "1" : "0") + "\r\n";
    out += std::string("voice=") + (s.voice ? "1" : "0") + "\r\n";
    return out;
}

KeyerSettings loadKeyerSettings(const std::string& path) {
    return loadSettingsFile(path, parseKeyerSettings);
}

IoResult saveKeyerSettings(const KeyerSettings& settings, const std::string& path) {
    return replaceAtomically(path, formatKeyerSettings(settings));
}

} // namespace vantor
