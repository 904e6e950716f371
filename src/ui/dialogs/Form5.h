#pragma once
// The help page: the whole of "readns.txt" from the working directory in a scrolling,
// read-only text box. A missing or unreadable file leaves the page empty, silently.

#include "ui/dialogs/DialogParts.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vantor::ui {

inline constexpr const char* HelpFileName = "readns.txt";

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    static constexpr UnitRect DesignRect{0, 0, 8400, 6300};

    // Loads the page and shows it modally.
    void run();
    // Lays the window out and reads the help text afresh.
    void Form_Load();

public slots:
    void Command1_Click();

private:
    Design design_;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace vantor::ui
