#pragma once
// The check partial list: the calls of a MASTER.SCP file that contain what has been
// typed of a call, anywhere in them. The calls are kept in one buffer, one a line; for
// each pair of characters the calls holding it are listed, so that a search looks only
// at the calls that hold the typed text's rarest pair. The calls found for the text
// typed so far are kept: a key that adds to the text narrows them down, a Backspace
// goes back to those found before.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::aids {

inline const std::string ScpFileName = "MASTER.SCP";
inline const std::string SystemScpPath = "/usr/share/hamradio-files/MASTER.SCP";

struct ScpLoad {
    std::size_t calls = 0;
    std::size_t skipped = 0;    // lines that hold no call
    std::size_t duplicates = 0; // calls listed again, kept once
    bool cut = false;           // the file went on beyond what is read
};

class CheckPartialList {
public:
    // Replaces the calls by those of a MASTER.SCP file's bytes: one call a line;
    // blank lines, "#" and "!!" lines and the version line are passed over.
    ScpLoad load(std::string_view bytes);
    std::size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }

    // Appends to out at most limit calls that contain typed: the exact call first,
    // then those that start with it, then the rest, each in the file's order. Returns
    // how many calls contain it in all.
    std::size_t find(std::string_view typed, std::size_t limit,
                     std::vector<std::string_view>& out) const;

private:
    std::string buffer_;                            // "\nCALL\nCALL\n"
    std::vector<std::uint32_t> starts_;             // where each call starts; one past, at the end
    std::vector<std::vector<std::uint32_t>> pairs_; // the calls holding each pair, in order

    // The calls found for a text; each one's text holds the one before it.
    struct Found {
        std::string typed;
        std::vector<std::uint32_t> calls;
    };
    mutable std::vector<Found> found_;
    const std::vector<std::uint32_t>& holding(std::string_view typed) const;
    std::string_view callAt(std::size_t i) const {
        return std::string_view(buffer_).substr(starts_[i], starts_[i + 1] - starts_[i] - 1);
    }
};

} // namespace vantor::aids
