#pragma once
// The summary sheet information window: shows Form2Logic's options and texts, hands it
// the operator's choices, the focus leaving the operator's call box and the four
// buttons, and shows back what changed. "Done" (or closing the window) ends it.

#include "entry/Form2Logic.h"
#include "ui/dialogs/DialogParts.h"

#include <QDialog>

#include <array>

class QGroupBox;

namespace vantor::ui {

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(const ContestState& state, PlatformPort& port, ShortDateForm dateForm, int referenceYear,
          QWidget* parent = nullptr, FileNames files = {});
    ~Form2() override;

    static constexpr UnitRect DesignRect{0, 0, 9615, 6675};

    // Loads the window afresh and shows it modally.
    void run();
    // Lays the window out to the screen, then shows the defaults.
    void Form_Load();
    // Lays the window out as on a screen of the given size.
    void layOutFor(QSize screenPixels);

    const Form2Logic& logic() const { return logic_; }
    QWidget* control(Form2Control c) const { return controls_.at(static_cast<std::size_t>(c)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pull();
    void render();
    void forward(void (Form2Logic::*handler)());
    void onFocusChanged(QWidget* old, QWidget* now);
    void placeOptions();

    Form2Logic logic_;
    Design design_;
    std::array<QWidget*, Form2ControlCount> controls_{};
    QGroupBox* Frame1 = nullptr;
    bool rendering_ = false;
};

} // namespace vantor::ui
