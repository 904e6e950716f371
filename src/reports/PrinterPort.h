#pragma once
// The printer as the reports see it: a font size, lines of texts placed at character
// columns of the current font, page breaks and the end of the job. The Qt program
// prints through the system's default printer, or into a PDF file in the contest
// folder when the system has none; tests record what is printed.

#include <string>
#include <vector>

namespace vantor {

// One text of a printed line. column is 1-based and counted in the average character
// width of the current font; 0 means "straight after the previous text".
struct PrintField {
    int column = 0;
    std::string text; // Latin-1 bytes

    bool operator==(const PrintField&) const = default;
};

class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    virtual void setFontSize(double points) = 0;
    // Prints one line (an empty vector prints an empty line) and moves to the next.
    virtual void printLine(const std::vector<PrintField>& fields) = 0;
    virtual void newPage() = 0;
    // Ends the job and sends it to the printer (or closes the PDF file). False when
    // the job failed; error() then says why in plain words.
    virtual bool endJob() = 0;

    // False once anything has gone wrong with the job.
    virtual bool ok() const = 0;
    virtual std::string error() const = 0;
    // Where the pages go, for the operator: empty for a real printer, otherwise the
    // name of the PDF file.
    virtual std::string destination() const = 0;
};

} // namespace vantor
