#pragma once
// "Keyer and Messages": which keyer sends (none, cwdaemon at a host and port, the
// radio's own keyer), the speed, cut numbers, Enter sends message, voice files on phone,
// and the twelve messages with their labels, CW texts and voice files.

#include "station/sending/KeyerSettings.h"
#include "station/sending/Messages.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace vantor::ui {

class KeyerDialog final : public QDialog {
    Q_OBJECT
public:
    KeyerDialog(const KeyerSettings& settings, const MessageSet& messages, QWidget* parent);

    KeyerSettings settings() const;
    MessageSet messages() const;

private:
    QComboBox* kind_ = nullptr;
    QLineEdit* host_ = nullptr;
    QSpinBox* port_ = nullptr;
    QSpinBox* speed_ = nullptr;
    QCheckBox* cut_ = nullptr;
    QCheckBox* enterSends_ = nullptr;
    QCheckBox* voice_ = nullptr;
    struct Row {
        QLineEdit* label;
        QLineEdit* cw;
        QLineEdit* wav;
    };
    std::array<Row, MessageCount> rows_{};
};

} // namespace vantor::ui
