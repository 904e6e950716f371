#pragma once
// The station identification dialog: shows the station data, hands every typed
// character to StationDialogLogic and shows its boxes back. "Done", or Enter in any
// box, closes it once a call sign is there; closed any other way it changes nothing.

#include "entry/StationDialogLogic.h"
#include "ui/dialogs/DialogParts.h"

#include <QDialog>

#include <array>
#include <cstddef>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantor::ui {

class KeyBox;

class frmStationID : public QDialog {
    Q_OBJECT
public:
    explicit frmStationID(MessagePort& port, QWidget* parent = nullptr);

    static constexpr UnitRect DesignRect{0, 0, 8100, 4380};

    // Loads the dialog from current, shows it modally and returns the values to store.
    // A note, when not empty, stands beside the hours box.
    StationData run(const StationData& current, const std::string& note = "");

    // Lays the window out to the screen, then fills the boxes from current and the note
    // beside the hours box.
    void Form_Load(const StationData& current, const std::string& note = "");
    // The boxes when "Done" accepted them, otherwise current.
    StationData result(const StationData& current) const;
    using QDialog::result;

public slots:
    void Command1_Click();

private:
    void typed(std::size_t row, int code);
    void pull();
    void closeIfDone();

    StationDialogLogic logic_;
    Design design_;
    std::array<KeyBox*, 5> boxes_{}; // Text1, Text3, Text4, Text5, Text6 in tab order
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label12 = nullptr; // the note beside the hours box
};

} // namespace vantor::ui
