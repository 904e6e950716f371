#include "entry/FieldFilters.h"

#include <string_view>

namespace vantor {

std::string filterFieldText(Field field, const std::string& text) {
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z' && field != Field::txtNum && field != Field::txtCK)
            c = static_cast<unsigned char>(c - 'a' + 'A');
        bool keep = false;
        switch (field) {
        case Field::txtNum:
        case Field::txtCK:
            keep = c >= '0' && c <= '9';
            break;
        case Field::txtPre:
            keep = std::string_view("ABQUMS").find(static_cast<char>(c)) != std::string_view::npos;
            break;
        case Field::txtCall:
        case Field::txtSec:
            keep = c > ' ' && c != '"' && c != 127;
            break;
        case Field::None:
        case Field::Other:
            break;
        }
        if (keep)
            out += static_cast<char>(c);
    }
    return out;
}

} // namespace vantor
