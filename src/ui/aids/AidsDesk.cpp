#include "ui/aids/AidsDesk.h"

#include "aids/HistoryBuilder.h"
#include "core/FileOps.h"
#include "ui/aids/CheckPartialWindow.h"

#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>

#include <filesystem>
#include <system_error>

namespace vantor::ui {

namespace fs = std::filesystem;

namespace {
// A fill from the call history: its own colour, and a selection that still shows it.
const QColor HistoryText(128, 0, 128);
const QColor HistorySelection(232, 212, 240);

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}
} // namespace

AidsDesk::AidsDesk(QMainWindow& window, ContestState& state, Form1Model& model, Form1Logic& logic,
                   std::function<void()> render)
    : QObject(&window), window_(window), model_(model), logic_(logic), render_(std::move(render)),
      aids_(state, model) {
    setObjectName("AidsDesk");
    ck_ = window.findChild<QLineEdit*>("txtCK");
    sec_ = window.findChild<QLineEdit*>("txtSec");
    list_ = new CheckPartialWindow(&window);
    list_->onPlaced = [this](const QRect& r) {
        const aids::WindowPlace place{r.x(), r.y(), r.width(), r.height()};
        if (aids_.settings().listWindow != place) {
            aids_.settings().listWindow = place;
            save();
        }
    };
    list_->onClosed = [this] {
        if (checkPartial_->isChecked())
            checkPartial_->trigger();
    };
    aids_.onChanged = [this] { changed(); };

    chooseHistoryFile = [this] {
        return QFileDialog::getOpenFileName(&window_, "Open Call History", QString(),
                                            "Call histories (*.txt *.csv);;All files (*)")
            .toLocal8Bit()
            .toStdString();
    };
    chooseContestsFolder = [this] {
        return QFileDialog::getExistingDirectory(&window_, "Build Call History from Contests In")
            .toLocal8Bit()
            .toStdString();
    };
    confirm = [this](const std::string& question) {
        return QMessageBox::question(&window_, "Vantor", QString::fromLocal8Bit(question)) ==
               QMessageBox::Yes;
    };
    buildMenus();
}

void AidsDesk::buildMenus() {
    const auto item = [this](const char* name, const char* caption, void (AidsDesk::*act)()) {
        auto* a = new QAction(QString::fromLatin1(caption), &window_);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, act] {
            if (logic_.ended())
                return;
            (this->*act)();
            if (!logic_.ended())
                render_();
        });
        return a;
    };
    // Before Exit, which stays the File menu's last item.
    QMenu* file = window_.findChild<QMenu*>("mnuFile");
    QAction* exit = window_.findChild<QAction*>("mnuExit");
    file->insertAction(exit,
                       item("mnuOpenHistory", "Open &Call History...", &AidsDesk::openHistory));
    file->insertAction(exit,
                       item("mnuBuildHistory", "&Build Call History...", &AidsDesk::buildHistory));

    QMenu* station = window_.findChild<QMenu*>("mnuStation");
    checkPartial_ = item("mnuCheckPartial", "Check Partial List", &AidsDesk::switchCheckPartial);
    sectionCue_ = item("mnuSectionCue", "New Section Cue", &AidsDesk::switchSectionCue);
    for (QAction* a : {checkPartial_, sectionCue_}) {
        a->setCheckable(true);
        station->addAction(a);
    }
}

void AidsDesk::start() {
    if (started_ || logic_.ended())
        return;
    started_ = true;
    const std::string told = aids_.start();
    logic_.setAids(&aids_);
    checkPartial_->setChecked(aids_.settings().checkPartial);
    sectionCue_->setChecked(aids_.settings().sectionCue);
    if (!told.empty())
        aids_.tell(told);
    showList();
    render_();
}

void AidsDesk::switchCheckPartial() {
    aids_.setCheckPartial(checkPartial_->isChecked());
    save();
    showList();
}

void AidsDesk::switchSectionCue() {
    aids_.setSectionCue(sectionCue_->isChecked());
    save();
}

