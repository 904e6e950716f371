// "log.txt" from any bytes: the load succeeds or fails without harm, and what it
// loads is written back and reloaded unchanged.

#include "FuzzCheck.h"
#include "core/LogFile.h"

#include <cstdint>
#include <memory>

using namespace vantor;

namespace {

bool holdsQuote(const Contact& c) {
    for (const std::string* f :
         {&c.NumSent, &c.Num, &c.Pre, &c.Call, &c.Ck, &c.Sec, &c.Date, &c.Time, &c.Bnd})
        if (f->find('"') != std::string::npos)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto first = std::make_unique<ContestState>();
    static const auto second = std::make_unique<ContestState>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!loadLogData(*first, bytes).ok())
        return 0;
    FUZZ_CHECK(first->RecCount >= 0 && first->RecCount <= ContactLogTable::Capacity);
    std::string again;
    for (int i = 1; i <= first->RecCount; ++i) {
        // A quote inside an unquoted field cannot be written back: the file's own rule.
        if (holdsQuote(first->ContactLog[i]))
            return 0;
        again += formatLogLine(first->ContactLog[i]);
    }
    FUZZ_CHECK(loadLogData(*second, again).ok());
    FUZZ_CHECK(second->RecCount == first->RecCount);
    FUZZ_CHECK(second->SecWorked == first->SecWorked);
    for (int i = 1; i <= first->RecCount; ++i)
        FUZZ_CHECK(formatLogLine(second->ContactLog[i]) == formatLogLine(first->ContactLog[i]));
    return 0;
}
