// rigctld's replies from any bytes, cut into pieces at any place: the line splitter, the
// reply parsers and the connection's state machine that they drive. No line is longer
// than the splitter allows, what is shown of a line is short and printable, and the
// connection always has its one-line text and a frequency within reason.

#include "FuzzCheck.h"
#include "station/radio/BandPlan.h"
#include "station/radio/RadioController.h"
#include "station/radio/RigReply.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace vantor;
using namespace vantor::radio;

namespace {

struct Link : RigLink {
    void open(const std::string&, int) override {}
    void close() override {}
    void write(std::string_view) override {}
};

struct Daemon : RigDaemon {
    void start(const RigDaemonOptions&) override {}
    void stop() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The parsers on every line the splitter gives, the stream cut after each 0x01.
    LineSplitter splitter;
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\x01') {
            splitter.add(bytes.substr(from, i - from), lines);
            from = i + 1;
        }
    }
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.size() <= LineSplitter::MaxLine);
        FUZZ_CHECK(line.find('\n') == std::string::npos);
        if (const auto hz = parseFrequency(line))
            FUZZ_CHECK(*hz >= 0 && *hz <= 1'000'000'000'000);
        if (parseReport(line))
            FUZZ_CHECK(!hamlibErrorText(*parseReport(line)).empty());
        const std::string shown = shownLine(line);
        FUZZ_CHECK(shown.size() <= 43);
        for (const char c : shown)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 &&
                       static_cast<unsigned char>(c) < 0x7f);
    }

    // The same bytes as rigctld's answers, 100 ms apart, with the band menu and the keyer
    // used between them.
    Link link;
    Daemon daemon;
    FakeClock clock(1'000'000);
    RadioController radio(link, daemon, clock);
    std::string band = "40";
    radio.currentBand = [&band] { return band; };
    radio.onBand = [&band](const std::string& code) {
        FUZZ_CHECK(bandIndexOfCode(code) >= 0);
        band = code;
    };
    RadioSettings settings;
    settings.mode = RadioMode::Shared;
    radio.start(settings);
    link.onOpened();
    from = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\x01')
            continue;
        if (link.onData)
            link.onData(bytes.substr(from, i - from));
        from = i + 1;
        clock.advanceMs(100);
        radio.tick();
        switch (i % 4) {
        case 0:
            radio.bandChosen("20", false);
            break;
        case 1:
            radio.sendMorse("cq ss");
            break;
        case 2:
            radio.setPtt(true);
            break;
        default:
            break;
        }
        link.onOpened(); // an attempt under way finds rigctld at once
        const RadioState state = radio.state();
        FUZZ_CHECK(state == RadioState::Connected || state == RadioState::Lost ||
                   state == RadioState::Connecting);
        FUZZ_CHECK(!radio.statusText().empty());
        FUZZ_CHECK(!radio.frequencyText().empty());
        FUZZ_CHECK(radio.frequencyHz() >= 0 && radio.frequencyHz() <= 1'000'000'000'000);
    }
    return 0;
}
