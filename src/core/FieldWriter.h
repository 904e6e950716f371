#pragma once
// Writes the comma-separated field form: text in double quotes, nothing escaped,
// numbers bare, lines ended by CR LF.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view LineEnd = "\r\n";

class FieldWriter {
public:
    FieldWriter& text(std::string_view value);
    FieldWriter& number(std::int64_t value);
    // Ends the current line.
    FieldWriter& endLine();

    const std::string& str() const { return out_; }

private:
    std::string out_;
    bool lineStarted_ = false;
    void separate();
};

} // namespace vantor
