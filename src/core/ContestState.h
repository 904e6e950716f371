#pragma once
// The one record of the contest in progress: the log, the counters derived from it,
// the station data, the settings, the entry-check flags and the operating-time
// state. Owned by the application and passed by reference; never persisted as a
// whole (the files in LogFile, PrefsFile and OnOffFile carry its parts).

#include "core/ContactLogTable.h"
#include "core/SectionTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// Own station data, entered in the station dialog and kept in "nspref.txt".
struct StationData {
    std::string MyCall;
    std::string MyPre;
    std::string MyCk;
    std::string MySec;
    std::uint8_t UtcHours = 0;    // hours added to the local clock to obtain UTC
    std::uint8_t ContestMode = 0; // 0 = CW, 1 = Phone
    std::int16_t PrefReserved = 0;

    bool operator==(const StationData&) const = default;
};

inline constexpr std::uint8_t ModeCW = 0;
inline constexpr std::uint8_t ModePhone = 1;

struct ContestState {
    ContactLogTable ContactLog;
    std::int32_t RecCount = 0;
    // Changes whenever the contacts do (a load, a commit, a correction), so that what
    // was found in them can be known to still hold.
    std::uint64_t LogVersion = 0;
    std::uint8_t SecWorked = 0;
    std::array<std::int16_t, MaxSectionRows + 1> SecCount{}; // rows 1..Sections->rows
    // The section list of this contest; kept in the contest folder beside the log.
    const SectionList* Sections = &Sections79;

    StationData StationInfo;

    // Settings
    std::string Band;
    std::uint8_t TabOrder = 0; // 1 = serial number first, 2 = call first
    std::uint8_t ShowPartials = 0;
    std::uint8_t ListAll = 0;

    // Entry-check flags
    std::uint8_t DupeFlag = 0;
    std::uint8_t IncompleteFlag = 0;
    std::uint8_t BadSecFlag = 0;
    std::uint8_t AskedOpen = 0;

    // Operating time. TimeOnAt and BandStart are seconds of the system's UTC clock, so
    // that durations do not jump with the wall clock at a change of daylight saving
    // time; DupeAt keeps local wall-clock milliseconds for the three-second hold.
    // The second counters are 32-bit so that a 24-hour contest never stops the clock.
    std::uint8_t LoggedOn = 0;
    std::int64_t TimeOnAt = 0;
    std::int64_t BandStart = 0;
    std::int32_t OpTime = 0;
    std::int32_t OpTimeRun = 0;
    std::int64_t DupeAt = 0;

    // Keystroke scratch for handing a key from one entry field to the next
    std::string KeyBuf;
    std::uint8_t KeyState = 0;
};

// The serial number to send after the last record: 1 for an empty log, otherwise
// the last NumSent plus one. Empty when the last NumSent is not a number.
std::optional<std::int64_t> nextSerialNumber(const ContestState& state);
// The same as decimal text, without spaces or leading zeros.
std::optional<std::string> nextSerial(const ContestState& state);

// Score = 2 x contacts x sections worked (32-bit).
std::int32_t score(const ContestState& state);
int sectionsToGo(const ContestState& state);

// Recounts the sections of records 1..RecCount against the chosen list.
void sectionRecount(ContestState& state);

// Clears the per-section counts and the number of sections worked.
void sectionReset(ContestState& state);

// Counts one contact of section text sec. Returns the row that became worked by it,
// or 0 when no row was newly worked (repeat, or a text that matches no row).
int sectionTally(ContestState& state, std::string_view sec);

} // namespace vantor
