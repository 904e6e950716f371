#include "core/PrefsFile.h"

#include "core/FieldReader.h"
#include "core/FieldWriter.h"
#include "core/Numbers.h"

#include <functional>

namespace vantor {

std::string formatPrefs(const ContestState& state) {
    const StationData& s = state.StationInfo;
    FieldWriter w;
    w.text(s.MyCall).endLine();
    w.number(s.PrefReserved).endLine();
    w.text(s.MyPre).endLine();
    w.text(s.MyCk).endLine();
    w.text(s.MySec).endLine();
    w.number(s.UtcHours).endLine();
    w.number(s.ContestMode).endLine();
    w.number(state.TabOrder).endLine();
    w.text(state.Band).endLine();
    w.number(state.OpTime).endLine();
    return w.str();
}

IoResult writePrefs(const std::string& path, const ContestState& state) {
    return replaceAtomically(path, formatPrefs(state));
}

namespace {

// Each step takes one field's text and stores it, or refuses it.
using Step = std::function<bool(const std::string&)>;

template <typename T> Step numberIn(T& target, std::int32_t low, std::int32_t high) {
    return [&target, low, high](const std::string& text) {
        const auto v = parseDecimal(text);
        if (!v || *v < low || *v > high)
            return false;
        target = static_cast<T>(*v);
        return true;
    };
}

Step textInto(std::string& target) {
    return [&target](const std::string& text) {
        target = text;
        return true;
    };
}

} // namespace

int readPrefsData(std::string_view data, ContestState& state) {
    StationData& s = state.StationInfo;
    const Step steps[] = {
        textInto(s.MyCall),
        numberIn(s.PrefReserved, INT16_MIN, INT16_MAX),
        textInto(s.MyPre),
        textInto(s.MyCk),
        textInto(s.MySec),
        numberIn(s.UtcHours, 0, 255),
        numberIn(s.ContestMode, ModeCW, ModePhone),
        numberIn(state.TabOrder, 1, 2),
        textInto(state.Band),
        numberIn(state.OpTime, 0, INT32_MAX),
    };
    FieldReader reader(data);
    std::string field;
    int taken = 0;
    for (const Step& step : steps) {
        if (reader.next(field) != FieldReader::Status::Ok || !step(field))
            break;
        ++taken;
    }
    return taken;
}

int readPrefs(const std::string& path, ContestState& state) {
    std::string data;
    if (readWholeFile(path, data) != ReadStatus::Ok)
        return 0;
    return readPrefsData(data, state);
}

} // namespace vantor
