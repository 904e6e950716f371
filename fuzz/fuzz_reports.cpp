// The submission outputs from any "log.txt" and "nsonoff.txt" bytes (split at the
// first NUL byte): the inputs are refused cleanly or every report is composed.

#include "FuzzCheck.h"
#include "reports/AsciiLog.h"
#include "reports/Cabrillo.h"
#include "reports/DupeSheet.h"
#include "reports/SummarySheet.h"

#include <cstdint>
#include <memory>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto state = std::make_unique<ContestState>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto split = bytes.find('\0');
    const std::string_view log = bytes.substr(0, split);
    const std::string_view onOff =
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);

    AsciiLogInputs inputs;
    if (!parseAsciiLogInputs(log, onOff, inputs).ok)
        return 0;
    const std::size_t entries = inputs.contacts.size() + inputs.onOff.size();
    AsciiLogListing listing = mergeAsciiLog(std::move(inputs));
    FUZZ_CHECK(listing.entries.size() == entries);
    (void)asciiLogLines(listing);

    *state = ContestState{};
    state->StationInfo = {"W1AW", "A", "85", "CT", 5, 0, 0};
    adoptAsciiLog(*state, std::move(listing));
    (void)dupeSheetLines(*state);
    SummaryDetails details;
    details.soapbox = std::string(log.substr(0, 300));
    (void)summarySheetLines(*state, details);
    std::vector<std::string> cabrillo;
    (void)cabrilloLines(*state, details, ShortDateForm{}, 2026, cabrillo);
    return 0;
}
