#pragma once
// The "key=value" lines of the station and aids settings files, read tolerantly: any
// line end, blank lines and "#" comments skipped, a line without "=" skipped, the key
// trimmed and the value taken as it stands up to the line end.

#include "core/FileOps.h"

#include <string>
#include <string_view>

namespace vantor {

// Spaces and tabs off both ends.
inline std::string_view trimSetting(std::string_view v) {
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    return v;
}

template <typename Visit> void forEachSetting(std::string_view bytes, Visit visit) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        auto end = bytes.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = bytes.size();
        const auto line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty() || line[0] == '#')
            continue;
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        visit(trimSetting(line.substr(0, eq)), line.substr(eq + 1));
    }
}

// The settings that `parse` makes of the file; its defaults when the file is missing or
// cannot be read.
template <typename Parse> auto loadSettingsFile(const std::string& path, Parse parse) {
    std::string bytes;
    if (readWholeFile(path, bytes) != ReadStatus::Ok)
        bytes.clear();
    return parse(bytes);
}

} // namespace vantor
