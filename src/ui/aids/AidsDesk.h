#pragma once
// The typing aids in the main window: the check partial list's tool window, the call
// history's File menu items and fills drawn apart in the check and section fields, and
// the Station menu's switches. The aids' rules are TypingAids'; this shows them.

#include "aids/TypingAids.h"

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QLineEdit;
class QMainWindow;

namespace vantor::ui {

class CheckPartialWindow;

class AidsDesk : public QObject {
    Q_OBJECT
public:
    // The window's File menu (mnuFile, with mnuExit last) and Station menu (mnuStation)
    // must exist; render shows the model after the aids changed it. The desk is the
    // window's child.
    AidsDesk(QMainWindow& window, ContestState& state, Form1Model& model, Form1Logic& logic,
             std::function<void()> render);

    // Once the window is up and its start-up questions are answered: the settings, the
    // call history and, when the list is on, MASTER.SCP are read.
    void start();

    aids::TypingAids& aids() { return aids_; }
    CheckPartialWindow* listWindow() const { return list_; }

    // The operator's choices; a dialog box unless a test sets them. Empty: cancelled.
    std::function<std::string()> chooseHistoryFile;
    std::function<std::string()> chooseContestsFolder;
    std::function<bool(const std::string& question)> confirm;

private:
    QMainWindow& window_;
    Form1Model& model_;
    Form1Logic& logic_;
    std::function<void()> render_;
    aids::TypingAids aids_;
    CheckPartialWindow* list_ = nullptr;
    QAction* checkPartial_ = nullptr;
    QAction* sectionCue_ = nullptr;
    QLineEdit* ck_ = nullptr;
    QLineEdit* sec_ = nullptr;
    bool started_ = false;
    bool placeDirty_ = false;

    void buildMenus();
    void switchCheckPartial();
    void switchSectionCue();
    void changed();
    void showList();
    void drawFill(QLineEdit* box, bool fromHistory);
    void save();
    void say(const std::string& message);
    void openHistory();
    void buildHistory();
};

} // namespace vantor::ui
