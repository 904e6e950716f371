#pragma once
// How a report reaches the disk: the whole text is composed first and then replaces
// the file atomically (temporary file, fsync, rename), so a report that fails half
// way never leaves a partial file standing as if it were complete.

#include <string>
#include <vector>

namespace vantor {

struct ReportResult {
    bool ok = true;
    std::string error; // plain words for the operator
};

// The lines joined with CR LF after each, as Latin-1 bytes.
std::string joinReportLines(const std::vector<std::string>& lines);

ReportResult writeReportFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace vantor
