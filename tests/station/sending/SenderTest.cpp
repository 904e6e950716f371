#include "station/sending/Sender.h"
#include "station/sending/CwDaemonKeyer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor {
namespace {

struct Datagrams : DatagramPort {
    std::vector<std::string> sent;
    void sendDatagram(const std::string& bytes) override { sent.push_back(bytes); }
};

struct Voice : VoicePort {
    std::vector<std::string> calls;
    bool fileThere = true;
    std::string why;
    std::string unavailable() const override { return why; }
    bool play(const std::string& path) override {
        calls.push_back("play " + path);
        return fileThere;
    }
    void stop() override { calls.push_back("stop"); }
};

struct Ptt : PttPort {
    std::vector<bool> calls;
    void setPtt(bool on) override { calls.push_back(on); }
};

KeyerSettings cwdaemon() {
    KeyerSettings s;
    s.kind = KeyerKind::CwDaemon;
    s.speed = 30;
    return s;
}

TEST(CwDaemonKeyer, TextSpeedAndAbortAsCwdaemonReadsThem) {
    Datagrams net;
    CwDaemonKeyer keyer(net);
    keyer.send("CQ SS W1AW");
    keyer.send("");
    keyer.setSpeed(32);
    keyer.abort();
    EXPECT_EQ(net.sent, (std::vector<std::string>{"CQ SS W1AW",
                                                  "\x1b"
                                                  "232",
                                                  "\x1b"
                                                  "4"}));
    EXPECT_EQ(morseMillis("PARIS ", 20), 3000); // 50 dots at 60 ms
    EXPECT_EQ(morseMillis("E", 12), 100);
}

TEST(Sender, FunctionKeysSpeedAndEscapeReachTheKeyer) {
    FakeClock clock(1000);
    Datagrams net;
    CwDaemonKeyer keyer(net);
    Sender sender(clock, cwdaemon(), defaultMessages());
    sender.setKeyer(&keyer);
    MacroContext c{"W1AW", "A", "85", "CT", 12, "K5TR", "", "", "", ""};
    EXPECT_TRUE(sender.functionKey(ExchangeKey, c, false));
    EXPECT_EQ(sender.status(false), "30 WPM   Sending: K5TR 12 A W1AW 85 CT");
    sender.changeSpeed(+1);
    sender.changeSpeed(-3);
    sender.stop();
    EXPECT_EQ(net.sent, (std::vector<std::string>{"\x1b"
                                                  "230",
                                                  "K5TR 12 A W1AW 85 CT",
                                                  "\x1b"
                                                  "232",
                                                  "\x1b"
                                                  "226",
                                                  "\x1b"
                                                  "4"}));
    EXPECT_EQ(sender.status(false), "26 WPM");
    EXPECT_FALSE(sender.functionKey(1, c, true)); // no voice set up for phone
}

TEST(Sender, TheTextShownUntilItHasGoneOut) {
    FakeClock clock(0);
    Datagrams net;
    CwDaemonKeyer keyer(net);
    KeyerSettings s = cwdaemon();
    s.speed = 20;
    MessageSet m = defaultMessages();
    m[5].cw = "PARIS ";
    Sender sender(clock, s, m);
    sender.setKeyer(&keyer);
    sender.functionKey(6, {}, false);
    sender.functionKey(6, {}, false); // queued behind the first
    EXPECT_EQ(sender.msLeft(), 6000);
    clock.advanceMs(5999);
    sender.tick();
    EXPECT_TRUE(sender.sending());
    clock.advanceMs(1);
    sender.tick();
    EXPECT_FALSE(sender.sending());
    EXPECT_EQ(sender.msLeft(), std::nullopt);
    for (int i = 0; i < 30; ++i)
        sender.changeSpeed(+1);
    EXPECT_EQ(sender.settings().speed, MaxSpeed);
}

TEST(Sender, VoiceWithPttAndAMissingFile) {
    FakeClock clock;
    Voice voice;
    Ptt ptt;
    KeyerSettings s;
    s.voice = true;
    Sender sender(clock, s, defaultMessages());
    sender.setVoice(&voice);
    sender.setPtt(&ptt);
    EXPECT_FALSE(sender.functionKey(1, {}, false)); // no keyer for CW
    EXPECT_TRUE(sender.functionKey(1, {}, true));
    EXPECT_EQ(sender.status(true), "Playing: F1.wav");
    sender.stop();
    sender.voiceEnded(); // the player's end after a stop changes nothing
    voice.fileThere = false;
    sender.functionKey(2, {}, true);
    EXPECT_EQ(sender.status(true), "Cannot play the voice file F2.wav");
    voice.why = "No audio output";
    sender.functionKey(1, {}, true); // neither played nor keyed
    EXPECT_EQ(sender.status(true), "No audio output");
    EXPECT_EQ(voice.calls, (std::vector<std::string>{"play F1.wav", "stop", "play F2.wav"}));
    EXPECT_EQ(ptt.calls, (std::vector<bool>{true, false, true, false}));
}

} // namespace
} // namespace vantor
