// Vantor: the splash first; its "Continue" opens the main window.

#include "app/CommandLine.h"
#include "app/ContestFolder.h"
#include "app/SignalExit.h"
#include "app/StartupTiming.h"
#include "core/ContestState.h"
#include "core/FolderLock.h"
#include "ui/dialogs/frmSplash.h"
#include "ui/main/Form1.h"
#include "ui/main/QtClock.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv) {
    vantor::app::StartupTiming timing;
    // Read before QApplication: --version and --help need no display.
    const vantor::app::CommandLine options =
        vantor::app::parseCommandLine({argv + 1, argv + argc}, vantor::app::processEnvironment());
    if (options.action != vantor::app::CommandLine::Action::Run) {
        (options.exitCode == 0 ? std::cout : std::cerr) << options.message;
        return options.exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantor");
    QApplication::setApplicationVersion("2.5");
    if (!options.folder.empty()) {
        const std::string problem =
            vantor::app::enterContestFolder(options.folder, vantor::app::installedHelpFiles());
        if (!problem.empty()) {
            std::cerr << problem << "\n";
            QMessageBox::critical(nullptr, "Vantor", QString::fromLocal8Bit(problem));
            return 1;
        }
    }

    // Before any contest file is read or written: a second copy in the same folder
    // would keep its own serial numbers and duplicates and overwrite the settings.
    const vantor::FolderLock lock;
    if (lock.outcome() == vantor::FolderLock::Outcome::HeldElsewhere) {
        QMessageBox::warning(nullptr, "Vantor",
                             "Vantor is already running in the folder " + QDir::currentPath() +
                                 ".\n\nUse the window that is already open; this copy ends "
                                 "now without touching a file.");
        return 1;
    }

    vantor::ContestState state;
    vantor::ui::QtClock clock;
    std::unique_ptr<vantor::ui::Form1> form;
    // Logout, shutdown and kill end the contest as File > Exit does.
    const vantor::app::SignalExit signalExit([&form] {
        if (form && !form->logic().ended())
            form->logic().mnuExit_Click();
        else
            QCoreApplication::quit();
    });

    auto* splash = new vantor::ui::frmSplash();
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &vantor::ui::frmSplash::continueClicked, splash, [&] {
        form = std::make_unique<vantor::ui::Form1>(state, clock, vantor::ui::systemShortDateForm());
        form->logic().setLoadObserver([&timing](int contacts) {
            timing.milestone("log loaded (" + std::to_string(contacts) + " contacts)");
        });
        form->onFirstShown = [&timing] { timing.milestone("main window shown"); };
        // With VANTOR_TRACE set, each stored contact is reported on standard error
        // once its fields are cleared (the crash tests compare these with log.txt).
        if (std::getenv("VANTOR_TRACE")) {
            form->logic().setCommitObserver([&state](int n) {
                const std::string line =
                    "vantor stored " + std::to_string(n) + " " + state.ContactLog[n].Call + "\n";
                if (::write(2, line.data(), line.size()) < 0) {
                    // Standard error is gone: nothing to report to.
                }
            });
        }
        form->Form_Load();
        form->showMaximized();
        splash->close();
    });
    splash->Form_Load();
    timing.milestone("splash shown");
    const int code = QApplication::exec();
    form.reset();
    return code;
}