void AidsDesk::changed() {
    if (list_->isVisible())
        list_->showCalls(aids_.shown());
    drawFill(ck_, model_.txtCK.fromHistory);
    drawFill(sec_, model_.txtSec.fromHistory);
}

void AidsDesk::drawFill(QLineEdit* box, bool fromHistory) {
    if (!box || box->property("fromHistory").toBool() == fromHistory)
        return;
    box->setProperty("fromHistory", fromHistory);
    if (!fromHistory) {
        box->setPalette(QPalette()); // the window's own again
        return;
    }
    QPalette p = box->palette();
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Text, HistoryText);
        p.setColor(g, QPalette::HighlightedText, HistoryText);
        p.setColor(g, QPalette::Highlight, HistorySelection);
    }
    box->setPalette(p);
}

void AidsDesk::showList() {
    if (!aids_.settings().checkPartial) {
        list_->hide();
        return;
    }
    if (!list_->isVisible()) {
        if (const auto& place = aids_.settings().listWindow) {
            list_->setGeometry(place->x, place->y, place->width, place->height);
        } else if (auto* recent = window_.findChild<QTableView*>("ListView1")) {
            const QWidget* rows = recent->viewport();
            const QPoint at = rows->mapToGlobal(QPoint(0, 0));
            const int columnsEnd = at.x() + recent->horizontalHeader()->length();
            list_->setGeometry(defaultListPlace(QRect(at, rows->size()), columnsEnd, 110));
        }
        list_->show();
    }
    list_->showCalls(aids_.shown());
}

void AidsDesk::save() {
    const IoResult r = aids_.saveSettings();
    if (!r.ok)
        say(aids::AidsSettingsFileName + " not written: " + r.error);
}

void AidsDesk::say(const std::string& message) {
    model_.lblDialog.caption = message;
}

void AidsDesk::openHistory() {
    const std::string path = chooseHistoryFile();
    if (path.empty())
        return;
    const std::string told = aids_.loadHistory(path);
    if (told.rfind("Call history:", 0) == 0) {
        aids_.settings().history =
            sameFile(path, aids::HistoryFileName) ? std::string() : fs::absolute(path).string();
        save();
    }
    say(told);
}

void AidsDesk::buildHistory() {
    const std::string root = chooseContestsFolder();
    if (root.empty())
        return;
    std::vector<std::string> folders;
    for (const std::string& f : aids::contestFoldersUnder(root)) {
        if (!sameFile(f, ".")) // this contest's own log is no history
            folders.push_back(f);
    }
    if (folders.empty()) {
        say("No earlier contest (a folder with a log.txt) in " + root + ".");
        return;
    }
    const std::string count = std::to_string(folders.size());
    if (fs::exists(aids::HistoryFileName) &&
        !confirm("Replace " + aids::HistoryFileName + " with the call history of the " + count +
                 (folders.size() == 1 ? " contest" : " contests") + " in " + root + "?"))
        return;
    const aids::HistoryBuild build = aids::buildCallHistory(folders, QDate::currentDate().year());
    std::string notRead;
    if (!build.problems.empty())
        notRead =
            "; " + std::to_string(build.problems.size()) + " not read: " + build.problems.front();
    if (build.calls == 0) {
        say("No contacts in the contests in " + root + ": no call history written" + notRead + ".");
        return;
    }
    if (const IoResult r = replaceAtomically(aids::HistoryFileName, build.text); !r.ok) {
        say(aids::HistoryFileName + " not written: " + r.error);
        return;
    }
    aids_.loadHistory(aids::HistoryFileName);
    aids_.settings().history.clear();
    save();
    say("Call history: " + std::to_string(build.calls) + (build.calls == 1 ? " call" : " calls") +
        " from " + std::to_string(build.folders) + (build.folders == 1 ? " contest" : " contests") +
        " written to " + aids::HistoryFileName + notRead + ".");
}

} // namespace vantor::ui
