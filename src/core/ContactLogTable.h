#pragma once
// The in-memory log: records 1..Capacity, indexed by record number. Slot 0 never
// holds a contact; slots above the contest's record count may hold stale text.

#include "core/Contact.h"

#include <cassert>
#include <vector>

namespace vantor {

class ContactLogTable {
public:
    static constexpr int Capacity = 11000;

    ContactLogTable() : records_(Capacity + 1) {}

    Contact& operator[](int recNo) {
        assert(recNo >= 0 && recNo <= Capacity);
        return records_[static_cast<std::size_t>(recNo)];
    }
    const Contact& operator[](int recNo) const {
        assert(recNo >= 0 && recNo <= Capacity);
        return records_[static_cast<std::size_t>(recNo)];
    }

private:
    std::vector<Contact> records_;
};

} // namespace vantor
