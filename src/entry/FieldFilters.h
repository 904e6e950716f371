#pragma once
// What each entry field may hold, for text that arrives without a typed key
// (pasted or dropped): the same characters the keystroke rules let through.

#include "entry/Form1Model.h"

#include <string>

namespace vantor {

std::string filterFieldText(Field field, const std::string& text);

} // namespace vantor
