#include "ui/print/QtPrinter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace vantor::ui {

QtPrinter::QtPrinter(const std::string& pdfName, Target target)
    : printer_(QPrinter::HighResolution), pdfName_(pdfName) {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (target == Target::DefaultPrinter && !system.isNull()) {
        printer_.setPrinterName(system.printerName());
    } else {
        pdfPath_ = QDir::current().absoluteFilePath(QString::fromLocal8Bit(pdfName.c_str()));
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdfPath_);
        // US Letter with the narrow margins a printer can still reach: the widest
        // listing runs to about 102 columns and a dupe sheet page to 56 lines.
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    }
    printer_.setDocName(QString::fromLocal8Bit(pdfName.c_str()));
    if (!painter_.begin(&printer_)) {
        fail(pdfPath_.isEmpty() ? "The printer could not start the print job."
                                : "The pages could not be printed to " + pdfName_ +
                                      ": the file cannot be written in the contest folder.");
        return;
    }
    font_ = QFont(painter_.font().family());
    pageHeight_ = printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
    useFont(11.0);
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrinter::fail(const std::string& why) {
    if (ok_)
        error_ = why;
    ok_ = false;
}

void QtPrinter::useFont(double points) {
    font_.setPointSizeF(points);
    painter_.setFont(font_);
    metrics_ = QFontMetricsF(font_, &printer_);
}

void QtPrinter::setFontSize(double points) {
    if (ok_ && points > 0)
        useFont(points);
}

void QtPrinter::printLine(const std::vector<PrintField>& fields) {
    if (!ok_)
        return;
    if (y_ > 0 && y_ + metrics_.height() > pageHeight_)
        newPage();
    if (!ok_)
        return;
    const double baseline = y_ + metrics_.ascent();
    double x = 0;
    for (const PrintField& f : fields) {
        if (f.column > 0)
            x = (f.column - 1) * metrics_.averageCharWidth();
        const QString text = QString::fromLatin1(f.text.data(), qsizetype(f.text.size()));
        painter_.drawText(QPointF(x, baseline), text);
        x += metrics_.horizontalAdvance(text);
    }
    y_ += metrics_.lineSpacing();
}

void QtPrinter::newPage() {
    if (!ok_)
        return;
    if (!printer_.newPage())
        fail("The printer could not start a new page.");
    y_ = 0;
}

bool QtPrinter::endJob() {
    if (ended_)
        return ok_;
    ended_ = true;
    if (painter_.isActive() && !painter_.end())
        fail(pdfPath_.isEmpty() ? "The print job could not be sent to the printer."
                                : "The pages could not be written to " + pdfName_ + ".");
    if (ok_ && printer_.printerState() == QPrinter::Error)
        fail("The printer reported an error; the pages may not have been printed.");
    return ok_;
}

} // namespace vantor::ui
