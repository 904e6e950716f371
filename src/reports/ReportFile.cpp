#include "reports/ReportFile.h"

#include "core/FieldWriter.h"
#include "core/FileOps.h"

namespace vantor {

std::string joinReportLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + LineEnd.size();
    std::string out;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += LineEnd;
    }
    return out;
}

ReportResult writeReportFile(const std::string& path, const std::vector<std::string>& lines) {
    const IoResult r = replaceAtomically(path, joinReportLines(lines));
    if (r)
        return {};
    return {false, path + " could not be written (" + r.error + ")."};
}

} // namespace vantor
