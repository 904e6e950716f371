#pragma once
// Reads the comma-separated field form of the program's text files: fields are
// separated by commas or line ends, spaces before a field are skipped, a field that
// starts with a double quote runs to the next double quote (quotes dropped), any
// other field runs to the next comma or line end. Line ends do not group fields:
// a record may continue on the next line. Blank lines count as one line end.
//
// A double quote anywhere but around a whole field makes the data malformed.

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

class FieldReader {
public:
    enum class Status { Ok, End, Malformed };

    explicit FieldReader(std::string_view data) : data_(data) {}

    // Reads the next field into out. End when no data is left.
    Status next(std::string& out);
    // True when nothing but spaces, tabs and line ends remains.
    bool atEnd() const;
    // The 1-based line on which the next field starts.
    int nextLine() const;

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;

    void skipBlanks();
    Status finishField();
};

} // namespace vantor
