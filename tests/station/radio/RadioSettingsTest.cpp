#include "station/radio/RadioSettings.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vantor::radio;

TEST(RadioSettings, RoundTripAndMissingFile) {
    vantor::test::TempDir dir;
    EXPECT_EQ(loadRadioSettings(), RadioSettings{});
    RadioSettings s;
    s.mode = RadioMode::Own;
    s.model = 3073;
    s.device = "/dev/ttyACM0";
    s.speed = 38400;
    s.host = "shack.local";
    s.port = 4533;
    s.lastHz = {1'830'000, 0, 7'012'500, 14'025'000, 0, 28'500'000};
    ASSERT_TRUE(saveRadioSettings(s));
    EXPECT_EQ(loadRadioSettings(), s);
}

TEST(RadioSettings, HandEditedAndDamagedFilesKeepDefaults) {
    const struct {
        const char* text;
        RadioMode mode;
        int model;
        int port;
        std::int64_t last20;
    } cases[] = {
        {"", RadioMode::None, 1, 4532, 0},
        {"radio=shared\r\nport=4575\r\n", RadioMode::Shared, 1, 4575, 0},
        {"  radio = own \nmodel= 2028\n", RadioMode::Own, 2028, 4532, 0},
        {"radio=sometimes\nmodel=x\nport=70000\n", RadioMode::None, 1, 4532, 0},
        {"band20=14025000\n", RadioMode::None, 1, 4532, 14025000},
        {"band20=7030000\nband99=1\n", RadioMode::None, 1, 4532, 0}, // not on that band
        {"\x01\xff=garbage\nradio\nmodel=-5\n", RadioMode::None, 1, 4532, 0},
    };
    for (const auto& c : cases) {
        const RadioSettings s = parseRadioSettings(c.text);
        EXPECT_EQ(s.mode, c.mode) << c.text;
        EXPECT_EQ(s.model, c.model) << c.text;
        EXPECT_EQ(s.port, c.port) << c.text;
        EXPECT_EQ(s.lastHz[3], c.last20) << c.text;
    }
    RadioSettings odd;
    odd.device = "/dev/tty\nradio=none";
    EXPECT_EQ(parseRadioSettings(formatRadioSettings(odd)).device, "/dev/ttyradio=none");
}

TEST(RadioSettings, AddressesAsTyped) {
    const struct {
        const char* text;
        std::optional<RigAddress> address;
    } cases[] = {
        {"127.0.0.1:4532", RigAddress{"127.0.0.1", 4532}},
        {" shack.local:4575 ", RigAddress{"shack.local", 4575}},
        {"localhost", RigAddress{"localhost", 4532}},
        {"[::1]:4533", RigAddress{"::1", 4533}},
        {"::1", RigAddress{"::1", 4532}},
        {"host:", std::nullopt},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:45x", std::nullopt},
        {":4532", std::nullopt},
        {"", std::nullopt},
        {"two words:4532", std::nullopt},
        {"[::1", std::nullopt},
        {"[::1]4532", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseRigAddress(c.text), c.address) << c.text;
}
