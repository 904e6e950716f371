#pragma once
// The hand-kept files the typing aids read (MASTER.SCP, call histories) come from many
// programs and editors: this turns their bytes into plain Latin-1 lines. A UTF-8 or
// UTF-16 byte-order mark is honoured, CR LF and LF both end a line, the last line
// needs no end, and only the first AidFileLimit bytes of a huge file are read.

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor::aids {

inline constexpr std::size_t AidFileLimit = 16 * 1024 * 1024;

struct AidText {
    std::string text;  // Latin-1, at most AidFileLimit bytes of the file
    bool cut = false;  // the file went on beyond the limit
    bool wide = false; // the file was UTF-16
};

// Decodes bytes: UTF-8 characters beyond Latin-1 and UTF-16 characters beyond it
// become '?', which no call or section holds.
AidText decodeAidText(std::string_view bytes);

// Reads at most AidFileLimit bytes of the file (plus one, to know it was cut).
enum class AidRead { Ok, Missing, Unreadable };
AidRead readAidFile(const std::string& path, std::string& bytes);

// Calls f(line) for each line without its line end; blank lines included.
template <typename F> void forEachLine(std::string_view text, F&& f) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        f(line);
        at = end + 1;
    }
}

std::string_view trimmed(std::string_view s);
// A call sign as the aids keep it: letters raised; only A-Z, 0-9 and '/', 3 to 12
// characters. Anything else is none (empty).
std::string callSign(std::string_view text);

} // namespace vantor::aids
