#pragma once
// "nsdate.txt": the short date form the contest in this folder was started with. The
// stored dates of "log.txt" and "nsonoff.txt" are written and read in it, whatever the
// locale of a later start, so that they never change meaning when the folder moves.

#include "core/DateTime.h"
#include "core/FileOps.h"

#include <string>

namespace vantor {

inline const std::string DateFormFileName = "nsdate.txt";

struct DateFormRecord {
    enum class Status { Missing, Read, Damaged };
    Status status = Status::Missing;
    ShortDateForm form; // when Read
};

// One quoted pattern such as "M/d/yyyy", as writeDateForm writes it.
DateFormRecord parseDateForm(std::string_view data);
DateFormRecord readDateForm(const std::string& path);
IoResult writeDateForm(const std::string& path, const ShortDateForm& form);

} // namespace vantor
