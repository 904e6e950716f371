#include "core/DateFormFile.h"

#include "core/FieldReader.h"
#include "core/FieldWriter.h"

namespace vantor {

DateFormRecord parseDateForm(std::string_view data) {
    FieldReader reader(data);
    std::string field;
    if (reader.next(field) == FieldReader::Status::Ok)
        if (const auto form = ShortDateForm::fromOwnPattern(field))
            return {DateFormRecord::Status::Read, *form};
    return {DateFormRecord::Status::Damaged, {}};
}

DateFormRecord readDateForm(const std::string& path) {
    std::string data;
    switch (readWholeFile(path, data)) {
    case ReadStatus::Missing:
        return {};
    case ReadStatus::Unreadable:
        return {DateFormRecord::Status::Damaged, {}};
    case ReadStatus::Ok:
        break;
    }
    return parseDateForm(data);
}

IoResult writeDateForm(const std::string& path, const ShortDateForm& form) {
    FieldWriter w;
    w.text(form.pattern()).endLine();
    return replaceAtomically(path, w.str());
}

} // namespace vantor
