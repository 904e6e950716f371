// "nspref.txt" from any bytes: every field taken is within its range, and the
// settings written back read back the same.

#include "FuzzCheck.h"
#include "core/PrefsFile.h"

#include <cstdint>
#include <memory>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Contest states are large; only the settings are reset for each input.
    static const auto defaults = std::make_unique<ContestState>();
    static const auto first = std::make_unique<ContestState>();
    static const auto second = std::make_unique<ContestState>();
    for (ContestState* s : {first.get(), second.get()}) {
        s->StationInfo = defaults->StationInfo;
        s->TabOrder = defaults->TabOrder;
        s->Band = defaults->Band;
        s->OpTime = defaults->OpTime;
    }
    const int taken =
        readPrefsData(std::string_view(reinterpret_cast<const char*>(data), size), *first);
    FUZZ_CHECK(taken >= 0 && taken <= 10);
    const StationData& s = first->StationInfo;
    FUZZ_CHECK(s.ContestMode == ModeCW || s.ContestMode == ModePhone);
    FUZZ_CHECK(first->OpTime >= 0);
    for (const std::string* text :
         {&s.MyCall, &s.MyPre, &s.MyCk, &s.MySec, static_cast<const std::string*>(&first->Band)})
        if (text->find('"') != std::string::npos)
            return 0;
    readPrefsData(formatPrefs(*first), *second);
    FUZZ_CHECK(formatPrefs(*second) == formatPrefs(*first));
    return 0;
}
