#pragma once
// The contact broadcast without its socket: every contact logged, corrected or taken
// out becomes one datagram for the other programs, and the radio's frequency and mode
// another. Nothing is built or sent while the broadcast is off.
//
// Each contact keeps one ID for the receivers, made from its serial number sent, date
// and time as first seen: these rarely change, and a receiver matches a later
// correction or deletion by it. The ID is remembered by record for the session, so a
// correction of any field, the serial, date or time included, replaces the contact
// under the ID the receivers already hold. After a restart the IDs are made afresh
// from the log, the same for every contact not corrected in those three fields.

#include "core/ContestState.h"
#include "core/DateTime.h"
#include "station/share/Packets.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantor::share {

class DatagramPort {
public:
    virtual ~DatagramPort() = default;
    // To every destination; never blocks, never throws.
    virtual void send(const std::string& datagram) = 0;
};

// serial number sent + date + time hashed into 32 hexadecimal digits.
std::string contactId(const Contact& c);

class ContactBroadcast {
public:
    enum class Correction { Edited, Deleted };

    // referenceYear settles two-digit years in the log's dates.
    ContactBroadcast(const ContestState& state, const ShortDateForm& dateForm,
                     std::function<int()> referenceYear, DatagramPort& out);

    void setOn(bool on);
    bool on() const { return on_; }
    void setStationName(std::string name) { stationName_ = std::move(name); }

    // The log was read into the state (start-up, open, and the read-back of every
    // correction, which comes before the correction itself).
    void loaded();
    // Record number of a contact just stored.
    void committed(int record);
    // A correction the log file now holds: the contact as corrected, or as deleted.
    void corrected(Correction change, int record, const Contact& contact);

    // The radio is connected and on hz (band code "160".."10", its mode name); contacts
    // logged on that band carry the frequency.
    void radio(std::int64_t hz, const std::string& band, const std::string& mode);
    // The radio is no longer connected.
    void radioGone();

    // The facts of a contact as the packets carry them.
    ContactFacts facts(const Contact& c, const std::string& id, bool newSection) const;

private:
    struct Known {
        Contact contact;
        std::string id;
    };
    const ContestState& s_;
    const ShortDateForm& form_;
    std::function<int()> referenceYear_;
    DatagramPort& out_;
    bool on_ = false;
    std::string stationName_;
    std::vector<Known> known_; // record 1 first
    std::optional<std::int64_t> radioHz_;
    std::string radioBand_;

    void rebuild();
    bool firstOfSection(int record) const;
};

} // namespace vantor::share
