#include "ui/station/share/ShareDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vantor::ui {

ShareDialog::ShareDialog(const share::ShareSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("frmShare");
    setWindowTitle("Contact Broadcast");
    auto* layout = new QVBoxLayout(this);
    on_ = new QCheckBox("&Broadcast each contact logged, corrected or deleted", this);
    on_->setObjectName("chkBroadcast");
    on_->setChecked(settings.on);
    layout->addWidget(on_);
    auto* caption = new QLabel("&Destinations (host:port, one a line):", this);
    layout->addWidget(caption);
    destinations_ = new QPlainTextEdit(this);
    destinations_->setObjectName("txtDestinations");
    QString lines;
    for (const share::Destination& d : settings.destinations)
        lines += QString::fromStdString(share::destinationText(d)) + "\n";
    destinations_->setPlainText(lines);
    caption->setBuddy(destinations_);
    layout->addWidget(destinations_);
    problem_ = new QLabel(this);
    problem_->setObjectName("lblShareProblem");
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ShareDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ShareDialog::reject);
    layout->addWidget(buttons);
}

void ShareDialog::accept() {
    share::ShareSettings s;
    s.on = on_->isChecked();
    s.destinations.clear();
    for (const QString& line : destinations_->toPlainText().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const auto d = share::parseDestination(line.toStdString());
        if (!d) {
            problem_->setText("\"" + line.trimmed() + "\" is not host:port.");
            return;
        }
        s.destinations.push_back(*d);
    }
    if (s.destinations.empty())
        s.destinations.push_back({});
    settings_ = s;
    QDialog::accept();
}

} // namespace vantor::ui
