// The sections grid's click and pop-up, and the recent-contacts list refresh.

#include "core/Numbers.h"
#include "core/SectionTable.h"
#include "entry/EventScope.h"
#include "entry/Form1Logic.h"

#include <array>
#include <cmath>

namespace vantor {

void Form1Logic::Label10_Click(int row) {
    if (ended_)
        return;
    if (row < 1 || row > s_.Sections->rows)
        return;
    EventScope scope(*this);
    m_.txtSec.setText(std::string(s_.Sections->row(row).Abbr));
}

void Form1Logic::Label10_MouseMove(int row) {
    if (ended_)
        return;
    if (row < 1 || row > s_.Sections->rows)
        return;
    EventScope scope(*this);
    const SectionRow& section = s_.Sections->row(row);
    std::array<std::int16_t, 6> counts{};
    for (int i = 1; i <= s_.RecCount; ++i) {
        const Contact& c = s_.ContactLog[i];
        if (c.Sec != section.Abbr)
            continue;
        for (std::size_t b = 0; b < BandCodes.size(); ++b) {
            if (c.Bnd == BandCodes[b]) {
                if (counts[b] < INT16_MAX)
                    ++counts[b];
                break;
            }
        }
    }
    int total = 0;
    for (const auto n : counts)
        total += n;
    const auto digits = static_cast<int>(std::to_string(total + 14).size());
    const auto nameLength = static_cast<int>(section.FullName.size());
    const int n = 64 - static_cast<int>(std::floor((nameLength + digits) / 0.53));
    const std::string fill(n > 0 ? static_cast<std::size_t>(n) : 0, ' ');

    m_.lblDupe.fontSize = 8.0;
    std::string caption = "  " + std::string(section.FullName) + "    Total =" + signBlank(total) +
                          fill + "   160 =" + signBlank(counts[0]);
    static constexpr std::array<const char*, 5> heads = {
        "    80 =", "    40 =", "    20 =", "    15 =", "    10 ="};
    for (std::size_t b = 1; b < counts.size(); ++b)
        caption += heads[b - 1] + signBlank(counts[b]);
    m_.lblDupe.caption = caption;
}

void Form1Logic::Form_MouseMove() {
    if (ended_)
        return;
    EventScope scope(*this);
    m_.lblDupe.caption.clear();
}

void Form1Logic::listrecent() {
    ++m_.listVersion;
    m_.listGrewByOne = false;
}

std::vector<int> Form1Logic::recentRecords() const {
    int lower = 1;
    if (s_.ListAll == 0 && s_.RecCount > 19)
        lower = s_.RecCount - 19;
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(std::max(0, s_.RecCount - lower + 1)));
    for (int r = s_.RecCount; r >= lower; --r)
        rows.push_back(r);
    return rows;
}

void Form1Logic::cmdList_Click() {
    if (ended_)
        return;
    EventScope scope(*this);
    if (s_.ListAll != 0) {
        m_.cmdList.caption = "Last 20";
        s_.ListAll = 0;
    } else {
        m_.cmdList.caption = "All";
        s_.ListAll = 1;
    }
    listrecent();
    moveFocus(firstField());
}

} // namespace vantor
