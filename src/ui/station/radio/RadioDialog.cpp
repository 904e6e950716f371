#include "ui/station/radio/RadioDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantor::radio {

namespace {

std::optional<int> wholeNumber(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}

// The serial ports the system has now; the box also takes any other path.
QStringList serialPorts(const std::string& current) {
    QStringList ports = {QString::fromStdString(current)};
    for (const char* pattern : {"ttyUSB*", "ttyACM*"}) {
        for (const QString& name :
             QDir("/dev").entryList({QString::fromLatin1(pattern)}, QDir::System))
            ports << "/dev/" + name;
    }
    QDir byId("/dev/serial/by-id");
    for (const QString& name : byId.entryList(QDir::System | QDir::Files))
        ports << byId.filePath(name);
    ports.removeDuplicates();
    return ports;
}

} // namespace

RadioDialog::RadioDialog(QWidget* parent, const RadioSettings& current)
    : QDialog(parent), current_(current) {
    setObjectName("frmRadio");
    setWindowTitle("Radio");
    auto* layout = new QVBoxLayout(this);

    none_ = new QRadioButton("&No radio", this);
    none_->setObjectName("optNone");
    own_ = new QRadioButton("A radio on a &serial port (Vantor runs rigctld for it)", this);
    own_->setObjectName("optOwn");
    shared_ = new QRadioButton("A rigctld &already running", this);
    shared_->setObjectName("optShared");

    model_ = new QLineEdit(QString::number(current.model), this);
    model_->setObjectName("txtModel");
    model_->setToolTip("Hamlib's model number of the radio: rigctl -l lists them; 1 is the "
                       "dummy rig for trying");
    device_ = new QComboBox(this);
    device_->setObjectName("cboDevice");
    device_->setEditable(true);
    device_->addItems(serialPorts(current.device));
    device_->setCurrentText(QString::fromStdString(current.device));
    speed_ = new QComboBox(this);
    speed_->setObjectName("cboSpeed");
    speed_->setEditable(true);
    speed_->addItems({"4800", "9600", "19200", "38400", "57600", "115200"});
    speed_->setCurrentText(QString::number(current.speed));
    auto* ownBoxes = new QFormLayout;
    ownBoxes->setContentsMargins(24, 0, 0, 0);
    ownBoxes->addRow("Rig &model:", model_);
    ownBoxes->addRow("Serial &port:", device_);
    ownBoxes->addRow("Spee&d:", speed_);

    address_ = new QLineEdit(
        QString::fromStdString(current.host + ":" + std::to_string(current.port)), this);
    address_->setObjectName("txtAddress");
    address_->setToolTip("host:port of the running rigctld");
    auto* sharedBoxes = new QFormLayout;
    sharedBoxes->setContentsMargins(24, 0, 0, 0);
    sharedBoxes->addRow("Add&ress:", address_);

    problem_ = new QLabel(this);
    problem_->setObjectName("lblProblem");
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    QPalette p = problem_->palette();
    p.setColor(QPalette::WindowText, QColor(176, 0, 0));
    problem_->setPalette(p);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &RadioDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layout->addWidget(none_);
    layout->addWidget(own_);
    layout->addLayout(ownBoxes);
    layout->addWidget(shared_);
    layout->addLayout(sharedBoxes);
    layout->addWidget(problem_);
    layout->addWidget(buttons);

    (current.mode == RadioMode::Own      ? own_
     : current.mode == RadioMode::Shared ? shared_
                                         : none_)
        ->setChecked(true);
    for (QRadioButton* b : {none_, own_, shared_})
        connect(b, &QRadioButton::toggled, this, [this] { enableBoxes(); });
    enableBoxes();
}

void RadioDialog::enableBoxes() {
    for (QWidget* w : std::initializer_list<QWidget*>{model_, device_, speed_})
        w->setEnabled(own_->isChecked());
    address_->setEnabled(shared_->isChecked());
    problem_->clear();
}

std::optional<RadioSettings> RadioDialog::chosen(std::string* problem) const {
    const auto refuse = [problem](const char* why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    RadioSettings s = current_;
    if (none_->isChecked()) {
        s.mode = RadioMode::None;
    } else if (own_->isChecked()) {
        s.mode = RadioMode::Own;
        const auto model = wholeNumber(model_->text(), 1, 999999);
        if (!model)
            return refuse("The rig model is Hamlib's number for the radio (rigctl -l lists "
                          "them; 1 is the dummy rig).");
        const auto speed = wholeNumber(speed_->currentText(), 300, 4000000);
        if (!speed)
            return refuse("The speed is the serial port's baud rate, such as 9600.");
        const QString device = device_->currentText().trimmed();
        if (device.isEmpty() || device.contains('\n'))
            return refuse("Name the radio's serial port, such as /dev/ttyUSB0.");
        s.model = *model;
        s.speed = *speed;
        s.device = device.toStdString();
    } else {
        s.mode = RadioMode::Shared;
        const auto address = parseRigAddress(address_->text().toStdString());
        if (!address)
            return refuse("The address is host:port of the running rigctld, such as "
                          "127.0.0.1:4532.");
        s.host = address->host;
        s.port = address->port;
    }
    return s;
}

void RadioDialog::accept() {
    std::string problem;
    if (!chosen(&problem)) {
        problem_->setText(QString::fromStdString(problem));
        return;
    }
    QDialog::accept();
}

std::optional<RadioSettings> RadioDialog::ask(QWidget* parent, const RadioSettings& current) {
    RadioDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace vantor::radio
