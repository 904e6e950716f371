// The connection's state machine against a scripted link and a fake clock: no socket,
// no sleeping.

#include "station/radio/RadioController.h"
#include "station/radio/RigKeyer.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::radio;

namespace {

struct FakeLink : RigLink {
    std::vector<std::string> opens;
    std::string written;
    int closes = 0;
    void open(const std::string& host, int port) override {
        opens.push_back(host + ":" + std::to_string(port));
    }
    void close() override { ++closes; }
    void write(std::string_view bytes) override { written += bytes; }
    // What was written since the last call.
    std::string take() { return std::exchange(written, {}); }
};

struct FakeDaemon : RigDaemon {
    std::vector<RigDaemonOptions> starts;
    int stops = 0;
    void start(const RigDaemonOptions& o) override { starts.push_back(o); }
    void stop() override { ++stops; }
};

struct Rig {
    FakeLink link;
    FakeDaemon daemon;
    FakeClock clock{1'000'000};
    RadioController radio{link, daemon, clock};
    std::string band = "40";
    std::vector<std::string> bandsSet;

    explicit Rig(RadioMode mode = RadioMode::Shared) {
        radio.currentBand = [this] { return band; };
        radio.onBand = [this](const std::string& b) {
            band = b;
            bandsSet.push_back(b);
        };
        RadioSettings s;
        s.mode = mode;
        s.port = 4599;
        radio.start(s);
    }
    void connected() {
        link.onOpened();
        EXPECT_EQ(link.take(), "f\n");
    }
    void after(std::int64_t ms) {
        clock.advanceMs(ms);
        radio.tick();
    }
};

} // namespace

TEST(RadioController, FollowsTheRadioOntoContestBandsOnly) {
    Rig rig;
    EXPECT_EQ(rig.link.opens, std::vector<std::string>{"127.0.0.1:4599"});
    EXPECT_EQ(rig.radio.statusText(), "Radio: connecting to 127.0.0.1:4599");
    rig.connected();
    rig.link.onData("14025000\n");
    EXPECT_EQ(rig.bandsSet, std::vector<std::string>{"20"});
    EXPECT_EQ(rig.radio.frequencyHz(), 14025000);
    EXPECT_EQ(rig.radio.statusText(), "Radio: 14025.00 kHz");

    // One request in flight: nothing more until the poll interval has passed.
    rig.after(100);
    EXPECT_EQ(rig.link.take(), "");
    rig.after(150);
    EXPECT_EQ(rig.link.take(), "f\n");
    rig.link.onData("14030000\n"); // same band: not set again
    EXPECT_EQ(rig.bandsSet.size(), 1u);

    rig.after(250);
    rig.link.take();
    rig.link.onData("10110000\n");
    EXPECT_EQ(rig.band, "20");
    EXPECT_EQ(rig.radio.frequencyText(), "10110.00 kHz out of band");
    EXPECT_EQ(rig.radio.statusText(),
              "Radio: 10110.00 kHz is outside the contest bands; the band stays 20");
    EXPECT_EQ(rig.radio.settings().lastHz[3], 14030000);

    rig.after(250);
    rig.link.take();
    rig.link.onData("RPRT -5\n"); // rigctld is there, the radio is not
    EXPECT_EQ(rig.radio.state(), RadioState::Connected);
    EXPECT_EQ(rig.radio.frequencyHz(), 0);
    EXPECT_EQ(rig.radio.statusText(), "Radio: connected to 127.0.0.1:4599; no frequency from the "
                                      "radio: the radio does not answer (RPRT -5)");
}

