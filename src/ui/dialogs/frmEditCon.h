#pragma once
// The edit contact dialog: shows one record in nine boxes, hands every typed
// character and every move of the operator between boxes to EditContactLogic, and
// shows its boxes, warnings and focus back. "Done" (or Enter) closes it once the
// record is stored; closed any other way it stores nothing.

#include "entry/EditContactLogic.h"
#include "ui/dialogs/DialogParts.h"

#include <QDialog>

#include <array>
#include <cstddef>

class QPushButton;

namespace vantor::ui {

class KeyBox;

class frmEditCon : public QDialog {
    Q_OBJECT
public:
    frmEditCon(ContestState& state, MessagePort& port, ShortDateForm dateForm, int referenceYear,
               QWidget* parent = nullptr);
    ~frmEditCon() override;

    static constexpr UnitRect DesignRect{0, 0, 5760, 5520};

    // Lays the window out to the screen, then loads record editRec into the boxes.
    void Form_Load(int editRec);
    // Loads the dialog and shows it modally until it is hidden or closed.
    void run(int editRec);

    const EditContactLogic& logic() const { return logic_; }

public slots:
    void cmdDone_Click();

private:
    using Box = EditContactLogic::Box;

    void pull();
    void typed(std::size_t row, int code);
    void edited(std::size_t row, const QString& text);
    void focusMoved(QWidget* now);
    void operatorFocus(Box box);
    QWidget* widgetOf(Box box) const;
    void render();

    EditContactLogic logic_;
    Design design_;
    std::array<KeyBox*, EditContactLogic::BoxCount> boxes_{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* bandWarning_ = nullptr;
    QPushButton* cmdDone = nullptr;
    bool rendering_ = false;
    bool inLogic_ = false;
};

} // namespace vantor::ui
