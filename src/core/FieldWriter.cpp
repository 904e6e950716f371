#include "core/FieldWriter.h"

namespace vantor {

void FieldWriter::separate() {
    if (lineStarted_)
        out_ += ',';
    lineStarted_ = true;
}

FieldWriter& FieldWriter::text(std::string_view value) {
    separate();
    out_ += '"';
    out_ += value;
    out_ += '"';
    return *this;
}

FieldWriter& FieldWriter::number(std::int64_t value) {
    separate();
    out_ += std::to_string(value);
    return *this;
}

FieldWriter& FieldWriter::endLine() {
    out_ += LineEnd;
    lineStarted_ = false;
    return *this;
}

} // namespace vantor