TEST(RadioController, FailuresAreLostStatesWithTheirReasonAndReconnect) {
    const struct {
        const char* name;
        std::function<void(Rig&)> fault;
        const char* status;
    } cases[] = {
        {"silent", [](Rig& r) { r.after(1001); },
         "Radio lost: rigctld gave no answer within 1 s; reconnecting"},
        {"garbage", [](Rig& r) { r.link.onData("\x13\x01garbage\n"); },
         "Radio lost: rigctld's answer makes no sense: \"??garbage\"; reconnecting"},
        {"unasked", [](Rig& r) { r.link.onData("7030000\n7030000\n"); },
         "Radio lost: rigctld sends garbage: \"7030000\"; reconnecting"},
        {"endless", [](Rig& r) { r.link.onData(std::string(300, '1')); },
         "Radio lost: rigctld sends garbage (a line without end); reconnecting"},
        {"closed", [](Rig& r) { r.link.onClosed("the remote host closed the connection"); },
         "Radio lost: the remote host closed the connection; reconnecting"},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.connected();
        c.fault(rig);
        EXPECT_EQ(rig.radio.state(), RadioState::Lost) << c.name;
        EXPECT_EQ(rig.radio.statusText(), c.status) << c.name;
        EXPECT_EQ(rig.radio.frequencyHz(), 0) << c.name;
        EXPECT_EQ(rig.radio.frequencyText(), "radio lost") << c.name;
        rig.after(249);
        EXPECT_EQ(rig.link.opens.size(), 1u) << c.name;
        rig.after(1);
        EXPECT_EQ(rig.link.opens.size(), 2u) << c.name;
        rig.connected();
        EXPECT_EQ(rig.radio.state(), RadioState::Connected) << c.name;
    }
}

TEST(RadioController, RefusedConnectionsBackOffUpToFiveSeconds) {
    Rig rig;
    std::vector<std::int64_t> pauses;
    for (int i = 0; i < 7; ++i) {
        rig.link.onClosed("connection refused");
        const std::size_t opens = rig.link.opens.size();
        std::int64_t waited = 0;
        while (rig.link.opens.size() == opens && waited < 10000) {
            rig.after(10);
            waited += 10;
        }
        pauses.push_back(waited);
    }
    EXPECT_EQ(pauses, (std::vector<std::int64_t>{250, 500, 1000, 2000, 4000, 5000, 5000}));
    EXPECT_EQ(rig.radio.statusText(), "Radio lost: connection refused; reconnecting");
    rig.after(3001); // an open that never completes
    EXPECT_EQ(rig.radio.statusText(), "Radio lost: no answer from 127.0.0.1:4599; reconnecting");
}

TEST(RadioController, BandMenuTunesTheRadioAheadOfThePolls) {
    Rig rig;
    rig.connected();
    rig.link.onData("7030000\n");
    rig.after(250);
    EXPECT_EQ(rig.link.take(), "f\n");
    rig.radio.bandChosen("20", false); // while a poll is out
    rig.link.onData("7030000\n");      // where the radio was: ignored
    EXPECT_EQ(rig.link.take(), "F 14030000\n");
    rig.link.onData("RPRT 0\n");
    EXPECT_EQ(rig.radio.frequencyHz(), 14030000);
    rig.after(250);
    EXPECT_EQ(rig.link.take(), "f\n");
    rig.link.onData("14012000\n");
    rig.band = "20";
    rig.radio.bandChosen("20", false); // on that band already
    rig.radio.bandChosen("80", true);  // phone, never on 80: a usual phone frequency
    EXPECT_EQ(rig.link.take(), "F 3850000\n");
    rig.link.onData("RPRT -9\n");
    EXPECT_EQ(rig.radio.statusText(), "Radio: 14012.00 kHz; the radio did not go to 3850.00 "
                                      "kHz: command rejected by the radio (RPRT -9)");
    rig.radio.bandChosen("80", true);
    rig.link.take();
    rig.link.onData("RPRT 0\n");
    rig.radio.bandChosen("20", true); // back to where it was on 20
    EXPECT_EQ(rig.link.take(), "F 14012000\n");
    EXPECT_EQ(rig.bandsSet, std::vector<std::string>{"20"});
}

