#include "station/share/ContactBroadcast.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::share;
using Correction = ContactBroadcast::Correction;

namespace {

struct Recorder : DatagramPort {
    std::vector<std::string> sent;
    void send(const std::string& datagram) override { sent.push_back(datagram); }
};

std::string element(const std::string& packet, const std::string& name) {
    const std::string open = "<" + name + ">";
    const auto at = packet.find(open);
    if (at == std::string::npos)
        return "(none)";
    const auto from = at + open.size();
    return packet.substr(from, packet.find("</" + name + ">", from) - from);
}

std::string root(const std::string& packet) {
    const auto at = packet.find("\n<") + 2;
    return packet.substr(at, packet.find('>', at) - at);
}

const Contact K1AA{"1", "12", "B", "K1AA", "72", "CT", "11/7/2026", "21:05:10", "40"};
const Contact VY2AA{"2", "3", "Q", "VY2AA", "99", "PE", "11/7/2026", "21:07:00", "20"};
const Contact W9XYZ{"3", "7", "A", "W9XYZ", "66", "CT", "11/7/2026", "21:09:30", "40"};

} // namespace

// Each step changes the log as the window does and tells the broadcast; the packet
// sent names the contact by the ID it was first given.
TEST(ContactBroadcast, EachChangeOnePacketUnderTheContactsFirstId) {
    ContestState s;
    s.StationInfo = {"K6XX", "A", "85", "EB", 8, ModeCW, 0};
    s.ContactLog[++s.RecCount] = K1AA;
    Recorder out;
    const ShortDateForm form;
    ContactBroadcast b(
        s, form, [] { return 2026; }, out);
    b.setStationName("shack");
    b.loaded();
    b.committed(1);
    EXPECT_TRUE(out.sent.empty()) << "off: nothing sent";
    b.setOn(true);

    Contact edited = VY2AA;
    edited.NumSent = "5"; // serial, time and call all corrected
    edited.Time = "21:08:00";
    edited.Call = "VY2AB";
    const auto commit = [&](const Contact& c) {
        s.ContactLog[++s.RecCount] = c;
        b.committed(s.RecCount);
    };
    const auto edit = [&](int record, const Contact& c) {
        s.ContactLog[record] = c;
        b.loaded(); // the read-back comes first
        b.corrected(Correction::Edited, record, c);
    };
    const auto remove = [&](int record) {
        const Contact gone = s.ContactLog[record];
        for (int i = record; i < s.RecCount; ++i)
            s.ContactLog[i] = s.ContactLog[i + 1];
        s.ContactLog[s.RecCount--] = Contact{};
        b.loaded();
        b.corrected(Correction::Deleted, record, gone);
    };
    const struct {
        const char* name;
        std::function<void()> step;
        const char* root;
        Contact idOf; // the contact as first logged
        const char* call;
        const char* serial; // sntnr; "(none)" in a delete
        const char* first;  // ismultiplier1
    } cases[] = {
        {"logged", [&] { commit(VY2AA); }, "contactinfo", VY2AA, "VY2AA", "2", "1"},
        {"same section again", [&] { commit(W9XYZ); }, "contactinfo", W9XYZ, "W9XYZ", "3", "0"},
        {"edited in every key field", [&] { edit(2, edited); }, "contactreplace", VY2AA, "VY2AB",
         "5", "1"},
        {"edited again", [&] { edit(2, K1AA); }, "contactreplace", VY2AA, "K1AA", "1", "0"},
        {"first deleted", [&] { remove(1); }, "contactdelete", K1AA, "K1AA", "(none)", "(none)"},
        {"the later ones keep theirs", [&] { edit(2, W9XYZ); }, "contactreplace", W9XYZ, "W9XYZ",
         "3", "0"},
        {"the moved one too", [&] { remove(1); }, "contactdelete", VY2AA, "K1AA", "(none)",
         "(none)"},
    };
    for (const auto& c : cases) {
        out.sent.clear();
        c.step();
        ASSERT_EQ(out.sent.size(), 1u) << c.name;
        const std::string& p = out.sent[0];
        EXPECT_EQ(root(p), c.root) << c.name;
        EXPECT_EQ(element(p, "ID"), contactId(c.idOf)) << c.name;
        EXPECT_EQ(element(p, "call"), c.call) << c.name;
        EXPECT_EQ(element(p, "sntnr"), c.serial) << c.name;
        EXPECT_EQ(element(p, "ismultiplier1"), c.first) << c.name;
    }

    // Another log read in (a folder opened) gives every contact its own ID again.
    s.ContactLog[1] = VY2AA;
    s.ContactLog[++s.RecCount] = K1AA;
    s.ContactLog[++s.RecCount] = W9XYZ;
    b.loaded();
    out.sent.clear();
    b.corrected(Correction::Edited, 1, VY2AA);
    ASSERT_EQ(out.sent.size(), 1u);
    EXPECT_EQ(element(out.sent[0], "ID"), contactId(VY2AA));

    b.setOn(false);
    out.sent.clear();
    commit(K1AA);
    b.radio(7'030'000, "40", "CW");
    EXPECT_TRUE(out.sent.empty()) << "off again";
}

TEST(ContactBroadcast, FactsOfAContact) {
    ContestState s;
    s.StationInfo = {"K6XX", "A", "85", "EB", 8, ModePhone, 0};
    s.ContactLog[++s.RecCount] = K1AA;
    Recorder out;
    ShortDateForm dayFirst;
    dayFirst.order = ShortDateForm::Order::DayMonthYear;
    ContactBroadcast b(
        s, dayFirst, [] { return 2026; }, out);
    Contact c = K1AA;
    c.Date = "7/11/26";
    const struct {
        const char* name;
        std::function<void()> radio;
        std::int64_t hz;
        bool interfaced;
    } cases[] = {
        {"no radio", [] {}, 0, false},
        {"radio on the contact's band", [&] { b.radio(7'190'000, "40", "LSB"); }, 7'190'000, true},
        {"radio on another band", [&] { b.radio(14'250'000, "20", "USB"); }, 0, true},
        {"radio gone", [&] { b.radioGone(); }, 0, false},
    };
    for (const auto& k : cases) {
        k.radio();
        const ContactFacts f = b.facts(c, "id", false);
        EXPECT_EQ(f.hz, k.hz) << k.name;
        EXPECT_EQ(f.radioInterfaced, k.interfaced) << k.name;
        EXPECT_EQ(f.timestamp, "2026-11-07 21:05:10") << k.name;
        EXPECT_EQ(f.contest, "ARRL-SS-SSB");
        EXPECT_EQ(f.mode, "SSB");
        EXPECT_EQ(f.band, "7");
        EXPECT_EQ(f.sentExchange, "1 A K6XX 85 EB");
    }
    EXPECT_EQ(contactId(K1AA).size(), 32u);
    Contact other = K1AA;
    other.Call = "W1AW"; // the ID comes from the serial sent, date and time only
    EXPECT_EQ(contactId(other), contactId(K1AA));
    other.Time = "21:05:11";
    EXPECT_NE(contactId(other), contactId(K1AA));
}
