#pragma once
// A recording printer for tests: every font change, line, page break and the end of
// the job land in a PrintRecord owned by the test, which also renders the printed
// fields as text lines page by page. It can be told to fail when the job ends.

#include "reports/PrinterPort.h"
#include "support/FakePort.h"

#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

struct PrintRecord {
    // "font 11", "line <text>", "page", "end", in the order they happened.
    std::vector<std::string> events;
    // Each page's lines as their fields.
    std::vector<std::vector<std::vector<PrintField>>> pageFields{1};
    bool ended = false;

    // A line's fields as text: a field at column n starts after n - 1 characters,
    // one at column 0 straight after the previous one.
    static std::string render(const std::vector<PrintField>& fields) {
        std::string out;
        for (const auto& f : fields) {
            if (f.column > 0 && static_cast<int>(out.size()) < f.column - 1)
                out.append(static_cast<std::size_t>(f.column - 1) - out.size(), ' ');
            out += f.text;
        }
        return out;
    }

    std::vector<std::vector<std::string>> pages() const {
        std::vector<std::vector<std::string>> out;
        for (const auto& page : pageFields) {
            auto& lines = out.emplace_back();
            for (const auto& fields : page)
                lines.push_back(render(fields));
        }
        return out;
    }
};

class FakePrinter : public PrinterPort {
public:
    explicit FakePrinter(PrintRecord& record, std::string destination = {}, bool failAtEnd = false)
        : r_(record), destination_(std::move(destination)), failAtEnd_(failAtEnd) {}

    void setFontSize(double points) override {
        r_.events.push_back("font " + std::to_string(static_cast<int>(points)));
    }
    void printLine(const std::vector<PrintField>& fields) override {
        r_.events.push_back("line " + PrintRecord::render(fields));
        r_.pageFields.back().push_back(fields);
    }
    void newPage() override {
        r_.events.push_back("page");
        r_.pageFields.emplace_back();
    }
    bool endJob() override {
        r_.events.push_back("end");
        failed_ = failAtEnd_;
        r_.ended = !failed_;
        return !failed_;
    }
    bool ok() const override { return !failed_; }
    std::string error() const override { return failAtEnd_ ? "the printer is out of paper" : ""; }
    std::string destination() const override { return destination_; }

private:
    PrintRecord& r_;
    std::string destination_;
    bool failAtEnd_;
    bool failed_ = false;
};

// The scripted platform with a printer: a real one, none (the pages go to the PDF
// named by the command), one that fails at the end, or no job at all.
struct PrintingPort : FakePort {
    using FakePort::FakePort;
    enum class Job { Printer, Pdf, Failing, None } job = Job::Printer;
    PrintRecord record;
    std::vector<std::string> requested; // the PDF names the commands asked for

    std::unique_ptr<PrinterPort> startPrintJob(const std::string& pdfName) override {
        requested.push_back(pdfName);
        if (job == Job::None)
            return nullptr;
        return std::make_unique<FakePrinter>(record, job == Job::Pdf ? pdfName : "",
                                             job == Job::Failing);
    }
};

} // namespace vantor::test
