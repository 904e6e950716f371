#pragma once
// Plain models of the window controls the logic drives. The Qt windows render
// these; tests read them back.

#include <cstdint>
#include <string>

namespace vantor {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Message{0, 192, 192}; // message label, partial-dupe list
inline constexpr Rgb Red{255, 0, 0};       // duplicate announcement
inline constexpr Rgb Grey{192, 192, 192};
inline constexpr Rgb DarkBlue{0, 0, 128};
inline constexpr Rgb Unworked{128, 0, 0};
inline constexpr Rgb Worked{0, 0, 255};
} // namespace colours

struct LabelModel {
    std::string caption;
    Rgb fore = colours::Black;
    Rgb back = colours::Grey;
    double fontSize = 8.0; // points, before any screen scaling is applied by the view
    std::string toolTip;
};

// A single-line text box: text as Latin-1 bytes, a length limit, the caret and the
// selection (selection [selStart, selStart + selLength)).
struct TextBoxModel {
    std::string text;
    int maxLength = 0;
    int caret = 0;
    int selStart = 0;
    int selLength = 0;
    int tabIndex = 0;
    bool fromHistory = false; // text filled from the call history, drawn apart

    void setText(std::string t) {
        text = std::move(t);
        caret = static_cast<int>(text.size());
        selStart = caret;
        selLength = 0;
    }
    void clear() { setText({}); }
};

// What the text box itself does with a key code its handler let through.
void applyKey(TextBoxModel& box, int k);

struct ButtonModel {
    std::string caption;
    bool visible = true;
};

} // namespace vantor
