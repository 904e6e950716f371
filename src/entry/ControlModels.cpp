#include "entry/ControlModels.h"

#include <algorithm>

namespace vantor {

// What the text box itself does with the code its handler left: Backspace deletes,
// a printable character is inserted at the caret unless the length limit is reached.
void applyKey(TextBoxModel& box, int k) {
    auto& text = box.text;
    const int size = static_cast<int>(text.size());
    int selStart = std::clamp(box.selStart, 0, size);
    int selLength = std::clamp(box.selLength, 0, size - selStart);
    int caret = std::clamp(box.caret, 0, size);
    if (k == 8) {
        if (selLength > 0) {
            text.erase(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
            caret = selStart;
        } else if (caret > 0) {
            text.erase(static_cast<std::size_t>(caret - 1), 1);
            --caret;
        }
    } else if (k >= 32 && k <= 255 && k != 127) {
        const int remaining = size - selLength;
        if (box.maxLength > 0 && remaining + 1 > box.maxLength)
            return;
        if (selLength > 0) {
            text.erase(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
            caret = selStart;
        }
        text.insert(text.begin() + caret, static_cast<char>(k));
        ++caret;
    } else {
        return;
    }
    box.caret = caret;
    box.selStart = caret;
    box.selLength = 0;
}

} // namespace vantor
