#pragma once
// The twelve messages on F1-F12: a short label, the text sent in CW (with macros) and
// the WAV file played on phone. Kept in "nsmsgs.txt" in the contest folder, one
// "F1.cw=..." line a value, so the file can be edited by hand; a value missing from the
// file keeps its default, a line the reader does not know is skipped.

#include "core/FileOps.h"

#include <array>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr const char* MessagesFileName = "nsmsgs.txt";
inline constexpr int MessageCount = 12;
inline constexpr std::size_t MessageTextLength = 160;

struct Message {
    std::string label;
    std::string cw;  // the text sent, macros included
    std::string wav; // the voice file, relative to the contest folder
};

using MessageSet = std::array<Message, MessageCount>; // F1 .. F12

// The keys of Enter sends message.
inline constexpr int CqKey = 1;
inline constexpr int ExchangeKey = 2;
inline constexpr int ThanksKey = 3;

MessageSet defaultMessages();

// Keeps what a message may hold: printable Latin-1 without control characters (an
// Escape would reach the keyer as a command), at most MessageTextLength characters.
std::string cleanMessageText(std::string_view text);

MessageSet parseMessages(std::string_view bytes);
std::string formatMessages(const MessageSet& messages);

MessageSet loadMessages(const std::string& path = MessagesFileName);
IoResult saveMessages(const MessageSet& messages, const std::string& path = MessagesFileName);

} // namespace vantor
