#pragma once
// "nsaids.txt": the typing aids' choices in the contest folder, one key=value a line.
// Unknown keys and damaged lines are passed over, so an older or newer program's file
// still loads.

#include "core/FileOps.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantor::aids {

inline const std::string AidsSettingsFileName = "nsaids.txt";

struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct AidsSettings {
    bool checkPartial = false; // the check partial list is shown
    bool sectionCue = false;   // a new section is named before Enter
    std::string history;       // a call history chosen from the File menu
    std::optional<WindowPlace> listWindow;
    bool operator==(const AidsSettings&) const = default;
};

AidsSettings parseAidsSettings(std::string_view text);
std::string formatAidsSettings(const AidsSettings& s);
AidsSettings readAidsSettings(const std::string& path);
IoResult writeAidsSettings(const std::string& path, const AidsSettings& s);

} // namespace vantor::aids
