#include "ui/main/QtPlatform.h"

#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/Form2.h"
#include "ui/dialogs/Form5.h"
#include "ui/dialogs/InstantPress.h"
#include "ui/dialogs/frmEditCon.h"
#include "ui/dialogs/frmStationID.h"
#include "ui/dialogs/frmbndstats.h"
#include "ui/print/QtPrinter.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

namespace vantor::ui {

void QtPlatform::beep() {
    QApplication::beep();
}

Answer QtPlatform::messageBox(const std::string& title, const std::string& text, Buttons buttons,
                              Icon icon, Answer defaultButton) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    if (icon == Icon::Question)
        qtIcon = QMessageBox::Question;
    else if (icon == Icon::Warning)
        qtIcon = QMessageBox::Warning;
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) {
        qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (buttons == Buttons::YesNo) {
        qtButtons = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
    }
    ScaledMessageBox box(qtIcon, QString::fromLatin1(title), QString::fromLatin1(text), qtButtons,
                         owner_);
    scaleMessageBox(box);
    const auto standardOf = [](Answer a) {
        switch (a) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            break;
        }
        return QMessageBox::Ok;
    };
    const QMessageBox::StandardButton wanted = standardOf(defaultButton);
    box.setDefaultButton(qtButtons.testFlag(wanted) ? wanted : first);
    // Escape never answers Yes.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    answerAtOnce(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

StationData QtPlatform::runStationDialog(const StationData& current, const std::string& note) {
    frmStationID dialog(*this, owner_);
    return dialog.run(current, note);
}

void QtPlatform::showBandStatistics() {
    frmbndstats dialog(state_, owner_);
    dialog.run();
}

void QtPlatform::runEditDialog(ContestState& state, int EditRec, const ShortDateForm& dateForm,
                               int referenceYear) {
    frmEditCon dialog(state, *this, dateForm, referenceYear, owner_);
    dialog.run(EditRec);
}

void QtPlatform::showHelp() {
    Form5 dialog(owner_);
    dialog.run();
}

void QtPlatform::showSummarySheet(const ShortDateForm& dateForm, int referenceYear,
                                  const FileNames& files) {
    Form2 dialog(state_, *this, dateForm, referenceYear, owner_, files);
    dialog.run();
}

std::unique_ptr<PrinterPort> QtPlatform::startPrintJob(const std::string& pdfName) {
    // A job that could not start is still returned: its error() says why.
    return std::make_unique<QtPrinter>(pdfName);
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}

std::string QtPlatform::amText() const {
    const QString text = QLocale::system().amText();
    return text.isEmpty() ? "AM" : text.toLatin1().toStdString();
}

std::string QtPlatform::pmText() const {
    const QString text = QLocale::system().pmText();
    return text.isEmpty() ? "PM" : text.toLatin1().toStdString();
}

} // namespace vantor::ui
