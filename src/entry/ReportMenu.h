#pragma once
// The File menu's traditional report commands: the ASCII log (which also rebuilds the
// contest state from "log.txt") and the dupe sheet, each to a file or to the printer.
// Unlike a silent stop, every failure is told in lblDialog, and nothing is reset or
// replaced until the output has been produced.

#include "core/ContestState.h"
#include "core/FileNames.h"
#include "entry/Form1Model.h"
#include "entry/PlatformPort.h"

namespace vantor {

class ReportMenu {
public:
    ReportMenu(ContestState& state, Form1Model& model, PlatformPort& port, const FileNames& files);

    // True when the contest state was rebuilt from the log: the caller shows it again.
    bool asciiLog(bool print);
    void dupeSheet(bool print);

private:
    ContestState& s_;
    Form1Model& m_;
    PlatformPort& port_;
    const FileNames& files_;

    void warnTraditionalFormat();
};

} // namespace vantor
