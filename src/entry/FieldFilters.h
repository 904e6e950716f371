#pragma once
// What each entry field may hold, for text that arrives without a typed key
// (pasted or dropped): the same characters the keystroke rules let through.

#include "entry/Form1Model.h"

#include <string>

namespace vantor {

// Whether the field keeps character c, its letters already raised: digits in the serial
// number and the check, one of A B Q U M S in the precedence, printable ASCII but the
// space and the double quote in the call and the section.
bool fieldKeeps(Field field, unsigned char c);

std::string filterFieldText(Field field, const std::string& text);

} // namespace vantor
