#pragma once
// The line composer shared by every report. A report line is a run of texts, each
// either placed at a 1-based column or written straight after the previous text.
// Placing follows the column placement rule: spaces are written from the next free
// position up to the column; nothing when already there; when already past it, the
// line is ended and the text starts at that column of a new line. One report line
// may therefore become several physical lines, which the composer hands out as file
// text or as printer fields.

#include "reports/PrinterPort.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The number field rule: one space (or '-'), the digits, one trailing space.
std::string numberField(std::int64_t value);

class ReportLine {
public:
    ReportLine() = default;
    explicit ReportLine(std::string_view text) { this->text(text); }

    // The text placed at column (1-based) by the column placement rule.
    ReportLine& at(int column, std::string_view text);
    // The text straight after whatever was written last.
    ReportLine& text(std::string_view text);
    ReportLine& number(std::int64_t value) { return text(numberField(value)); }
    ReportLine& numberAt(int column, std::int64_t value) { return at(column, numberField(value)); }

    // The physical lines as file text (no line ends); an empty report line gives one
    // empty line.
    std::vector<std::string> fileLines() const;
    // The same lines as printer fields; texts written straight after each other
    // share one field.
    const std::vector<std::vector<PrintField>>& printLines() const { return lines_; }

private:
    std::vector<std::vector<PrintField>> lines_{1};
    int next_ = 1; // next free column of the last physical line
};

// Collects the physical lines of report lines, for a file or for paper.
class ReportText {
public:
    ReportText& add(const ReportLine& line);
    ReportText& add(std::string_view text) { return add(ReportLine(text)); }
    ReportText& empty(int count = 1);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Prints every physical line of a report line.
void printReportLine(PrinterPort& printer, const ReportLine& line);

} // namespace vantor
