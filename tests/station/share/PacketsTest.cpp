#include "station/share/Packets.h"
#include "station/share/ShareSettings.h"

#include <gtest/gtest.h>

using namespace vantor::share;

namespace {

ContactFacts someContact() {
    ContactFacts f;
    f.id = "0123456789abcdef0123456789abcdef";
    f.contest = "ARRL-SS-CW";
    f.timestamp = "2026-11-07 21:05:10";
    f.myCall = "K6XX";
    f.band = "7";
    f.mode = "CW";
    f.call = "K1AA";
    f.sentSerial = "1";
    f.receivedSerial = "12";
    f.precedence = "B";
    f.check = "72";
    f.section = "CT";
    f.sentExchange = "1 A K6XX 85 EB";
    f.stationName = "shack";
    f.hz = 7'025'500;
    f.newSection = true;
    f.radioInterfaced = true;
    return f;
}

} // namespace

TEST(Packets, ContactInfoWholeText) {
    EXPECT_EQ(contactPacket(ContactPacket::Info, someContact()),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<contactinfo>\n"
              "\t<app>Vantor</app>\n\t<contestname>ARRL-SS-CW</contestname>\n"
              "\t<contestnr>1</contestnr>\n\t<timestamp>2026-11-07 21:05:10</timestamp>\n"
              "\t<mycall>K6XX</mycall>\n\t<band>7</band>\n\t<rxfreq>702550</rxfreq>\n"
              "\t<txfreq>702550</txfreq>\n\t<operator>K6XX</operator>\n\t<mode>CW</mode>\n"
              "\t<call>K1AA</call>\n\t<countryprefix></countryprefix>\n"
              "\t<wpxprefix></wpxprefix>\n\t<stationprefix>K6XX</stationprefix>\n"
              "\t<continent></continent>\n\t<snt></snt>\n\t<sntnr>1</sntnr>\n\t<rcv></rcv>\n"
              "\t<rcvnr>12</rcvnr>\n\t<gridsquare></gridsquare>\n\t<exchange1></exchange1>\n"
              "\t<section>CT</section>\n\t<comment></comment>\n\t<qth></qth>\n"
              "\t<name></name>\n\t<power></power>\n\t<misctext></misctext>\n\t<zone></zone>\n"
              "\t<prec>B</prec>\n\t<ck>72</ck>\n\t<ismultiplier1>1</ismultiplier1>\n"
              "\t<ismultiplier2>0</ismultiplier2>\n\t<ismultiplier3>0</ismultiplier3>\n"
              "\t<points>2</points>\n\t<radionr>1</radionr>\n\t<run1run2>1</run1run2>\n"
              "\t<RoverLocation></RoverLocation>\n\t<RadioInterfaced>1</RadioInterfaced>\n"
              "\t<NetworkedCompNr>0</NetworkedCompNr>\n\t<IsOriginal>True</IsOriginal>\n"
              "\t<NetBiosName>shack</NetBiosName>\n\t<IsRunQSO>False</IsRunQSO>\n"
              "\t<StationName>shack</StationName>\n"
              "\t<ID>0123456789abcdef0123456789abcdef</ID>\n"
              "\t<IsClaimedQso>True</IsClaimedQso>\n"
              "\t<SentExchange>1 A K6XX 85 EB</SentExchange>\n"
              "</contactinfo>\n");
}

TEST(Packets, OtherPacketsAndTheirTexts) {
    const std::string replace = contactPacket(ContactPacket::Replace, someContact());
    const struct {
        std::string packet;
        std::string begins;
        std::string ends;
    } cases[] = {
        {replace, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<contactreplace>\n\t<app>",
         "\t<SentExchange>1 A K6XX 85 EB</SentExchange>\n</contactreplace>\n"},
        {contactDeletePacket(someContact()),
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<contactdelete>\n"
         "\t<app>Vantor</app>\n\t<timestamp>2026-11-07 21:05:10</timestamp>\n"
         "\t<call>K1AA</call>\n\t<contestnr>1</contestnr>\n\t<StationName>shack</StationName>\n"
         "\t<ID>0123456789abcdef0123456789abcdef</ID>\n</contactdelete>\n",
         ""},
        {radioPacket({14'025'000, "CW", "K6XX", "shack"}),
         "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<RadioInfo>\n\t<app>Vantor</app>\n"
         "\t<StationName>shack</StationName>\n\t<RadioNr>1</RadioNr>\n"
         "\t<Freq>1402500</Freq>\n\t<TXFreq>1402500</TXFreq>\n\t<Mode>CW</Mode>\n"
         "\t<OpCall>K6XX</OpCall>\n",
         "\t<IsConnected>True</IsConnected>\n</RadioInfo>\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.packet.substr(0, c.begins.size()), c.begins);
        ASSERT_GE(c.packet.size(), c.ends.size());
        EXPECT_EQ(c.packet.substr(c.packet.size() - c.ends.size()), c.ends);
    }
    // A replace is the contact's info under another name.
    std::string info = contactPacket(ContactPacket::Info, someContact());
    EXPECT_EQ(replace.size(), info.size() + 2 * (sizeof "replace" - sizeof "info"));
}

TEST(Packets, TextIsEscapedUtf8) {
    const struct {
        std::string latin1;
        std::string xml;
    } cases[] = {
        {"K1AA", "K1AA"},
        {"A&B<C>", "A&amp;B&lt;C&gt;"},
        {"\"it's\"", "&quot;it&apos;s&quot;"},
        {"\xC4\xE9", "\xC3\x84\xC3\xA9"},
        {"a\x01\tb", "a\tb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlText(c.latin1), c.xml) << c.latin1;
    const struct {
        const char* code;
        const char* mhz;
    } bands[] = {{"160", "1.8"}, {"80", "3.5"}, {"40", "7"}, {"20", "14"},
                 {"15", "21"},   {"10", "28"},  {"6", "6"}};
    for (const auto& b : bands)
        EXPECT_EQ(bandMegahertz(b.code), b.mhz);
}

TEST(ShareSettings, FileLinesAndDestinations) {
    const Destination local{"127.0.0.1", 12060};
    const struct {
        std::string text;
        ShareSettings read;
    } cases[] = {
        {"", {false, {local}}},
        {"broadcast=on\n", {true, {local}}},
        {"broadcast=on\r\ndestination=10.0.0.5:2237\r\ndestination=shack-pc\r\n",
         {true, {{"10.0.0.5", 2237}, {"shack-pc", 12060}}}},
        {"# comment\nbroadcast = off\n destination = [::1]:9000 \n", {false, {{"::1", 9000}}}},
        {"broadcast=yes\ndestination=host:0\ndestination=host:70000\ndestination=:5\n"
         "destination=a b:1\ndestination=::1\ndestination=h:\nnoise\n",
         {false, {local}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseShareSettings(c.text), c.read) << c.text;
        EXPECT_EQ(parseShareSettings(formatShareSettings(c.read)), c.read) << c.text;
    }
    EXPECT_EQ(formatShareSettings({true, {local, {"::1", 9000}}}),
              "broadcast=on\ndestination=127.0.0.1:12060\ndestination=[::1]:9000\n");
}
