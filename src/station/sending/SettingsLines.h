#pragma once
// The "key=value" lines of the sending files, read tolerantly: any line end, blank
// lines and "#" comments skipped, a line without "=" skipped, the value taken as it
// stands up to the line end.

#include <string_view>

namespace vantor {

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
        auto key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ')
            key.remove_suffix(1);
        while (!key.empty() && key.front() == ' ')
            key.remove_prefix(1);
        visit(key, line.substr(eq + 1));
    }
}

} // namespace vantor
