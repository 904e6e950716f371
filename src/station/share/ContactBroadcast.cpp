#include "station/share/ContactBroadcast.h"

#include <algorithm>
#include <cstdio>

namespace vantor::share {

namespace {

std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace

std::string contactId(const Contact& c) {
    const std::string key = c.NumSent + '\x1f' + c.Date + '\x1f' + c.Time;
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx",
                  static_cast<unsigned long long>(fnv1a(key, 0xcbf29ce484222325ULL)),
                  static_cast<unsigned long long>(fnv1a(key, 0x84222325cbf29ce4ULL)));
    return text;
}

ContactBroadcast::ContactBroadcast(const ContestState& state, const ShortDateForm& dateForm,
                                   std::function<int()> referenceYear, DatagramPort& out)
    : s_(state), form_(dateForm), referenceYear_(std::move(referenceYear)), out_(out) {}

void ContactBroadcast::setOn(bool on) {
    if (on && !on_)
        rebuild();
    on_ = on;
    if (!on)
        known_.clear();
}

void ContactBroadcast::rebuild() {
    known_.clear();
    known_.reserve(static_cast<std::size_t>(std::max(s_.RecCount, 0)));
    for (int i = 1; i <= s_.RecCount; ++i)
        known_.push_back({s_.ContactLog[i], contactId(s_.ContactLog[i])});
}

void ContactBroadcast::loaded() {
    if (!on_)
        return;
    const auto n = static_cast<std::size_t>(std::max(s_.RecCount, 0));
    std::size_t differ = 0;
    if (known_.size() == n) {
        // The read-back of an edit: one record differs, the edit's report follows.
        for (std::size_t i = 0; i < n && differ < 2; ++i)
            differ += known_[i].contact == s_.ContactLog[static_cast<int>(i) + 1] ? 0 : 1;
        if (differ < 2)
            return;
    } else if (known_.size() == n + 1) {
        // The read-back of a deletion: one record gone, its report follows.
        std::size_t k = 0;
        while (k < n && known_[k].contact == s_.ContactLog[static_cast<int>(k) + 1])
            ++k;
        bool rest = true;
        for (std::size_t i = k; i < n && rest; ++i)
            rest = known_[i + 1].contact == s_.ContactLog[static_cast<int>(i) + 1];
        if (rest)
            return;
    }
    rebuild();
}

bool ContactBroadcast::firstOfSection(int record) const {
    const std::string& sec = s_.ContactLog[record].Sec;
    for (int i = 1; i < record; ++i)
        if (s_.ContactLog[i].Sec == sec)
            return false;
    return true;
}

ContactFacts ContactBroadcast::facts(const Contact& c, const std::string& id,
                                     bool newSection) const {
    const StationData& st = s_.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    ContactFacts f;
    f.id = id;
    f.contest = phone ? "ARRL-SS-SSB" : "ARRL-SS-CW";
    if (const auto at = parseStamp(form_, c.Date, c.Time, referenceYear_()))
        f.timestamp = cabrilloDate(toCivil(*at).date) + " " + formatHms(*at);
    f.myCall = st.MyCall;
    f.band = bandMegahertz(c.Bnd);
    f.mode = phone ? "SSB" : "CW";
    f.call = c.Call;
    f.sentSerial = c.NumSent;
    f.receivedSerial = c.Num;
    f.precedence = c.Pre;
    f.check = c.Ck;
    f.section = c.Sec;
    f.sentExchange = c.NumSent + " " + st.MyPre + " " + st.MyCall + " " + st.MyCk + " " + st.MySec;
    f.stationName = stationName_;
    f.radioInterfaced = radioHz_.has_value();
    f.hz = radioHz_ && radioBand_ == c.Bnd ? *radioHz_ : 0;
    f.newSection = newSection;
    return f;
}

void ContactBroadcast::committed(int record) {
    if (!on_ || record < 1 || record > s_.RecCount)
        return;
    const Contact& c = s_.ContactLog[record];
    const auto index = static_cast<std::size_t>(record - 1);
    if (known_.size() != index)
        rebuild(); // out of step: the log is the truth
    if (known_.size() == index)
        known_.push_back({c, contactId(c)});
    out_.send(
        contactPacket(ContactPacket::Info, facts(c, known_[index].id, firstOfSection(record))));
}

void ContactBroadcast::corrected(Correction change, int record, const Contact& contact) {
    if (!on_ || record < 1)
        return;
    const auto index = static_cast<std::size_t>(record - 1);
    std::string id;
    if (change == Correction::Edited) {
        if (index < known_.size()) {
            id = known_[index].id;
            known_[index].contact = contact;
        } else {
            id = contactId(contact);
        }
        const bool first = record <= s_.RecCount && firstOfSection(record);
        out_.send(contactPacket(ContactPacket::Replace, facts(contact, id, first)));
        return;
    }
    if (index < known_.size() && known_[index].contact == contact) {
        id = known_[index].id;
        known_.erase(known_.begin() + static_cast<std::ptrdiff_t>(index));
    } else {
        id = contactId(contact);
    }
    out_.send(contactDeletePacket(facts(contact, id, false)));
}

void ContactBroadcast::radio(std::int64_t hz, const std::string& band, const std::string& mode) {
    radioHz_ = hz;
    radioBand_ = band;
    if (on_)
        out_.send(radioPacket({hz, mode, s_.StationInfo.MyCall, stationName_}));
}

void ContactBroadcast::radioGone() {
    radioHz_.reset();
    radioBand_.clear();
}

} // namespace vantor::share
