#include "aids/AidsSettings.h"

#include "aids/AidText.h"
#include "core/SettingsLines.h"

#include <charconv>

namespace vantor::aids {

namespace {
std::optional<WindowPlace> placeOf(std::string_view v) {
    WindowPlace p;
    int* parts[] = {&p.x, &p.y, &p.width, &p.height};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? v.find(',') : v.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const std::string_view part = trimmed(v.substr(0, comma));
        const auto r = std::from_chars(part.data(), part.data() + part.size(), *parts[i]);
        if (r.ec != std::errc() || r.ptr != part.data() + part.size())
            return std::nullopt;
        v.remove_prefix(std::min(v.size(), comma + 1));
    }
    if (p.width < 50 || p.height < 30 || p.width > 10000 || p.height > 10000 || p.x < -10000 ||
        p.y < -10000 || p.x > 20000 || p.y > 20000)
        return std::nullopt;
    return p;
}
} // namespace

AidsSettings parseAidsSettings(std::string_view text) {
    AidsSettings s;
    forEachSetting(text, [&s](std::string_view key, std::string_view value) {
        if (key == "checkpartial")
            s.checkPartial = trimmed(value) == "on";
        else if (key == "sectioncue")
            s.sectionCue = trimmed(value) == "on";
        else if (key == "history")
            s.history = std::string(value);
        else if (key == "listwindow")
            s.listWindow = placeOf(value);
    });
    return s;
}

std::string formatAidsSettings(const AidsSettings& s) {
    std::string out;
    out += std::string("checkpartial=") + (s.checkPartial ? "on" : "off") + "\n";
    out += std::string("sectioncue=") + (s.sectionCue ? "on" : "off") + "\n";
    if (!s.history.empty() && s.history.find_first_of("\r\n") == std::string::npos)
        out += "history=" + s.history + "\n";
    if (const auto& p = s.listWindow)
        out += "listwindow=" + std::to_string(p->x) + "," + std::to_string(p->y) + "," +
               std::to_string(p->width) + "," + std::to_string(p->height) + "\n";
    return out;
}

AidsSettings readAidsSettings(const std::string& path) {
    std::string bytes;
    if (readAidFile(path, bytes) != AidRead::Ok)
        return {};
    return parseAidsSettings(bytes);
}

IoResult writeAidsSettings(const std::string& path, const AidsSettings& s) {
    return replaceAtomically(path, formatAidsSettings(s));
}

} // namespace vantor::aids
