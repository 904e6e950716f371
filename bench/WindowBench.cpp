// The main window with a full log, offscreen: one key in the call field until the
// window is repainted, one Enter until the contact is stored and every display is
// repainted, start-up to the loaded window, and the memory it takes.

#include "core/LogFile.h"
#include "support/FakePort.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace vantor;

namespace {

constexpr int FullLog = 11000;

std::string fullLogText(int count) {
    tools::LogGenOptions o;
    o.count = count;
    o.scpPath = ""; // made-up calls, the same on every machine
    return tools::formatLog(tools::generateContacts(o));
}

double residentMegabytes() {
    std::ifstream in("/proc/self/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            in >> kb;
            return kb / 1024.0;
        }
        in.ignore(1 << 16, '\n');
    }
    return 0;
}

struct OpenWindow {
    test::TempDir dir;
    ContestState state;
    FakeClock clock{toSeconds({{2026, 11, 8}, 21, 0, 0}) * 1000};
    test::FakePort port{clock};
    std::unique_ptr<ui::Form1> form;
    double startupMs = 0;

    explicit OpenWindow(int count, const std::string& logPath = LogFileName) {
        test::writeFile(logPath, fullLogText(count));
        if (logPath != LogFileName)
            std::filesystem::create_symlink(logPath, LogFileName);
        port.useStationReply = true;
        port.stationReply = {"W1AW", "A", "85", "CT", 0, 0, 0};
        port.answers = {Answer::Yes};
        QElapsedTimer timer;
        timer.start();
        form = std::make_unique<ui::Form1>(state, clock, ShortDateForm{}, &port);
        form->Form_Load();
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get()))
            throw std::runtime_error("window not active");
        while (port.stationDialogs == 0)
            QCoreApplication::processEvents();
        form->repaint();
        startupMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.LoggedOn = 1;
    }
    QLineEdit* box(const char* name) { return form->findChild<QLineEdit*>(name); }
};

void BM_WindowCallKey(benchmark::State& st) {
    OpenWindow w(FullLog);
    QLineEdit* call = w.box("txtCall");
    call->setFocus();
    for (auto _ : st) {
        st.PauseTiming();
        w.form->logic().cmdClear_Click();
        w.form->logic().userFocus(Field::txtCall);
        w.form->render();
        QTest::keyClick(call, 'w');
        QTest::keyClick(call, '1');
        w.form->repaint();
        st.ResumeTiming();
        QTest::keyClick(call, 'a');
        w.form->repaint();
    }
    st.counters["contacts"] = w.state.RecCount;
}
BENCHMARK(BM_WindowCallKey)->Unit(benchmark::kMicrosecond)->Iterations(300);

// A log in memory-backed storage, so that a figure leaves out the fsync.
std::string memoryLogPath() {
    const std::string shm = std::filesystem::exists("/dev/shm") ? "/dev/shm" : ".";
    return shm + "/vantor-window-bench-" + std::to_string(::getpid()) + ".txt";
}

// Empties the entry and types the round's new contact up to its Enter. Made-up calls
// have at most three letters after the digit: a four-letter suffix is never a
// duplicate, which would be refused and cleared.
void typeNewContact(OpenWindow& w, QLineEdit* num, int round) {
    w.form->logic().cmdClear_Click();
    w.form->render();
    num->setFocus();
    const std::string keys = "12aw" + std::to_string(round % 10) + "zzq" +
                             std::string(1, static_cast<char>('a' + round / 10 % 26)) + "85ct";
    for (char c : keys)
        QTest::keyClick(QApplication::focusWidget(), c);
}

void BM_WindowEnter(benchmark::State& st) {
    const std::string path = memoryLogPath();
    OpenWindow w(FullLog - 1, path);
    QLineEdit* num = w.box("txtNum");
    int round = 0;
    for (auto _ : st) {
        st.PauseTiming();
        typeNewContact(w, num, round++);
        w.form->repaint();
        st.ResumeTiming();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        w.form->repaint();
        st.PauseTiming();
        if (w.state.RecCount != FullLog) {
            // No timing call may follow an error: the loop ends here.
            const std::string why = "contact not stored: " + w.form->model().lblDialog.caption;
            st.SkipWithError(why.c_str());
            break;
        }
        w.state.RecCount = FullLog - 1;
        st.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WindowEnter)->Unit(benchmark::kMicrosecond)->Iterations(200);

// One Enter on a full log until the window has painted what the contact changed (the
// posted paint requests handled, as the event loop does next), in "Last 20" and in "All"
// mode. The log is in memory-backed storage: the figure leaves out the fsync.
void BM_WindowEnterPainted(benchmark::State& st) {
    const std::string path = memoryLogPath();
    OpenWindow w(FullLog - 1, path);
    if (st.range(0) == 1)
        w.form->findChild<QPushButton*>("cmdList")->click();
    QLineEdit* num = w.box("txtNum");
    int round = 0;
    for (auto _ : st) {
        st.PauseTiming();
        typeNewContact(w, num, round++);
        QCoreApplication::processEvents();
        st.ResumeTiming();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
        st.PauseTiming();
        if (w.state.RecCount != FullLog || !w.box("txtCall")->text().isEmpty()) {
            const std::string why = "contact not stored: " + w.form->model().lblDialog.caption;
            st.SkipWithError(why.c_str());
            break;
        }
        w.state.RecCount = FullLog - 1;
        w.form->logic().listrecent(); // the list as it was before the contact
        w.form->render();
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WindowEnterPainted)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Iterations(200);

// "Last 20" to "All" on a full log, until the window has painted what changed.
void BM_WindowListAll(benchmark::State& st) {
    OpenWindow w(FullLog);
    auto* cmdList = w.form->findChild<QPushButton*>("cmdList");
    auto* list = w.form->findChild<QTableView*>("ListView1");
    for (auto _ : st) {
        cmdList->click();
        QCoreApplication::processEvents(); // paints what changed
        st.PauseTiming();
        if (list->model()->rowCount() != FullLog) {
            st.SkipWithError("the list does not show every contact");
            break;
        }
        cmdList->click(); // back to "Last 20"
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_WindowListAll)->Unit(benchmark::kMicrosecond)->Iterations(100);

// The refill of the list in "All" mode that follows every commit, until the window has
// painted it.
void BM_WindowListRefreshAll(benchmark::State& st) {
    OpenWindow w(FullLog);
    w.form->findChild<QPushButton*>("cmdList")->click();
    auto* list = w.form->findChild<QTableView*>("ListView1");
    for (auto _ : st) {
        w.form->logic().listrecent();
        w.form->render();
        QCoreApplication::processEvents();
    }
    if (list->model()->rowCount() != FullLog)
        st.SkipWithError("the list does not show every contact");
}
BENCHMARK(BM_WindowListRefreshAll)->Unit(benchmark::kMicrosecond)->Iterations(100);

void BM_StartupWithFullLog(benchmark::State& st) {
    double rss = 0;
    for (auto _ : st) {
        OpenWindow w(FullLog);
        st.SetIterationTime(w.startupMs / 1000.0);
        rss = residentMegabytes();
    }
    st.counters["rss_MB"] = rss;
}
BENCHMARK(BM_StartupWithFullLog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
