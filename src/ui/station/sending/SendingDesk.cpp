#include "ui/station/sending/SendingDesk.h"

#include "station/sending/CwDaemonKeyer.h"
#include "station/sending/EnterSends.h"
#include "ui/dialogs/KeyBox.h"
#include "ui/station/sending/KeyerDialog.h"
#include "ui/station/sending/UdpDatagrams.h"
#include "ui/station/sending/VoicePlayer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace vantor::ui {

namespace {
// The speed is written a moment after the last change: PgUp held down writes once.
constexpr int SaveDelayMs = 1500;
} // namespace

SendingDesk::SendingDesk(QMainWindow& window, ContestState& state, const Form1Model& model,
                         Form1Logic& logic, const Clock& clock, std::function<void()> render)
    : QObject(&window), window_(window), state_(state), model_(model), logic_(logic),
      render_(std::move(render)), sender_(clock, loadKeyerSettings(), loadMessages()) {
    label_ = new QLabel(&window);
    label_->setObjectName("lblSending");
    label_->setTextFormat(Qt::PlainText);
    label_->setContentsMargins(8, 0, 8, 0);
    doneTimer_ = new QTimer(this);
    doneTimer_->setSingleShot(true);
    connect(doneTimer_, &QTimer::timeout, this, [this] {
        sender_.tick();
        showStatus();
    });
    saveTimer_ = new QTimer(this);
    saveTimer_->setSingleShot(true);
    saveTimer_->setInterval(SaveDelayMs);
    connect(saveTimer_, &QTimer::timeout, this, [this] { saveSettings(); });

    voice_ = new VoicePlayer(this);
    voice_->onEnded = [this] {
        sender_.voiceEnded();
        showStatus();
    };
    voice_->onProblem = [this](const std::string& what) {
        sender_.keyerProblem(what);
        showStatus();
    };
    sender_.setVoice(voice_);
    chooseKeyer();
    qApp->installEventFilter(this);
}

SendingDesk::~SendingDesk() {
    qApp->removeEventFilter(this);
    if (saveTimer_->isActive())
        saveSettings();
}

void SendingDesk::setRadio(KeyerPort* keyer, PttPort* ptt) {
    radioKeyer_ = keyer;
    radioPtt_ = ptt;
    chooseKeyer();
}

void SendingDesk::chooseKeyer() {
    const KeyerSettings& s = sender_.settings();
    sender_.setKeyer(nullptr);
    cwdaemon_.reset();
    delete datagrams_;
    datagrams_ = nullptr;
    if (s.kind == KeyerKind::CwDaemon) {
        datagrams_ = new UdpDatagrams(QString::fromStdString(s.host), quint16(s.port), this);
        datagrams_->onProblem = [this](const std::string& what) {
            sender_.keyerProblem(what);
            showStatus();
        };
        cwdaemon_ = std::make_unique<CwDaemonKeyer>(*datagrams_);
        sender_.setKeyer(cwdaemon_.get());
    } else if (s.kind == KeyerKind::Radio) {
        sender_.setKeyer(radioKeyer_);
    }
    sender_.setPtt(radioPtt_);
    if (enterSends_)
        enterSends_->setChecked(s.enterSends);
    showStatus();
}

void SendingDesk::addMenuItems(QMenu& station) {
    QAction* dialog = station.addAction("&Keyer and Messages...");
    dialog->setObjectName("mnuKeyer");
    connect(dialog, &QAction::triggered, this, [this] { openDialog(); });
    enterSends_ = station.addAction("&Enter Sends Messages");
    enterSends_->setObjectName("mnuEnterSends");
    enterSends_->setCheckable(true);
    enterSends_->setChecked(sender_.settings().enterSends);
    connect(enterSends_, &QAction::triggered, this, [this](bool on) {
        KeyerSettings s = sender_.settings();
        s.enterSends = on;
        sender_.setSettings(s);
        saveSettings();
    });
}

void SendingDesk::openDialog() {
    KeyerDialog dialog(sender_.settings(), sender_.messages(), &window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const KeyerSettings before = sender_.settings();
    const KeyerSettings after = dialog.settings();
    sender_.setSettings(after);
    sender_.setMessages(dialog.messages());
    if (after.kind != before.kind || after.host != before.host || after.port != before.port)
        chooseKeyer();
    const IoResult saved = saveKeyerSettings(after);
    const IoResult messages = saveMessages(sender_.messages());
    if (!saved || !messages)
        QMessageBox::warning(&window_, "Keyer and Messages",
                             QString::fromStdString("The settings could not be saved: " +
                                                    (saved ? messages.error : saved.error)));
    showStatus();
}

bool SendingDesk::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_ || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return false;
    // A key the focus widget leaves goes on to its parents, through this filter again:
    // only its first delivery counts.
    const QWidget* first = QApplication::focusWidget();
    if (widget != (first ? first : &window_))
        return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    return key(watched, k->key(), k->modifiers() & ~Qt::KeypadModifier);
}

bool SendingDesk::key(QObject* watched, int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers != Qt::NoModifier || !sender_.active(phone()) || logic_.ended())
        return false;
    if (key == Qt::Key_Escape) {
        // Stops first; whatever else Esc does follows.
        sender_.stop();
        showStatus();
        return false;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        send(key - Qt::Key_F1 + 1);
        return true;
    }
    if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && !phone()) {
        sender_.changeSpeed(key == Qt::Key_PageUp ? 1 : -1);
        saveTimer_->start();
        showStatus();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && sender_.enterSends(phone()))
        return enter(watched);
    return false;
}

bool SendingDesk::enter(QObject* watched) {
    auto* box = qobject_cast<KeyBox*>(watched);
    // During a duplicate's hold the typed Enter is the logic's to discard.
    if (!box || !box->onKey || logic_.holdingKeys())
        return false;
    const EntryTexts texts = entryTexts(model_);
    const EnterDecision d =
        decideEnter(texts, isWorked(state_, texts.call), state_.TabOrder == 2 ? 2 : 1);
    if (d.send)
        send(d.send);
    if (d.focus != Field::None) {
        logic_.userFocus(d.focus);
        render_();
    }
    if (d.commit) {
        const int before = state_.RecCount;
        box->onKey(13);
        if (d.thanks && state_.RecCount > before)
            send(ThanksKey);
    }
    return true;
}

void SendingDesk::send(int n) {
    sender_.functionKey(n, macroContext(state_, model_), phone());
    showStatus();
}

void SendingDesk::saveSettings() {
    saveTimer_->stop();
    if (const IoResult r = saveKeyerSettings(sender_.settings()); !r) {
        sender_.keyerProblem("The keyer settings could not be saved: " + r.error);
        showStatus();
    }
}

void SendingDesk::showStatus() {
    const QString text = QString::fromStdString(sender_.status(phone()));
    if (label_->text() != text)
        label_->setText(text);
    label_->setVisible(!text.isEmpty());
    if (const auto left = sender_.msLeft())
        doneTimer_->start(int(std::min<long long>(*left, 600000)));
}

} // namespace vantor::ui
