#pragma once
// rigctld's answers in its plain protocol: one value a line for a query ("14025000"),
// "RPRT n" for a command (0 done, a negative Hamlib error otherwise). The splitter cuts
// the byte stream into lines and refuses a line that never ends.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::radio {

class LineSplitter {
public:
    static constexpr std::size_t MaxLine = 256; // no rigctld answer is longer

    // Adds bytes and appends the lines they complete (line ends and CR removed). After
    // an overlong line, nothing more is taken until clear().
    void add(std::string_view bytes, std::vector<std::string>& lines);
    bool overflowed() const { return overflowed_; }
    void clear();

private:
    std::string partial_;
    bool overflowed_ = false;
};

// A frequency in Hz: digits, optionally a fraction ("14025000.000000"), surrounding
// blanks allowed. Nothing else, and nothing above 1 THz.
std::optional<std::int64_t> parseFrequency(std::string_view line);
// The code of an "RPRT n" line.
std::optional<int> parseReport(std::string_view line);
// Hamlib's error codes in plain words: "RPRT -11" is "not available".
std::string hamlibErrorText(int code);
// A line as it may be shown to the operator: printable, at most 40 characters.
std::string shownLine(std::string_view line);
// A line of rigctld's warnings telling that it cannot open the radio's port
// ("serial_open: Unable to open /dev/ttyUSB0 - No such file or directory"), in the
// operator's words; nothing for any other line.
std::optional<std::string> portProblem(std::string_view line);

} // namespace vantor::radio
