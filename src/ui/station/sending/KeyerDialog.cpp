#include "ui/station/sending/KeyerDialog.h"

#include "station/sending/Macros.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantor::ui {

namespace {

QLineEdit* box(const std::string& text, int maxLength, QWidget* parent) {
    auto* b = new QLineEdit(QString::fromLatin1(text.data(), qsizetype(text.size())), parent);
    b->setMaxLength(maxLength);
    // Printable Latin-1 only, as the messages file keeps it.
    b->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[ -~\\x{a0}-\\x{ff}]*"), b));
    return b;
}

std::string latin1(const QLineEdit* b) {
    return b->text().toLatin1().toStdString();
}

} // namespace

KeyerDialog::KeyerDialog(const KeyerSettings& s, const MessageSet& messages, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmKeyer");
    setWindowTitle("Keyer and Messages");
    auto* top = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    kind_ = new QComboBox(this);
    kind_->setObjectName("cmbKeyer");
    kind_->addItems({"None", "cwdaemon", "The radio's keyer (Hamlib)"});
    kind_->setCurrentIndex(int(s.kind));
    form->addRow("&Keyer:", kind_);
    host_ = new QLineEdit(QString::fromStdString(s.host), this);
    host_->setObjectName("txtKeyerHost");
    host_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[A-Za-z0-9.:-]{1,253}"), host_));
    port_ = new QSpinBox(this);
    port_->setObjectName("txtKeyerPort");
    port_->setRange(1, 65535);
    port_->setValue(s.port);
    auto* where = new QHBoxLayout;
    where->addWidget(host_, 1);
    where->addWidget(new QLabel("&Port:", this));
    where->addWidget(port_);
    auto* hostLabel = new QLabel("cwdaemon &host:", this);
    hostLabel->setBuddy(host_);
    form->addRow(hostLabel, where);
    speed_ = new QSpinBox(this);
    speed_->setObjectName("txtSpeed");
    speed_->setRange(MinSpeed, MaxSpeed);
    speed_->setSuffix(" WPM");
    speed_->setValue(s.speed);
    form->addRow("&Speed:", speed_);
    cut_ = new QCheckBox("&Cut numbers (0 as T, 9 as N, 1 as A)", this);
    cut_->setChecked(s.cutNumbers);
    enterSends_ = new QCheckBox("&Enter sends messages", this);
    enterSends_->setChecked(s.enterSends);
    voice_ = new QCheckBox("&Voice files on F1-F12 on phone", this);
    voice_->setChecked(s.voice);
    form->addRow(cut_);
    form->addRow(enterSends_);
    form->addRow(voice_);
    top->addLayout(form);
    auto syncHost = [this] {
        host_->setEnabled(kind_->currentIndex() == int(KeyerKind::CwDaemon));
        port_->setEnabled(host_->isEnabled());
    };
    connect(kind_, &QComboBox::currentIndexChanged, this, syncHost);
    syncHost();

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Label", this), 0, 1);
    grid->addWidget(new QLabel("CW text", this), 0, 2);
    grid->addWidget(new QLabel("Voice file", this), 0, 3);
    for (int i = 0; i < MessageCount; ++i) {
        const Message& m = messages[i];
        Row& r = rows_[i];
        r.label = box(m.label, 12, this);
        r.cw = box(m.cw, int(MessageTextLength), this);
        r.wav = box(m.wav, int(MessageTextLength), this);
        r.cw->setObjectName(QString("txtMessage%1").arg(i + 1));
        r.cw->setMinimumWidth(320);
        grid->addWidget(new QLabel(QString("F%1").arg(i + 1), this), i + 1, 0);
        grid->addWidget(r.label, i + 1, 1);
        grid->addWidget(r.cw, i + 1, 2);
        grid->addWidget(r.wav, i + 1, 3);
    }
    top->addLayout(grid);

    QString macros = "Macros:";
    for (const MacroName& n : macroNames())
        macros += QString("  %1 %2").arg(n.name, n.meaning);
    auto* help = new QLabel(macros, this);
    help->setWordWrap(true);
    top->addWidget(help);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);
}

KeyerSettings KeyerDialog::settings() const {
    KeyerSettings s;
    s.kind = static_cast<KeyerKind>(kind_->currentIndex());
    s.host = host_->text().isEmpty() ? s.host : host_->text().toStdString();
    s.port = port_->value();
    s.speed = speed_->value();
    s.cutNumbers = cut_->isChecked();
    s.enterSends = enterSends_->isChecked();
    s.voice = voice_->isChecked();
    return s;
}

MessageSet KeyerDialog::messages() const {
    MessageSet set;
    for (int i = 0; i < MessageCount; ++i)
        set[i] = {cleanMessageText(latin1(rows_[i].label)), cleanMessageText(latin1(rows_[i].cw)),
                  cleanMessageText(latin1(rows_[i].wav))};
    return set;
}

} // namespace vantor::ui
