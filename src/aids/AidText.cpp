#include "aids/AidText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vantor::aids {

namespace {
// One UTF-8 sequence from at; its Latin-1 byte, or '?' beyond Latin-1 or when broken.
char utf8Char(std::string_view s, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (lead >= 0x80 && extra == 0) {
        ++at;
        return '?';
    }
    unsigned code = extra == 0 ? lead : lead & (0x3F >> extra);
    ++at;
    for (; extra > 0; --extra, ++at) {
        if (at >= s.size() || (static_cast<unsigned char>(s[at]) & 0xC0) != 0x80)
            return '?';
        code = (code << 6) | (static_cast<unsigned char>(s[at]) & 0x3F);
    }
    return code <= 0xFF ? static_cast<char>(code) : '?';
}

bool looksUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80)
            continue;
        const int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : -1;
        if (extra < 0 || c >= 0xF8)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(extra);
    }
    return true;
}
} // namespace

AidText decodeAidText(std::string_view bytes) {
    AidText out;
    if (bytes.size() > AidFileLimit) {
        bytes = bytes.substr(0, AidFileLimit);
        // The line the limit cuts through is not read: a part of a call is another call.
        bytes = bytes.substr(0, bytes.rfind('\n') + 1);
        out.cut = true;
    }
    const bool le = bytes.starts_with("\xFF\xFE");
    if (le || bytes.starts_with("\xFE\xFF")) {
        out.wide = true;
        out.text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(bytes[le ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(bytes[le ? i + 1 : i]);
            out.text.push_back(hi == 0 ? static_cast<char>(lo) : '?');
        }
        return out;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || !looksUtf8(bytes)) {
        out.text.assign(bytes); // ASCII, or Latin-1 as it is
        return out;
    }
    out.text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();)
        out.text.push_back(utf8Char(bytes, at));
    return out;
}

AidRead readAidFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code error;
        return std::filesystem::exists(path, error) ? AidRead::Unreadable : AidRead::Missing;
    }
    // Read in pieces: a small file takes no room for the largest one.
    std::size_t piece = 64 * 1024;
    while (bytes.size() <= AidFileLimit) {
        const std::size_t had = bytes.size();
        bytes.resize(std::min(had + piece, AidFileLimit + 1));
        in.read(bytes.data() + had, static_cast<std::streamsize>(bytes.size() - had));
        bytes.resize(had + static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            return AidRead::Unreadable;
        if (!in)
            break;
        piece *= 2;
    }
    return AidRead::Ok;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '"'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '"'))
        s.remove_suffix(1);
    return s;
}

std::string callSign(std::string_view text) {
    if (text.size() < 3 || text.size() > 12)
        return {};
    std::string call(text);
    for (char& c : call) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'))
            return {};
    }
    return call;
}

} // namespace vantor::aids
