#include "core/SectionChoiceFile.h"

#include "core/FieldReader.h"
#include "core/FieldWriter.h"
#include "core/Numbers.h"

#include <filesystem>

namespace vantor {

const SectionList& parseSectionChoice(std::string_view data) {
    FieldReader reader(data);
    std::string field;
    if (reader.next(field) == FieldReader::Status::Ok) {
        if (const auto n = parseDecimal(field); n && *n == Sections85.rows)
            return Sections85;
    }
    return Sections79;
}

const SectionList& readSectionChoice(const std::string& path) {
    std::string data;
    if (readWholeFile(path, data) != ReadStatus::Ok)
        return Sections79;
    return parseSectionChoice(data);
}

IoResult writeSectionChoice(const std::string& path, const SectionList& list) {
    if (&list != &Sections79) {
        FieldWriter w;
        w.number(list.rows).endLine();
        return replaceAtomically(path, w.str());
    }
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec)
        return IoResult::failure("\"" + path + "\" could not be removed: " + ec.message() + ".");
    return {};
}

} // namespace vantor
