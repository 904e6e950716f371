#pragma once
// The radio as the main window shows it: reads "nsradio.txt", drives the connection
// from a timer, applies the radio's band as the band menu does, tunes the radio when
// the band menu is used, shows the frequency beside the band and the state in the
// status bar, and offers the "Radio..." dialog. Without a radio set up it adds nothing
// to the window but its menu item.

#include "core/Clock.h"
#include "core/ContestState.h"
#include "entry/Form1Logic.h"
#include "station/radio/RadioController.h"
#include "station/radio/RigKeyer.h"
#include "ui/station/radio/QtRigDaemon.h"
#include "ui/station/radio/QtRigLink.h"

#include <QObject>

#include <functional>

class QLabel;
class QMainWindow;
class QTimer;

namespace vantor::radio {

class RadioDesk final : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 50;

    // render brings the window up to date after the radio changed the band.
    RadioDesk(QMainWindow& window, Form1Logic& logic, ContestState& state, const Clock& clock,
              std::function<void()> render);
    ~RadioDesk() override;

    // The start-up is over (station dialog, the questions): the radio set up connects.
    void begin();
    // Uses these settings from now on and keeps them in "nsradio.txt".
    void apply(const RadioSettings& settings);
    // The "Radio..." menu item.
    void openSetup();

    // The radio's keyer and PTT line for sending; null while the radio is not connected.
    KeyerPort* keyer();
    PttPort* ptt();
    RadioController& controller() { return controller_; }
    // What the state label and the frequency label show now.
    QString statusShown() const;
    QString frequencyShown() const;
    // Told each new frequency while the radio is connected, and 0 once it is not.
    std::function<void(std::int64_t hz)> onFrequency;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::int64_t toldHz_ = 0;
    QMainWindow& window_;
    Form1Logic& logic_;
    ContestState& state_;
    std::function<void()> render_;
    QtRigLink link_;
    QtRigDaemon daemon_;
    RadioController controller_;
    RigKeyer keyer_;
    QTimer* timer_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* status_ = nullptr;
    bool ownStatusBar_ = false;
    RadioSettings saved_;
    std::string fileNote_;
    bool trace_ = false;

    void tick();
    void refresh();
    void save();
    void showLabels(bool on);
    void placeFrequency();
};

} // namespace vantor::radio
