#include "station/radio/RadioSettings.h"

#include "core/SettingsLines.h"
#include "station/radio/BandPlan.h"

#include <cctype>
#include <optional>

namespace vantor::radio {

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::int64_t> number(const std::string& s, std::int64_t low, std::int64_t high) {
    if (s.empty() || s.size() > 13)
        return std::nullopt;
    std::int64_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

// A value that stays on its line when written back.
std::string oneLine(const std::string& s) {
    std::string out;
    for (const char c : s) {
        if (c != '\n' && c != '\r' && c != '\0')
            out.push_back(c);
    }
    return trim(out);
}

} // namespace

RadioSettings parseRadioSettings(const std::string& text) {
    RadioSettings s;
    forEachSetting(text, [&s](std::string_view rawKey, std::string_view rawValue) {
        const std::string key(rawKey);
        const std::string value(trimSetting(rawValue));
        if (key == "radio") {
            if (value == "none")
                s.mode = RadioMode::None;
            else if (value == "own")
                s.mode = RadioMode::Own;
            else if (value == "shared")
                s.mode = RadioMode::Shared;
        } else if (key == "model") {
            if (const auto n = number(value, 1, 999999))
                s.model = static_cast<int>(*n);
        } else if (key == "device" && !value.empty()) {
            s.device = value;
        } else if (key == "speed") {
            if (const auto n = number(value, 300, 4000000))
                s.speed = static_cast<int>(*n);
        } else if (key == "program" && !value.empty()) {
            s.program = value;
        } else if (key == "host" && !value.empty()) {
            s.host = value;
        } else if (key == "port") {
            if (const auto n = number(value, 1, 65535))
                s.port = static_cast<int>(*n);
        } else if (key.rfind("band", 0) == 0) {
            const int band = bandIndexOfCode(key.substr(4));
            const auto n = number(value, 0, 1'000'000'000'000);
            if (band >= 0 && n && (*n == 0 || bandIndexOf(*n) == band))
                s.lastHz[static_cast<std::size_t>(band)] = *n;
        }
    });
    return s;
}

std::string formatRadioSettings(const RadioSettings& s) {
    static constexpr const char* modes[] = {"none", "own", "shared"};
    std::string out;
    out += "radio=" + std::string(modes[static_cast<int>(s.mode)]) + "\n";
    out += "model=" + std::to_string(s.model) + "\n";
    out += "device=" + oneLine(s.device) + "\n";
    out += "speed=" + std::to_string(s.speed) + "\n";
    out += "program=" + oneLine(s.program) + "\n";
    out += "host=" + oneLine(s.host) + "\n";
    out += "port=" + std::to_string(s.port) + "\n";
    for (std::size_t i = 0; i < ContestBands.size(); ++i)
        out +=
            "band" + std::string(ContestBands[i].code) + "=" + std::to_string(s.lastHz[i]) + "\n";
    return out;
}

std::optional<RigAddress> parseRigAddress(const std::string& text) {
    std::string host = trim(text);
    std::optional<std::string> port;
    if (!host.empty() && host.front() == '[') {
        const auto close = host.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        const std::string rest = host.substr(close + 1);
        host = host.substr(1, close - 1);
        if (!rest.empty() && rest.front() != ':')
            return std::nullopt;
        if (!rest.empty())
            port = rest.substr(1);
    } else if (const auto colon = host.find(':');
               colon != std::string::npos && host.find(':', colon + 1) == std::string::npos) {
        port = host.substr(colon + 1); // one colon: host:port; more: a bare v6 address
        host.erase(colon);
    }
    if (host.empty() || host.size() > 253)
        return std::nullopt;
    for (const char c : host) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && c != '.' && c != '-' && c != '_' && c != ':')
            return std::nullopt;
    }
    RigAddress address{host, 4532};
    if (port) {
        const auto n = number(*port, 1, 65535);
        if (!n)
            return std::nullopt;
        address.port = static_cast<int>(*n);
    }
    return address;
}

RadioSettings loadRadioSettings(const std::string& path) {
    return loadSettingsFile(path, parseRadioSettings);
}

IoResult saveRadioSettings(const RadioSettings& settings, const std::string& path) {
    return replaceAtomically(path, formatRadioSettings(settings));
}

} // namespace vantor::radio
