#pragma once
// The main logging window. It shows the window logic's model of its controls and
// hands every event to that logic; it decides nothing itself.

#include "entry/Form1Logic.h"
#include "ui/dialogs/ScaleToScreen.h"
#include "ui/main/Form1Design.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

namespace vantor::radio {
class RadioDesk;
}

namespace vantor::ui {

class AidsDesk;
class KeyBox;
class FormSurface;
class QtPlatform;
class SendingDesk;
class RecentContactsModel;
class ShareDesk;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Without a port the window uses the real platform (message boxes, dialogs).
    Form1(ContestState& state, const Clock& clock, ShortDateForm dateForm,
          PlatformPort* port = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    Form1Logic& logic() { return logic_; }
    ShareDesk& share() { return *share_; }
    const Form1Model& model() const { return model_; }
    SendingDesk& sending() { return *sending_; }

    // Lays the window out and runs the logic's load; call before show().
    void Form_Load();
    // Brings every control up to date with the model.
    void render();

    // The radio, for the keyer it offers to sending.
    radio::RadioDesk* radioDesk() { return radio_.get(); }

    // Called once the window is on the screen, before the start-up questions.
    std::function<void()> onFirstShown;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct LabelBinding {
        QLabel* widget;
        const LabelModel* model;
        bool coloursFromModel;
        bool fontFromModel;
        double fontPt;
        bool bold;
        LabelModel shown;
        bool first = true;
    };

    ContestState& state_;
    Form1Model model_;
    std::unique_ptr<QtPlatform> ownPort_;
    PlatformPort& port_;
    Form1Logic logic_;
    std::unique_ptr<radio::RadioDesk> radio_;
    ShareDesk* share_ = nullptr;

    FormSurface* surface_ = nullptr;
    std::vector<DesignedControl> design_;
    std::vector<QWidget*> grid_; // the grid's heading, group headings and cells
    std::vector<LabelBinding> labels_;
    std::array<KeyBox*, 5> boxes_{};
    std::array<KeyBox*, 5> tabOrder_{}; // the entry order the tab chain was set for
    QPushButton* cmdClear_ = nullptr;
    QPushButton* cmdDup_ = nullptr;
    QPushButton* cmdLogOn_ = nullptr;
    QPushButton* cmdList_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QTableView* list_ = nullptr;
    RecentContactsModel* listModel_ = nullptr;
    int shownListVersion_ = -1;
    QAction* numopt_ = nullptr;
    QAction* callopt_ = nullptr;
    std::array<QAction*, 6> bandItems_{};
    QAction* sections79_ = nullptr;
    QAction* sections85_ = nullptr;
    const SectionList* gridList_ = nullptr; // the list the grid is laid out for
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* holdTimer_ = nullptr;
    std::int64_t holdTimerFor_ = 0; // the announcement the hold timer runs for
    QMenu* sortMenu_ = nullptr;
    Factors factors_;
    bool rendering_ = false;
    bool shownOnce_ = false;
    AidsDesk* aids_ = nullptr;
    SendingDesk* sending_ = nullptr;

    void buildControls();
    void buildMenus();
    void bindLabel(QLabel* label, const ControlSpec& control);
    void relayout();
    void setColumnWidths();
    void layoutGrid();
    void forward(const std::function<void()>& event);
    void onFocusChanged(QWidget* now);
    Field fieldOf(const QWidget* w) const;
    KeyBox* boxOf(Field f) const;
    void syncCaret(Field f);
    void renderLabel(LabelBinding& b);
    void renderBoxes();
};

} // namespace vantor::ui
