#include "ui/station/radio/RadioDesk.h"

#include "entry/Form1Model.h"
#include "ui/station/radio/RadioDialog.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace vantor::radio {

namespace {

template <class T> T* child(QObject& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

RadioDesk::RadioDesk(QMainWindow& window, Form1Logic& logic, ContestState& state,
                     const Clock& clock, std::function<void()> render)
    : QObject(&window), window_(window), logic_(logic), state_(state), render_(std::move(render)),
      controller_(link_, daemon_, clock), keyer_(controller_),
      trace_(std::getenv("VANTOR_TRACE") != nullptr) {
    controller_.currentBand = [this] { return state_.Band; };
    controller_.onBand = [this](const std::string& code) {
        // Inside a dialog or message box the window's logic is in the middle of an event;
        // the next reading brings the band again once it is over.
        if (logic_.ended() || QApplication::activeModalWidget())
            return;
        logic_.chooseBand(code);
        if (render_)
            render_();
        refresh();
    };
    controller_.onSave = [this] { save(); };

    if (QMenu* station = child<QMenu>(window_, "mnuStation")) {
        QAction* item = station->addAction("Radio...");
        item->setObjectName("mnuRadio");
        connect(item, &QAction::triggered, this, [this] { openSetup(); });
    }
    // After the band menu's own handler: the band is chosen, the radio follows.
    for (const char* code : BandCodes) {
        const std::string name = std::string("mnu") + code;
        if (QAction* item = child<QAction>(window_, name.c_str())) {
            connect(item, &QAction::triggered, this, [this, band = std::string(code)] {
                if (!logic_.ended())
                    controller_.bandChosen(band, state_.StationInfo.ContestMode == ModePhone);
            });
        }
    }
    timer_ = new QTimer(this);
    timer_->setInterval(TickMs);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
}

RadioDesk::~RadioDesk() {
    controller_.stop();
}

void RadioDesk::begin() {
    if (logic_.ended())
        return;
    const RadioSettings settings = loadRadioSettings();
    saved_ = settings;
    if (settings.mode != RadioMode::None)
        apply(settings);
}

void RadioDesk::apply(const RadioSettings& settings) {
    controller_.stop(); // keeps the last frequencies of the radio left
    controller_.start(settings);
    save();
    const bool on = settings.mode != RadioMode::None;
    showLabels(on);
    if (on)
        timer_->start();
    else
        timer_->stop();
    refresh();
}

void RadioDesk::openSetup() {
    if (logic_.ended())
        return;
    const RadioSettings current =
        controller_.state() != RadioState::Off ? controller_.settings() : loadRadioSettings();
    if (const auto chosen = RadioDialog::ask(&window_, current))
        apply(*chosen);
}

KeyerPort* RadioDesk::keyer() {
    return controller_.state() == RadioState::Connected ? &keyer_ : nullptr;
}

PttPort* RadioDesk::ptt() {
    return controller_.state() == RadioState::Connected ? &keyer_ : nullptr;
}

void RadioDesk::tick() {
    if (logic_.ended()) {
        timer_->stop();
        controller_.stop();
        return;
    }
    controller_.tick();
    refresh();
}

void RadioDesk::save() {
    const RadioSettings& now = controller_.settings();
    if (now == saved_)
        return;
    if (const IoResult written = saveRadioSettings(now); !written) {
        fileNote_ = "; the radio settings could not be kept: " + written.error;
        return;
    }
    fileNote_.clear();
    saved_ = now;
}

QString RadioDesk::statusShown() const {
    return status_ ? status_->text() : QString();
}

QString RadioDesk::frequencyShown() const {
    return frequency_ ? frequency_->text() : QString();
}

void RadioDesk::refresh() {
    if (!status_)
        return;
    if (const std::int64_t hz = controller_.frequencyHz(); hz != toldHz_) {
        toldHz_ = hz;
        if (onFrequency)
            onFrequency(hz);
    }
    const QString status = QString::fromStdString(controller_.statusText() + fileNote_);
    const QString frequency = QString::fromStdString(controller_.frequencyText());
    if (frequency_->text() != frequency) {
        frequency_->setText(frequency);
        placeFrequency();
    }
    if (status_->text() == status)
        return;
    status_->setText(status);
    QPalette p = status_->palette();
    const bool lost = controller_.state() == RadioState::Lost;
    p.setColor(QPalette::WindowText,
               lost ? QColor(176, 0, 0) : window_.palette().windowText().color());
    status_->setPalette(p);
    frequency_->setPalette(p);
    if (trace_) {
        const std::string line = "vantor radio: " + status.toStdString() + "\n";
        if (::write(2, line.data(), line.size()) < 0) {
            // Standard error is gone: nothing to report to.
        }
    }
}

void RadioDesk::showLabels(bool on) {
    if (on && !status_) {
        ownStatusBar_ = window_.findChild<QStatusBar*>() == nullptr;
        status_ = new QLabel(window_.statusBar());
        status_->setObjectName("lblRadio");
        status_->setTextFormat(Qt::PlainText);
        window_.statusBar()->addWidget(status_, 1);
        QLabel* band = child<QLabel>(window_, "Label30");
        frequency_ = new QLabel(band ? band->parentWidget() : &window_);
        frequency_->setObjectName("lblRadioFrequency");
        frequency_->setTextFormat(Qt::PlainText);
        for (const char* name : {"Label30", "lblTimeLeftCaption"}) {
            if (QLabel* watched = child<QLabel>(window_, name))
                watched->installEventFilter(this);
        }
        placeFrequency();
    }
    if (!status_)
        return;
    status_->setVisible(on);
    frequency_->setVisible(on);
    if (ownStatusBar_)
        window_.statusBar()->setVisible(on);
}

bool RadioDesk::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
        event->type() == QEvent::FontChange)
        placeFrequency();
    return QObject::eventFilter(watched, event);
}

// Under the band's caption and value, in the room left of "Left of 24 hours:".
void RadioDesk::placeFrequency() {
    QLabel* caption = child<QLabel>(window_, "lblBandSwitch");
    QLabel* band = child<QLabel>(window_, "Label30");
    QLabel* next = child<QLabel>(window_, "lblTimeLeftCaption");
    if (!frequency_ || !caption || !band || !next)
        return;
    const int left = caption->x();
    frequency_->setGeometry(left, band->geometry().bottom() + 1, next->x() - left - 2,
                            next->height());
    // A long text ("... out of band") takes a smaller face rather than being cut.
    QFont face = next->font();
    const int room = frequency_->width();
    const int wide = QFontMetrics(face).horizontalAdvance(frequency_->text());
    if (wide > room && face.pixelSize() > 0)
        face.setPixelSize(std::max(face.pixelSize() * room / wide, face.pixelSize() * 3 / 5));
    frequency_->setFont(face);
}

} // namespace vantor::radio
