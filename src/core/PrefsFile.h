#pragma once
// "nspref.txt": station data, settings and accumulated operating time, one field a
// line in a fixed order of ten.

#include "core/ContestState.h"
#include "core/FileOps.h"

#include <string>

namespace vantor {

inline const std::string PrefsFileName = "nspref.txt";

std::string formatPrefs(const ContestState& state);

// Rewrites the whole file atomically.
IoResult writePrefs(const std::string& path, const ContestState& state);

// Reads the fields in order and stops at the first that is missing or does not fit
// its field; the fields read before keep their new values, the rest are untouched.
// Returns how many of the ten fields were taken.
int readPrefs(const std::string& path, ContestState& state);
int readPrefsData(std::string_view data, ContestState& state);

} // namespace vantor
