#include "tools/LogGenerator.h"

#include "core/FileOps.h"
#include "core/LogFile.h"
#include "core/SectionTable.h"

#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <unordered_set>

namespace vantor::tools {

namespace {

bool isNorthAmerican(const std::string& call) {
    if (call.size() < 3 || call.size() > 7 || call.find('/') != std::string::npos)
        return false;
    const char a = call[0];
    const char b = call[1];
    if (a == 'K' || a == 'W' || a == 'N')
        return true;
    if (a == 'A' && b >= 'A' && b <= 'L')
        return true;
    return (a == 'V' && (b == 'E' || b == 'A' || b == 'O' || b == 'Y'));
}

std::vector<std::string> callsFromScp(const std::string& path) {
    std::string data;
    std::vector<std::string> calls;
    if (readWholeFile(path, data) != ReadStatus::Ok)
        return calls;
    std::istringstream in(data);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty() && line[0] != '#' && isNorthAmerican(line))
            calls.push_back(line);
    }
    return calls;
}

std::string madeUpCall(std::mt19937& rng) {
    static constexpr std::array<const char*, 14> prefixes = {
        "W", "K", "N", "AA", "AB", "AC", "AD", "AE", "KA", "KB", "KC", "WA", "WB", "VE"};
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::string call = prefixes[static_cast<std::size_t>(pick(static_cast<int>(prefixes.size())))];
    call += static_cast<char>('0' + pick(10));
    const int suffix = 1 + pick(3);
    for (int i = 0; i < suffix; ++i)
        call += static_cast<char>('A' + pick(26));
    return call;
}

} // namespace

std::vector<Contact> generateContacts(const LogGenOptions& o) {
    std::mt19937 rng(o.seed);
    std::vector<std::string> pool = callsFromScp(o.scpPath);
    std::shuffle(pool.begin(), pool.end(), rng);
    std::unordered_set<std::string> used;
    std::size_t next = 0;

    static constexpr std::array<const char*, 6> bands = {"160", "80", "40", "20", "15", "10"};
    static constexpr std::array<const char*, 4> badSections = {"XX", "NY", "ema", "QUE"};
    static constexpr std::string_view precedences = "ABQUMS";
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    std::vector<Contact> out;
    out.reserve(static_cast<std::size_t>(o.count));
    std::int64_t stamp = o.startUtc;
    const double step = o.count > 1 ? static_cast<double>(o.spanSeconds) / o.count : 0.0;
    for (int i = 1; i <= o.count; ++i) {
        std::string call;
        do {
            call = next < pool.size() ? pool[next++] : madeUpCall(rng);
        } while (!used.insert(call).second);

        Contact c;
        c.NumSent = std::to_string(i);
        c.Num = std::to_string(1 + rng() % 1500);
        c.Pre = std::string(1, precedences[rng() % precedences.size()]);
        c.Call = call;
        const unsigned ck = rng() % 100;
        c.Ck = std::string(1, static_cast<char>('0' + ck / 10)) + static_cast<char>('0' + ck % 10);
        if (unit(rng) < o.invalidSectionShare)
            c.Sec = badSections[rng() % badSections.size()];
        else
            c.Sec = std::string(SectionTable[1 + rng() % SectionRows].Abbr);
        c.Date = o.dateForm.format(toCivil(stamp).date);
        c.Time = formatHms(stamp);
        c.Bnd = bands[rng() % bands.size()];
        out.push_back(std::move(c));
        // Stamps rise by an uneven step around the average, never going back.
        stamp += static_cast<std::int64_t>(step * (0.5 + unit(rng)));
    }
    return out;
}

std::string formatLog(const std::vector<Contact>& contacts) {
    std::string text;
    text.reserve(contacts.size() * 64);
    for (const Contact& c : contacts)
        text += formatLogLine(c);
    return text;
}

} // namespace vantor::tools
