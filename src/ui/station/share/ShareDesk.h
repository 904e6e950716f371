#pragma once
// The contact broadcast in the main window: it follows the window logic's log (every
// contact stored, corrected or deleted), keeps "nsshare.txt" through its dialog, and
// tells the one problem of a destination in a small label beside the menus. Off
// until turned on in the dialog.

#include "core/ContestState.h"
#include "station/share/ContactBroadcast.h"
#include "station/share/ShareSettings.h"
#include "ui/station/share/UdpSender.h"

#include <QObject>

#include <cstdint>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace vantor {
class Form1Logic;
}

namespace vantor::ui {

class ShareDesk : public QObject {
    Q_OBJECT
public:
    // Reads "nsshare.txt" of the working folder and follows logic's log.
    ShareDesk(const ContestState& state, Form1Logic& logic, QWidget* window);

    // "Contact Broadcast..." at the end of menu.
    QAction* addMenuItem(QMenu* menu);
    // Hidden until there is a problem to tell.
    QLabel* label() const { return label_; }

    // The radio is connected and on hz (band code "160".."10", the radio's mode name):
    // a RadioInfo packet now and every 10 seconds while it stays connected.
    void radioInfo(std::int64_t hz, const std::string& band, const std::string& mode);
    void radioGone();

    const share::ShareSettings& settings() const { return settings_; }
    // Uses these settings from now on, as the dialog's choice does (not saved).
    void apply(const share::ShareSettings& settings);

private:
    QWidget* window_;
    share::ShareSettings settings_;
    UdpSender sender_;
    share::ContactBroadcast broadcast_;
    QLabel* label_;
    QTimer* radioTimer_;
    std::int64_t radioHz_ = 0;
    std::string radioBand_;
    std::string radioMode_;

    void tell(const std::string& text);
    void openDialog();
};

} // namespace vantor::ui
