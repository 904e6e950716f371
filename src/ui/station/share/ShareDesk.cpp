#include "ui/station/share/ShareDesk.h"

#include "entry/Form1Logic.h"
#include "ui/station/share/ShareDialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSysInfo>
#include <QTimer>

namespace vantor::ui {

ShareDesk::ShareDesk(const ContestState& state, Form1Logic& logic, QWidget* window)
    : QObject(window), window_(window), sender_(this),
      broadcast_(
          state, logic.dateForm(), [&logic] { return toCivil(logic.utcNowSeconds()).date.year; },
          sender_),
      label_(new QLabel(window)), radioTimer_(new QTimer(this)) {
    label_->setObjectName("lblShare");
    label_->hide();
    broadcast_.setStationName(QSysInfo::machineHostName().toStdString());
    sender_.onProblem = [this](const std::string& text) { tell(text); };
    radioTimer_->setInterval(10000);
    connect(radioTimer_, &QTimer::timeout, this,
            [this] { broadcast_.radio(radioHz_, radioBand_, radioMode_); });

    logic.setLoadObserver([this](int) { broadcast_.loaded(); });
    logic.setCommitObserver([this](int record) { broadcast_.committed(record); });
    logic.setCorrectionObserver(
        [this](LogCorrection::Change change, int record, const Contact& contact) {
            broadcast_.corrected(change == LogCorrection::Change::Edited
                                     ? share::ContactBroadcast::Correction::Edited
                                     : share::ContactBroadcast::Correction::Deleted,
                                 record, contact);
        });
    apply(share::loadShareSettings());
}

QAction* ShareDesk::addMenuItem(QMenu* menu) {
    QAction* a = menu->addAction("Contact Broadcast...");
    a->setObjectName("mnuShare");
    connect(a, &QAction::triggered, this, &ShareDesk::openDialog);
    return a;
}

void ShareDesk::apply(const share::ShareSettings& settings) {
    settings_ = settings;
    label_->hide();
    sender_.setDestinations(settings.on ? settings.destinations
                                        : std::vector<share::Destination>{});
    broadcast_.setOn(settings.on);
    // A broadcast switched on while the radio is connected tells where it is at once.
    if (settings.on && radioHz_ > 0) {
        broadcast_.radio(radioHz_, radioBand_, radioMode_);
        radioTimer_->start();
    } else {
        radioTimer_->stop();
    }
}

void ShareDesk::openDialog() {
    ShareDialog dialog(settings_, window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const share::ShareSettings chosen = dialog.settings();
    apply(chosen);
    if (const IoResult r = share::saveShareSettings(chosen); !r)
        tell("Contact broadcast: " + std::string(share::ShareFileName) + " could not be written (" +
             r.error + ").");
}

void ShareDesk::tell(const std::string& text) {
    label_->setText(QString::fromStdString(text));
    label_->setToolTip(label_->text());
    label_->show();
}

void ShareDesk::radioInfo(std::int64_t hz, const std::string& band, const std::string& mode) {
    radioHz_ = hz;
    radioBand_ = band;
    radioMode_ = mode;
    broadcast_.radio(hz, band, mode);
    if (settings_.on)
        radioTimer_->start();
}

void ShareDesk::radioGone() {
    radioHz_ = 0;
    radioTimer_->stop();
    broadcast_.radioGone();
}

} // namespace vantor::ui
