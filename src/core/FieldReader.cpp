#include "core/FieldReader.h"

namespace vantor {

namespace {
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

void FieldReader::skipBlanks() {
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
}

bool FieldReader::atEnd() const {
    for (std::size_t i = pos_; i < data_.size(); ++i) {
        if (!isBlank(data_[i]) && !isLineEnd(data_[i]))
            return false;
    }
    return true;
}

int FieldReader::nextLine() const {
    std::size_t at = pos_;
    while (at < data_.size() && (isBlank(data_[at]) || (!afterComma_ && isLineEnd(data_[at]))))
        ++at;
    int line = 1;
    for (std::size_t i = 0; i < at && i < data_.size(); ++i) {
        // CR LF, a lone LF and a lone CR each end one line.
        if (data_[i] == '\n' ||
            (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// Consumes the separator after a field: a comma, a run of line ends, or the end.
FieldReader::Status FieldReader::finishField() {
    afterComma_ = false;
    skipBlanks();
    if (pos_ >= data_.size())
        return Status::Ok;
    if (data_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
        return Status::Ok;
    }
    if (isLineEnd(data_[pos_])) {
        while (pos_ < data_.size() && (isLineEnd(data_[pos_]) || isBlank(data_[pos_])))
            ++pos_;
        return Status::Ok;
    }
    return Status::Malformed;
}

FieldReader::Status FieldReader::next(std::string& out) {
    out.clear();
    skipBlanks();
    // Blank lines before a record are not fields; a line end right after a comma
    // closes an empty one.
    if (!afterComma_) {
        while (pos_ < data_.size() && (isLineEnd(data_[pos_]) || isBlank(data_[pos_])))
            ++pos_;
    }
    if (pos_ >= data_.size())
        return Status::End;
    if (data_[pos_] == '"') {
        const std::size_t close = data_.find('"', pos_ + 1);
        if (close == std::string_view::npos)
            return Status::Malformed;
        out.assign(data_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        return finishField();
    }
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_])) {
        if (data_[pos_] == '"')
            return Status::Malformed;
        ++pos_;
    }
    out.assign(data_.substr(start, pos_ - start));
    return finishField();
}

} // namespace vantor
