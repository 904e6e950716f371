// Answers recorded from Hamlib 4.5.4's rigctld with the dummy rig (rigctld -m 1).

#include "station/radio/RigReply.h"
#include "station/radio/BandPlan.h"

#include <gtest/gtest.h>

using namespace vantor::radio;

namespace {

struct Recorded {
    const char* command;
    const char* answer; // as rigctld sent it
    std::optional<std::int64_t> hz;
    std::optional<int> report;
};

const Recorded recorded[] = {
    {"f", "145000000\n", 145000000, std::nullopt},
    {"F 14025000", "RPRT 0\n", std::nullopt, 0},
    {"f", "14025000\n", 14025000, std::nullopt},
    {"T 1 (no PTT type)", "RPRT -1\n", std::nullopt, -1},
    {"t", "RPRT -11\n", std::nullopt, -11},
    {"b CQ TEST", "RPRT 0\n", std::nullopt, 0},
    {"\\stop_morse", "RPRT -11\n", std::nullopt, -11},
    {"L KEYSPD 25", "RPRT 0\n", std::nullopt, 0},
    {"l KEYSPD", "25\n", 25, std::nullopt},
    {"v", "VFOA\n", std::nullopt, std::nullopt},
    {"m (first line)", "FM\n", std::nullopt, std::nullopt},
    {"+f (extended, first line)", "get_freq:\n", std::nullopt, std::nullopt},
    {"+f (extended, value line)", "Frequency: 14025000\n", std::nullopt, std::nullopt},
    // Other backends and hand-made damage.
    {"f (some backends)", "14025000.000000\n", 14025000, std::nullopt},
    {"f (CR LF)", "7030000\r\n", 7030000, std::nullopt},
    {"garbage", "14O25000\n", std::nullopt, std::nullopt},
    {"negative", "-14025000\n", std::nullopt, std::nullopt},
    {"huge", "99999999999999999999\n", std::nullopt, std::nullopt},
    {"empty", "\n", std::nullopt, std::nullopt},
    {"RPRT without code", "RPRT \n", std::nullopt, std::nullopt},
    {"RPRT with text", "RPRT -1x\n", std::nullopt, std::nullopt},
};

} // namespace

TEST(RigReply, RecordedAnswersParse) {
    for (const Recorded& r : recorded) {
        LineSplitter splitter;
        std::vector<std::string> lines;
        splitter.add(r.answer, lines);
        ASSERT_EQ(lines.size(), 1u) << r.command;
        EXPECT_EQ(parseFrequency(lines[0]), r.hz) << r.command;
        EXPECT_EQ(parseReport(lines[0]), r.report) << r.command;
    }
}

TEST(RigReply, SplitterJoinsPiecesAndRefusesEndlessLines) {
    LineSplitter splitter;
    std::vector<std::string> lines;
    splitter.add("1402", lines);
    splitter.add("5000\nRPRT", lines);
    splitter.add(" 0\n", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"14025000", "RPRT 0"}));
    splitter.add(std::string(LineSplitter::MaxLine + 1, 'x') + "\n7030000\n", lines);
    EXPECT_TRUE(splitter.overflowed());
    EXPECT_EQ(lines.size(), 2u);
    splitter.clear();
    splitter.add("7030000\n", lines);
    EXPECT_EQ(lines.back(), "7030000");
}

TEST(RigReply, WordsAndShownText) {
    EXPECT_EQ(hamlibErrorText(-11), "not available (RPRT -11)");
    EXPECT_EQ(hamlibErrorText(-5), "the radio does not answer (RPRT -5)");
    EXPECT_EQ(hamlibErrorText(-77), "Hamlib error -77");
    EXPECT_EQ(shownLine("a\x01z"), "a?z");
    EXPECT_EQ(shownLine(std::string(41, 'x')), std::string(40, 'x') + "...");
    const struct {
        const char* line;
        std::optional<std::string> problem;
    } warnings[] = {
        {"serial_open: Unable to open /dev/ttyNOSUCH - No such file or directory",
         "rigctld cannot open the serial port /dev/ttyNOSUCH: No such file or directory"},
        {"usb_port_open: Unable to open /dev/bus/usb", "rigctld cannot open the port /dev/bus/usb"},
        {"port_open: serial_open(/dev/ttyNOSUCH) status=-6, err=No such file", std::nullopt},
        {"serial_open: Unable to open  - x", std::nullopt},
    };
    for (const auto& w : warnings)
        EXPECT_EQ(portProblem(w.line), w.problem) << w.line;
}

TEST(BandPlan, EdgesAndText) {
    const struct {
        std::int64_t hz;
        const char* band; // nullptr outside
    } cases[] = {
        {1'799'999, nullptr},  {1'800'000, "160"}, {2'000'000, "160"},    {3'500'000, "80"},
        {4'000'001, nullptr},  {7'300'000, "40"},  {10'110'000, nullptr}, {14'025'000, "20"},
        {14'350'001, nullptr}, {21'450'000, "15"}, {28'000'000, "10"},    {29'700'000, "10"},
        {50'100'000, nullptr}, {0, nullptr},
    };
    for (const auto& c : cases) {
        const int band = bandIndexOf(c.hz);
        if (c.band)
            EXPECT_STREQ(ContestBands[static_cast<std::size_t>(band)].code, c.band) << c.hz;
        else
            EXPECT_EQ(band, -1) << c.hz;
    }
    EXPECT_EQ(kilohertzText(14025000), "14025.00 kHz");
    EXPECT_EQ(kilohertzText(1823456), "1823.45 kHz");
}
