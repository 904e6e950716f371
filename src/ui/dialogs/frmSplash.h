#pragma once
// The splash window shown at start: title, version, who wrote Vantor and on what
// terms. "Continue" asks the application to open the main window; the application
// then closes the splash.

#include "ui/dialogs/DialogParts.h"

#include <QWidget>

class QPushButton;

namespace vantor::ui {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    static constexpr UnitRect DesignRect{0, 0, 7800, 5700};
    // The splash stands this many layout units above the screen's centre.
    static constexpr double RaisedBy = 170.0;

    // Lays the window out to the screen and shows it, not modally.
    void Form_Load();

signals:
    void continueClicked();

public slots:
    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Design design_;
    QPushButton* Command1 = nullptr;
};

} // namespace vantor::ui
