#include "station/sending/CwDaemonKeyer.h"

#include <array>
#include <cstring>

namespace vantor {

void CwDaemonKeyer::send(const std::string& text) {
    if (!text.empty())
        socket_.sendDatagram(text);
}

void CwDaemonKeyer::abort() {
    socket_.sendDatagram(std::string{CwDaemonEscape, '4'});
}

void CwDaemonKeyer::setSpeed(int wpm) {
    socket_.sendDatagram(std::string{CwDaemonEscape, '2'} + std::to_string(wpm));
}

namespace {

const char* codeOf(char c) {
    static constexpr std::array<const char*, 26> letters = {
        ".-",   "-...", "-.-.", "-..",  ".",   "..-.", "--.",  "....", "..",
        ".---", "-.-",  ".-..", "--",   "-.",  "---",  ".--.", "--.-", ".-.",
        "...",  "-",    "..-",  "...-", ".--", "-..-", "-.--", "--.."};
    static constexpr std::array<const char*, 10> digits = {
        "-----", ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----."};
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return letters[c - 'A'];
    if (c >= '0' && c <= '9')
        return digits[c - '0'];
    switch (c) {
    case '?':
        return "..--..";
    case '/':
        return "-..-.";
    case '.':
        return ".-.-.-";
    case ',':
        return "--..--";
    case '=':
        return "-...-";
    default:
        return nullptr;
    }
}

} // namespace

long long morseMillis(const std::string& text, int wpm) {
    long long units = 0;
    bool gap = false; // a character before needs its gap
    for (const char c : text) {
        const char* code = codeOf(c);
        if (!code) {
            units += 7;
            gap = false;
            continue;
        }
        if (gap)
            units += 3;
        const auto n = std::strlen(code);
        for (std::size_t i = 0; i < n; ++i)
            units += (code[i] == '-' ? 3 : 1) + (i + 1 < n ? 1 : 0);
        gap = true;
    }
    return wpm > 0 ? units * 1200 / wpm : 0;
}

} // namespace vantor