TEST(RadioController, KeyerCommandsQueueAbortAndNeedAConnection) {
    Rig rig;
    RigKeyer keyer(rig.radio);
    keyer.send("cq test");
    EXPECT_EQ(rig.radio.statusText(),
              "Radio: connecting to 127.0.0.1:4599; keyer: not connected, CW not sent");
    keyer.setSpeed(90);
    rig.link.onOpened();
    EXPECT_EQ(rig.link.take(), "L KEYSPD 60\n"); // the speed set before goes first
    keyer.send("  cq\ttest w1aw\n ");
    keyer.send("tu");
    rig.link.onData("RPRT 0\n");
    EXPECT_EQ(rig.link.take(), "b CQ TEST W1AW\n");
    keyer.abort(); // "tu" never goes out
    rig.link.onData("RPRT 0\n");
    EXPECT_EQ(rig.link.take(), "\\stop_morse\n");
    rig.link.onData("RPRT -11\n");
    EXPECT_EQ(rig.link.take(), "f\n");
    EXPECT_EQ(rig.radio.statusText(),
              "Radio: connected to 127.0.0.1:4599; keyer: not available (RPRT -11)");
    keyer.setPtt(true);
    rig.link.onData("14025000\n");
    EXPECT_EQ(rig.link.take(), "T 1\n");
    rig.link.onData("RPRT 0\n");
    keyer.setPtt(false);
    EXPECT_EQ(rig.link.take(), "T 0\n");
    rig.link.onData("RPRT 0\n");
    EXPECT_EQ(rig.radio.statusText(), "Radio: 14025.00 kHz");
    // A morse answer may take a while; a poll would not.
    keyer.send("test");
    rig.link.take();
    rig.after(5000);
    EXPECT_EQ(rig.radio.state(), RadioState::Connected);
    rig.after(5001);
    EXPECT_EQ(rig.radio.statusText(),
              "Radio lost: the radio's keyer gave no answer within 10 s; reconnecting");
}

TEST(RadioController, OwnRigctldIsStartedRestartedAndEnded) {
    Rig rig(RadioMode::Own);
    ASSERT_EQ(rig.daemon.starts.size(), 1u);
    EXPECT_EQ(rig.daemon.starts[0].program, "rigctld");
    EXPECT_EQ(rig.daemon.starts[0].device, "/dev/ttyUSB0");
    EXPECT_EQ(rig.radio.statusText(), "Radio: starting rigctld (model 1 on /dev/ttyUSB0)");
    rig.daemon.onStarted(45000);
    rig.after(200);
    EXPECT_EQ(rig.link.opens.back(), "127.0.0.1:45000");
    rig.link.onClosed("connection refused"); // not listening yet: quietly again
    EXPECT_EQ(rig.radio.state(), RadioState::Connecting);
    rig.after(200);
    EXPECT_EQ(rig.link.opens.size(), 2u);
    rig.connected();
    // rigctld listens, but cannot open the port: that is the reason given, not the
    // silence that follows.
    const std::string port = "rigctld cannot open the serial port /dev/ttyUSB0: No such file";
    rig.daemon.onProblem(port);
    EXPECT_EQ(rig.radio.statusText(), "Radio: connected to 127.0.0.1:45000; " + port);
    rig.after(1001);
    EXPECT_EQ(rig.radio.statusText(), "Radio lost: " + port + "; reconnecting");
    rig.after(250);
    rig.connected();
    rig.daemon.onEnded("Unknown rig num 99999, or initialization error.");
    EXPECT_EQ(rig.radio.statusText(),
              "Radio lost: rigctld ended: Unknown rig num 99999, or initialization error.; "
              "reconnecting");
    rig.after(500); // the second failure in a row
    EXPECT_EQ(rig.daemon.starts.size(), 2u);
    int saves = 0;
    rig.radio.onSave = [&saves] { ++saves; };
    rig.radio.stop();
    EXPECT_EQ(rig.radio.state(), RadioState::Off);
    EXPECT_EQ(rig.radio.statusText(), "");
    EXPECT_GE(rig.daemon.stops, 1);
    EXPECT_EQ(saves, 1);
}
