// "nsonoff.txt" from any bytes: the journal reads or stops cleanly, and the records
// read are written back and read back the same.

#include "FuzzCheck.h"
#include "core/OnOffFile.h"

#include <cstdint>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OnOffJournal journal =
        readOnOffData(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string again;
    for (const OnOffRecord& r : journal.records) {
        for (const std::string* text : {&r.date, &r.time, &r.opTime})
            if (text->find('"') != std::string::npos)
                return 0;
        again += formatOnOffRecord(r);
    }
    const OnOffJournal reread = readOnOffData(again);
    FUZZ_CHECK(reread.complete);
    FUZZ_CHECK(reread.records == journal.records);
    return 0;
}
