#pragma once
// "Radio...": no radio, a radio on a serial port for which Vantor runs rigctld (Hamlib's
// model number, the port, its speed), or the address of a rigctld already running. A
// value that cannot work is named in the dialog, which stays open.

#include "station/radio/RadioSettings.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vantor::radio {

class RadioDialog final : public QDialog {
    Q_OBJECT
public:
    RadioDialog(QWidget* parent, const RadioSettings& current);

    // The settings as the boxes hold them, or what is wrong with them.
    std::optional<RadioSettings> chosen(std::string* problem = nullptr) const;

    // Opens the dialog; nothing when it is cancelled.
    static std::optional<RadioSettings> ask(QWidget* parent, const RadioSettings& current);

private:
    RadioSettings current_;
    QRadioButton* none_ = nullptr;
    QRadioButton* own_ = nullptr;
    QRadioButton* shared_ = nullptr;
    QLineEdit* model_ = nullptr;
    QComboBox* device_ = nullptr;
    QComboBox* speed_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLabel* problem_ = nullptr;

    void enableBoxes();
    void accept() override;
};

} // namespace vantor::radio
