#pragma once
// The band statistics window: contacts per band, each band's whole percentage of
// the total, and the total, computed afresh from the log on every load. It is not
// scaled to the screen: it opens at its design size, centred.

#include "core/ContestState.h"
#include "ui/dialogs/DialogParts.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace vantor::ui {

class frmbndstats : public QDialog {
    Q_OBJECT
public:
    explicit frmbndstats(const ContestState& state, QWidget* parent = nullptr);

    static constexpr UnitRect DesignRect{0, 0, 4200, 4560};

    // Loads the window and shows it modally.
    void run();
    // Places the window and fills the figures.
    void Form_Load();

public slots:
    void Command1_Click();

private:
    const ContestState& state_;
    Design design_;
    std::array<QLabel*, 13> lblcon{};
    QPushButton* Command1 = nullptr;
};

} // namespace vantor::ui
