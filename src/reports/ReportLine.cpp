#include "reports/ReportLine.h"

namespace vantor {

std::string numberField(std::int64_t value) {
    std::string out = value < 0 ? "-" : " ";
    // The magnitude as unsigned, so the most negative value is written correctly too.
    const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    out += std::to_string(magnitude);
    out += ' ';
    return out;
}

ReportLine& ReportLine::at(int column, std::string_view t) {
    if (column < 1)
        column = 1;
    if (next_ > column) {
        lines_.emplace_back();
        next_ = 1;
    }
    lines_.back().push_back({column, std::string(t)});
    next_ = column + static_cast<int>(t.size());
    return *this;
}

ReportLine& ReportLine::text(std::string_view t) {
    auto& line = lines_.back();
    if (line.empty())
        line.push_back({1, std::string(t)});
    else
        line.back().text += t;
    next_ += static_cast<int>(t.size());
    return *this;
}

std::vector<std::string> ReportLine::fileLines() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const auto& fields : lines_) {
        std::string line;
        for (const auto& f : fields) {
            if (static_cast<int>(line.size()) < f.column - 1)
                line.append(static_cast<std::size_t>(f.column - 1) - line.size(), ' ');
            line += f.text;
        }
        out.push_back(std::move(line));
    }
    return out;
}

ReportText& ReportText::add(const ReportLine& line) {
    for (auto& l : line.fileLines())
        lines_.push_back(std::move(l));
    return *this;
}

ReportText& ReportText::empty(int count) {
    for (int i = 0; i < count; ++i)
        lines_.emplace_back();
    return *this;
}

void printReportLine(PrinterPort& printer, const ReportLine& line) {
    for (const auto& fields : line.printLines())
        printer.printLine(fields);
}

} // namespace vantor
