#include "entry/FieldFilters.h"

#include <string_view>

namespace vantor {

bool fieldKeeps(Field field, unsigned char c) {
    switch (field) {
    case Field::txtNum:
    case Field::txtCK:
        return c >= '0' && c <= '9';
    case Field::txtPre:
        return std::string_view("ABQUMS").find(static_cast<char>(c)) != std::string_view::npos;
    case Field::txtCall:
    case Field::txtSec:
        return c > ' ' && c < 127 && c != '"';
    case Field::None:
    case Field::Other:
        break;
    }
    return false;
}

std::string filterFieldText(Field field, const std::string& text) {
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z' && field != Field::txtNum && field != Field::txtCK)
            c = static_cast<unsigned char>(c - 'a' + 'A');
        if (fieldKeeps(field, c))
            out += static_cast<char>(c);
    }
    return out;
}

} // namespace vantor
