#pragma once
// Sending in the main window: catches F1-F12, Esc, PgUp/PgDn and (with Enter sends
// message) Enter before the entry fields see them, hands them to the sending logic,
// shows the speed and the text going out at the right of the menu bar, and owns the
// keyer, the voice player and the Station menu's sending items. Keys that are not
// sending's, and every key while sending is not set up, go on as they always did.

#include "core/Clock.h"
#include "core/ContestState.h"
#include "entry/Form1Logic.h"
#include "station/sending/CwDaemonKeyer.h"
#include "station/sending/Sender.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QTimer;

namespace vantor::ui {

class UdpDatagrams;
class VoicePlayer;

class SendingDesk final : public QObject {
    Q_OBJECT
public:
    // render brings the window up to date after the logic changed the model.
    SendingDesk(QMainWindow& window, ContestState& state, const Form1Model& model,
                Form1Logic& logic, const Clock& clock, std::function<void()> render);
    ~SendingDesk() override;

    // The radio's keyer and PTT, when a radio is connected; null when not.
    void setRadio(KeyerPort* keyer, PttPort* ptt);
    // "Keyer and Messages..." and "Enter Sends Messages" in the Station menu.
    void addMenuItems(QMenu& station);
    void openDialog();

    Sender& sender() { return sender_; }
    VoicePlayer& voice() { return *voice_; }
    QLabel& statusLabel() { return *label_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    ContestState& state_;
    const Form1Model& model_;
    Form1Logic& logic_;
    std::function<void()> render_;
    Sender sender_;
    std::unique_ptr<CwDaemonKeyer> cwdaemon_;
    UdpDatagrams* datagrams_ = nullptr;
    KeyerPort* radioKeyer_ = nullptr;
    PttPort* radioPtt_ = nullptr;
    VoicePlayer* voice_ = nullptr;
    QLabel* label_ = nullptr;
    QTimer* doneTimer_ = nullptr;
    QTimer* saveTimer_ = nullptr;
    QAction* enterSends_ = nullptr;

    bool phone() const { return state_.StationInfo.ContestMode == 1; }
    bool key(QObject* watched, int key, Qt::KeyboardModifiers modifiers);
    bool enter(QObject* watched);
    void send(int n);
    void chooseKeyer();
    void saveSettings();
    void showStatus();
};

} // namespace vantor::ui
