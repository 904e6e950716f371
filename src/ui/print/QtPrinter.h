#pragma once
// The printer port on Qt's print support. A job goes to the system's default printer;
// where the system has none, the pages go to a PDF file in the contest folder instead.
// Columns are counted in the average character width of the current font, lines are
// the font's line spacing, and a line that would run off the bottom of the page starts
// a new one rather than being lost.

#include "reports/PrinterPort.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <string>
#include <vector>

namespace vantor::ui {

class QtPrinter final : public PrinterPort {
public:
    enum class Target { DefaultPrinter, Pdf };

    // Starts the job at once; ok() tells whether it could be started. With
    // Target::DefaultPrinter the pages go to the PDF file only when the system has no
    // printer; with Target::Pdf they always do.
    explicit QtPrinter(const std::string& pdfName, Target target = Target::DefaultPrinter);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setFontSize(double points) override;
    void printLine(const std::vector<PrintField>& fields) override;
    void newPage() override;
    bool endJob() override;

    bool ok() const override { return ok_; }
    std::string error() const override { return error_; }
    std::string destination() const override {
        return pdfPath_.isEmpty() ? std::string() : pdfName_;
    }

private:
    void fail(const std::string& why);
    void useFont(double points);

    QPrinter printer_;
    QPainter painter_;
    QFont font_;
    QFontMetricsF metrics_{font_}; // of font_ on the printer, kept for every line
    double pageHeight_ = 0;        // printable height in device pixels
    std::string pdfName_;
    QString pdfPath_; // empty when a real printer takes the job
    double y_ = 0;    // top of the next line, in device pixels from the printable area's top
    bool ok_ = true;
    bool ended_ = false;
    std::string error_;
};

} // namespace vantor::ui
