#pragma once
// "Contact Broadcast...": whether each contact is broadcast, and to which destinations
// (host:port, one a line).

#include "station/share/ShareSettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace vantor::ui {

class ShareDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShareDialog(const share::ShareSettings& settings, QWidget* parent = nullptr);

    // What the dialog holds; valid after accept().
    share::ShareSettings settings() const { return settings_; }

    void accept() override;

private:
    share::ShareSettings settings_;
    QCheckBox* on_;
    QPlainTextEdit* destinations_;
    QLabel* problem_;
};

} // namespace vantor::ui
