#include "station/share/ShareSettings.h"

#include "core/SettingsLines.h"

#include <cctype>
#include <optional>

namespace vantor::share {

namespace {

std::optional<int> portNumber(std::string_view s) {
    if (s.empty() || s.size() > 5)
        return std::nullopt;
    int n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 65535)
        return std::nullopt;
    return n;
}

bool plainHost(std::string_view host) {
    if (host.empty())
        return false;
    for (const char c : host) {
        const auto u = static_cast<unsigned char>(c);
        if (!(std::isalnum(u) || c == '.' || c == '-' || c == '_' || c == ':'))
            return false;
    }
    return true;
}

} // namespace

std::optional<Destination> parseDestination(std::string_view text) {
    text = trimSetting(text);
    Destination d;
    std::string_view host = text;
    std::string_view port;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return std::nullopt;
            port = rest.substr(1);
            if (port.empty())
                return std::nullopt;
        }
    } else if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        if (text.find(':', colon + 1) != std::string_view::npos)
            return std::nullopt; // a bare v6 address needs its brackets
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty())
            return std::nullopt;
    }
    if (!plainHost(host))
        return std::nullopt;
    d.host = std::string(host);
    if (!port.empty()) {
        const auto n = portNumber(port);
        if (!n)
            return std::nullopt;
        d.port = *n;
    }
    return d;
}

std::string destinationText(const Destination& d) {
    const bool v6 = d.host.find(':') != std::string::npos;
    return (v6 ? "[" + d.host + "]" : d.host) + ":" + std::to_string(d.port);
}

ShareSettings parseShareSettings(std::string_view text) {
    ShareSettings s;
    std::vector<Destination> listed;
    forEachSetting(text, [&](std::string_view key, std::string_view raw) {
        const std::string_view value = trimSetting(raw);
        if (key == "broadcast" && (value == "on" || value == "off"))
            s.on = value == "on";
        else if (key == "destination")
            if (const auto d = parseDestination(value))
                listed.push_back(*d);
    });
    if (!listed.empty())
        s.destinations = std::move(listed);
    return s;
}

std::string formatShareSettings(const ShareSettings& s) {
    std::string out = std::string("broadcast=") + (s.on ? "on" : "off") + "\n";
    for (const Destination& d : s.destinations)
        out += "destination=" + destinationText(d) + "\n";
    return out;
}

ShareSettings loadShareSettings(const std::string& path) {
    return loadSettingsFile(path, parseShareSettings);
}

IoResult saveShareSettings(const ShareSettings& settings, const std::string& path) {
    return replaceAtomically(path, formatShareSettings(settings));
}

} // namespace vantor::share
