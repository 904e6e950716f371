#include "station/radio/RigReply.h"

#include <array>

namespace vantor::radio {

void LineSplitter::add(std::string_view bytes, std::vector<std::string>& lines) {
    for (const char c : bytes) {
        if (overflowed_)
            return;
        if (c == '\n') {
            if (!partial_.empty() && partial_.back() == '\r')
                partial_.pop_back();
            lines.push_back(std::move(partial_));
            partial_.clear();
        } else if (partial_.size() >= MaxLine) {
            overflowed_ = true;
            partial_.clear();
        } else {
            partial_.push_back(c);
        }
    }
}

void LineSplitter::clear() {
    partial_.clear();
    overflowed_ = false;
}

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> parseFrequency(std::string_view line) {
    line = trimmed(line);
    std::int64_t hz = 0;
    std::size_t i = 0;
    for (; i < line.size() && isDigit(line[i]); ++i) {
        hz = hz * 10 + (line[i] - '0');
        if (hz > 1'000'000'000'000)
            return std::nullopt;
    }
    if (i == 0)
        return std::nullopt;
    if (i < line.size() && line[i] == '.') {
        ++i;
        while (i < line.size() && isDigit(line[i]))
            ++i;
    }
    if (i != line.size())
        return std::nullopt;
    return hz;
}

std::optional<int> parseReport(std::string_view line) {
    line = trimmed(line);
    constexpr std::string_view prefix = "RPRT ";
    if (line.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    line.remove_prefix(prefix.size());
    bool negative = false;
    if (!line.empty() && line.front() == '-') {
        negative = true;
        line.remove_prefix(1);
    }
    if (line.empty() || line.size() > 4)
        return std::nullopt;
    int code = 0;
    for (const char c : line) {
        if (!isDigit(c))
            return std::nullopt;
        code = code * 10 + (c - '0');
    }
    return negative ? -code : code;
}

std::string hamlibErrorText(int code) {
    // Hamlib's rig_errcode_e, as far as rigctld reports them.
    static constexpr std::array<const char*, 20> words = {
        "done",
        "invalid parameter",
        "invalid configuration",
        "out of memory",
        "not implemented",
        "the radio does not answer",
        "input/output error",
        "internal Hamlib error",
        "protocol error",
        "command rejected by the radio",
        "value truncated",
        "not available",
        "VFO not targetable",
        "bus error",
        "bus collision",
        "argument missing",
        "invalid VFO",
        "out of range",
        "deprecated",
        "security",
    };
    const int n = code < 0 ? -code : code;
    const std::string number = "RPRT " + std::to_string(code);
    if (n < static_cast<int>(words.size()))
        return std::string(words[static_cast<std::size_t>(n)]) + " (" + number + ")";
    return "Hamlib error " + std::to_string(code);
}

std::string shownLine(std::string_view line) {
    std::string out;
    for (const char c : line.substr(0, 40)) {
        const auto u = static_cast<unsigned char>(c);
        out.push_back(u >= 0x20 && u < 0x7f ? c : '?');
    }
    if (line.size() > 40)
        out += "...";
    return out;
}

std::optional<std::string> portProblem(std::string_view line) {
    constexpr std::string_view unable = "Unable to open ";
    const auto at = line.find(unable);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(at + unable.size());
    const auto dash = rest.find(" - ");
    const std::string_view port = rest.substr(0, dash);
    const std::string_view why = dash == std::string_view::npos ? "" : rest.substr(dash + 3);
    if (port.empty())
        return std::nullopt;
    std::string text = std::string("rigctld cannot open ") +
                       (line.starts_with("serial_open") ? "the serial port " : "the port ") +
                       shownLine(port);
    if (!why.empty())
        text += ": " + shownLine(why);
    return text;
}

} // namespace vantor::radio
