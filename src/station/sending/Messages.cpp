#include "station/sending/Messages.h"

#include "core/SettingsLines.h"

namespace vantor {

MessageSet defaultMessages() {
    static const std::array<std::array<const char*, 2>, MessageCount> texts = {{
        {"CQ", "CQ SS {MYCALL} {MYCALL} SS"},
        {"Exch", "{CALL} {NR} {MYPREC} {MYCALL} {MYCK} {MYSEC}"},
        {"TU", "TU {MYCALL}"},
        {"My call", "{MYCALL}"},
        {"His call", "{CALL}"},
        {"AGN?", "AGN?"},
        {"NR?", "NR?"},
        {"CK?", "CK?"},
        {"SEC?", "SEC?"},
        {"PREC?", "PREC?"},
        {"Exch 2", "{NR} {MYPREC} {MYCALL} {MYCK} {MYSEC}"},
        {"QRL?", "QRL?"},
    }};
    MessageSet set;
    for (int i = 0; i < MessageCount; ++i)
        set[i] = {texts[i][0], texts[i][1], "F" + std::to_string(i + 1) + ".wav"};
    return set;
}

std::string cleanMessageText(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 32 && c != 127 && out.size() < MessageTextLength)
            out += ch;
    }
    return out;
}

MessageSet parseMessages(std::string_view bytes) {
    MessageSet set = defaultMessages();
    forEachSetting(bytes, [&set](std::string_view key, std::string_view value) {
        if (key.size() < 5 || key[0] != 'F')
            return;
        const auto dot = key.find('.');
        if (dot == std::string_view::npos || dot < 2 || dot > 3)
            return;
        int n = 0;
        for (const char c : key.substr(1, dot - 1)) {
            if (c < '0' || c > '9')
                return;
            n = n * 10 + (c - '0');
        }
        if (n < 1 || n > MessageCount)
            return;
        const auto field = key.substr(dot + 1);
        Message& m = set[n - 1];
        if (field == "label")
            m.label = cleanMessageText(value);
        else if (field == "cw")
            m.cw = cleanMessageText(value);
        else if (field == "wav")
            m.wav = cleanMessageText(value);
    });
    return set;
}

std::string formatMessages(const MessageSet& messages) {
    std::string out = "# Vantor messages: F1 to F12, label, CW text with macros, voice file\r\n";
    for (int i = 0; i < MessageCount; ++i) {
        const std::string key = "F" + std::to_string(i + 1);
        out += key + ".label=" + cleanMessageText(messages[i].label) + "\r\n";
        out += key + ".cw=" + cleanMessageText(messages[i].cw) + "\r\n";
        out += key + ".wav=" + cleanMessageText(messages[i].wav) + "\r\n";
    }
    return out;
}

MessageSet loadMessages(const std::string& path) {
    std::string bytes;
    if (readWholeFile(path, bytes) != ReadStatus::Ok)
        return defaultMessages();
    return parseMessages(bytes);
}

IoResult saveMessages(const MessageSet& messages, const std::string& path) {
    return replaceAtomically(path, formatMessages(messages));
}

} // namespace vantor
