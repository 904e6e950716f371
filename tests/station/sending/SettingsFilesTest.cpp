#include "station/sending/KeyerSettings.h"
#include "station/sending/Messages.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(SendingFiles, WhatIsWrittenLoadsAgain) {
    KeyerSettings k;
    k.kind = KeyerKind::CwDaemon;
    k.host = "radio.local";
    k.port = 16789;
    k.speed = 34;
    k.cutNumbers = true;
    k.enterSends = true;
    k.voice = true;
    EXPECT_EQ(parseKeyerSettings(formatKeyerSettings(k)), k);

    MessageSet m = defaultMessages();
    m[0].cw = " CQ  TEST {MYCALL} "; // spaces kept as typed
    m[11] = {"", "", ""};
    EXPECT_EQ(parseMessages(formatMessages(m))[0].cw, m[0].cw);
    EXPECT_EQ(parseMessages(formatMessages(m))[11].label, "");
    EXPECT_EQ(parseMessages(formatMessages(m))[11].wav, "");
}

TEST(SendingFiles, HandEditedAndDamagedInputKeepsTheDefaults) {
    struct Case {
        const char* bytes;
        KeyerKind kind;
        int port, speed;
        bool cut;
    };
    const Case cases[] = {
        {"", KeyerKind::None, 6789, 28, false},
        {"keyer=cwdaemon\nport=6790\nspeed=99\ncut=1", KeyerKind::CwDaemon, 6790, 50, true},
        {"keyer = radio\r\nspeed= 3 \r\n", KeyerKind::Radio, 6789, 10, false},
        {"keyer=morse\nport=0\nport=70000\nspeed=fast\ncut=2\n\xff\x00=", KeyerKind::None, 6789, 28,
         false},
        {"# comment\nport=12x\nspeed=22", KeyerKind::None, 6789, 22, false},
    };
    for (const Case& c : cases) {
        const KeyerSettings s = parseKeyerSettings(c.bytes);
        EXPECT_EQ(s.kind, c.kind) << c.bytes;
        EXPECT_EQ(s.port, c.port) << c.bytes;
        EXPECT_EQ(s.speed, c.speed) << c.bytes;
        EXPECT_EQ(s.cutNumbers, c.cut) << c.bytes;
    }
    EXPECT_EQ(parseKeyerSettings("host=bad host;rm\n").host, "127.0.0.1");

    const MessageSet m = parseMessages("F3.cw=TU\x1b"
                                       "4 QRZ\nF0.cw=x\nF13.cw=x\nF1x.cw=x\n"
                                       "F12.label=Last\nF2.cw\nF4.cw=" +
                                       std::string(300, 'E'));
    EXPECT_EQ(m[2].cw, "TU4 QRZ"); // no Escape reaches the keyer from the file
    EXPECT_EQ(m[11].label, "Last");
    EXPECT_EQ(m[1].cw, defaultMessages()[1].cw);
    EXPECT_EQ(m[3].cw.size(), MessageTextLength);
    EXPECT_EQ(m[0].cw, defaultMessages()[0].cw);
}

} // namespace
} // namespace vantor
