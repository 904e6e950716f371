#pragma once
// Realistic contest logs for tests and benchmarks: distinct North American calls,
// mostly valid sections, all six bands, UTC stamps rising through the contest.

#include "core/Contact.h"
#include "core/DateTime.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::tools {

struct LogGenOptions {
    int count = 1000;
    unsigned seed = 1;
    // UTC date-time of the first contact and the span the stamps rise over.
    std::int64_t startUtc = toSeconds({{2026, 11, 7}, 21, 0, 0});
    std::int64_t spanSeconds = 24 * 3600;
    // Share of contacts whose section matches no table row.
    double invalidSectionShare = 0.02;
    // Calls are drawn from this super-check-partial file when it exists.
    std::string scpPath = "/usr/share/hamradio-files/MASTER.SCP";
    ShortDateForm dateForm;
};

std::vector<Contact> generateContacts(const LogGenOptions& options);
// The contacts as the text of "log.txt".
std::string formatLog(const std::vector<Contact>& contacts);

} // namespace vantor::tools
