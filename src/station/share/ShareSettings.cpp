#include "station/share/ShareSettings.h"

#include <cctype>
#include <optional>

namespace vantor::share {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

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
    text = trim(text);
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
    std::size_t at = 0;
    while (at < text.size()) {
        auto end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const auto eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        if (key == "broadcast" && (value == "on" || value == "off"))
            s.on = value == "on";
        else if (key == "destination")
            if (const auto d = parseDestination(value))
                listed.push_back(*d);
    }
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
    std::string text;
    if (readWholeFile(path, text) != ReadStatus::Ok)
        return {};
    return parseShareSettings(text);
}

IoResult saveShareSettings(const ShareSettings& settings, const std::string& path) {
    return replaceAtomically(path, formatShareSettings(settings));
}

} // namespace vantor::share
