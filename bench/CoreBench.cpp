// The hot paths of contact entry on a full generated log: loading "log.txt", one key
// in the call field (partial-dupe scan), the commit and the rate figures.

#include "core/LogFile.h"
#include "entry/EditContactLogic.h"
#include "entry/Form1Logic.h"
#include "support/FakePort.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace vantor;

namespace {

constexpr int FullLog = 11000;

std::vector<Contact> fullLog() {
    tools::LogGenOptions o;
    o.count = FullLog;
    o.scpPath = ""; // made-up calls, the same on every machine
    return tools::generateContacts(o);
}

// A loaded contest whose window logic runs over a fake clock.
struct Loaded {
    test::TempDir dir;
    ContestState state;
    Form1Model model;
    FakeClock clock;
    test::FakePort port{clock};
    std::unique_ptr<Form1Logic> logic;

    explicit Loaded(int count, const std::string& logPath = LogFileName) {
        auto contacts = fullLog();
        contacts.resize(static_cast<std::size_t>(count));
        test::writeFile(logPath, tools::formatLog(contacts));
        FileNames files;
        files.log = logPath;
        logic = std::make_unique<Form1Logic>(state, model, clock, port, ShortDateForm{}, files);
        logic->Form_Load();
        // The local clock stands one minute after the last contact (UTC = local here).
        const auto& last = contacts.back();
        clock.setMs((*parseStamp(ShortDateForm{}, last.Date, last.Time, 2026) + 60) * 1000);
        logic->mnuopen2();
        state.AskedOpen = 1; // the operator already chose to continue this contest
        state.LoggedOn = 1;
    }
};

void BM_LoadLog(benchmark::State& st) {
    test::TempDir dir;
    test::writeFile(LogFileName, tools::formatLog(fullLog()));
    ContestState state;
    for (auto _ : st) {
        const LoadResult r = loadLog(state, LogFileName);
        benchmark::DoNotOptimize(r);
    }
    st.counters["contacts"] = state.RecCount;
}
BENCHMARK(BM_LoadLog)->Unit(benchmark::kMillisecond);

void BM_PartdupeKey(benchmark::State& st) {
    Loaded c(FullLog);
    c.model.txtCall.setText("K");
    for (auto _ : st)
        c.logic->partdupe('1');
    st.counters["listed"] = static_cast<double>(c.model.lblDupe.caption.size());
}
BENCHMARK(BM_PartdupeKey)->Unit(benchmark::kMicrosecond);

void BM_CallKeyPress(benchmark::State& st) {
    Loaded c(FullLog);
    c.logic->userFocus(Field::txtCall);
    for (auto _ : st) {
        c.model.txtCall.setText("W1");
        c.logic->typeKey(Field::txtCall, 'A');
    }
}
BENCHMARK(BM_CallKeyPress)->Unit(benchmark::kMicrosecond);

// The commit of the 11000th contact. The log lives in memory-backed storage so that
// the figure leaves out the disk's fsync.
void BM_MainsWithoutFsync(benchmark::State& st) {
    const std::string shm = std::filesystem::exists("/dev/shm") ? "/dev/shm" : ".";
    const std::string path = shm + "/vantor-bench-log-" + std::to_string(::getpid()) + ".txt";
    Loaded c(FullLog - 1, path);
    int round = 0;
    for (auto _ : st) {
        st.PauseTiming();
        c.model.txtNum.setText("123");
        c.model.txtPre.setText("A");
        c.model.txtCall.setText("ZZ9Z" + std::to_string(round++ % 1000));
        c.model.txtCK.setText("85");
        c.model.txtSec.setText("CT");
        st.ResumeTiming();
        c.logic->Mains();
        st.PauseTiming();
        if (c.state.RecCount != FullLog) {
            // No timing call may follow an error: the loop ends here.
            const std::string why = "contact not stored: " + c.model.lblDialog.caption;
            st.SkipWithError(why.c_str());
            break;
        }
        c.state.RecCount = FullLog - 1;
        if (round % 1000 == 0)
            std::filesystem::resize_file(path, 0);
        st.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_MainsWithoutFsync)->Unit(benchmark::kMicrosecond);

void BM_MainsOnDisk(benchmark::State& st) {
    Loaded c(FullLog - 1);
    int round = 0;
    for (auto _ : st) {
        st.PauseTiming();
        c.model.txtNum.setText("123");
        c.model.txtPre.setText("A");
        c.model.txtCall.setText("ZZ9Z" + std::to_string(round++ % 1000));
        c.model.txtCK.setText("85");
        c.model.txtSec.setText("CT");
        st.ResumeTiming();
        c.logic->Mains();
        st.PauseTiming();
        if (c.state.RecCount != FullLog) {
            const std::string why = "contact not stored: " + c.model.lblDialog.caption;
            st.SkipWithError(why.c_str());
            break;
        }
        c.state.RecCount = FullLog - 1;
        st.ResumeTiming();
    }
}
BENCHMARK(BM_MainsOnDisk)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_TimeStats(benchmark::State& st) {
    Loaded c(FullLog);
    for (auto _ : st)
        c.logic->TimeStats();
    st.counters["rate60"] = std::stod(c.model.lblAQSO60.caption);
}
BENCHMARK(BM_TimeStats)->Unit(benchmark::kMicrosecond);

void BM_SectionPopUp(benchmark::State& st) {
    Loaded c(FullLog);
    for (auto _ : st)
        c.logic->Label10_MouseMove(1);
}
BENCHMARK(BM_SectionPopUp)->Unit(benchmark::kMicrosecond);

// Log files for the edit and delete figures live in memory-backed storage, so that
// the whole-file rewrite's fsync is left out.
std::string memoryLogPath(const char* name) {
    const std::string shm = std::filesystem::exists("/dev/shm") ? "/dev/shm" : ".";
    return shm + "/vantor-bench-" + name + "-" + std::to_string(::getpid()) + ".txt";
}

// Deleting a record in the middle of a full log: close-up, rewrite and reload.
void BM_DeleteWithoutFsync(benchmark::State& st) {
    const std::string path = memoryLogPath("delete");
    Loaded c(FullLog, path);
    const std::string full = test::readFile(path);
    for (auto _ : st) {
        c.logic->cmdDelete_Click(FullLog / 2);
        st.PauseTiming();
        if (c.state.RecCount != FullLog - 1 || c.port.ended) {
            st.SkipWithError("the record was not deleted");
            break;
        }
        test::writeFile(path, full);
        c.logic->mnuopen2();
        st.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DeleteWithoutFsync)->Unit(benchmark::kMillisecond)->Iterations(50);

// Editing a record of a full log: the dialog's checks and store, rewrite and reload.
void BM_EditWithoutFsync(benchmark::State& st) {
    const std::string path = memoryLogPath("edit");
    Loaded c(FullLog, path);
    FakeClock dialogClock;
    test::FakePort dialogPort{dialogClock};
    bool stored = false;
    int round = 0;
    c.port.editDialog = [&](ContestState& s, int rec, const ShortDateForm& form, int year) {
        EditContactLogic dialog(s, dialogPort, form, year);
        dialog.Form_Load(rec);
        dialog.box(EditContactLogic::Box::txtEditSec).setText(round++ % 2 ? "ENY" : "NNY");
        dialog.cmdDone_Click();
        stored = dialog.hidden;
    };
    for (auto _ : st) {
        c.logic->cmdEdit_Click(FullLog / 2);
        if (!stored || c.port.ended) {
            st.SkipWithError("the edit was not stored");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_EditWithoutFsync)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
