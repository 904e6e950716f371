#include "reports/AsciiLog.h"

#include "core/FileOps.h"
#include "core/LogFile.h"
#include "core/Numbers.h"
#include "core/SectionTable.h"
#include "reports/ReportLine.h"

#include <utility>

namespace vantor {

namespace {

// Characters 1-2 and 4-5 of a stored "hh:mm:ss" time.
std::string hourMinute(const std::string& time) {
    std::string out = time.substr(0, 2);
    if (time.size() > 3)
        out += time.substr(3, 2);
    return out;
}

ReportResult readInput(const std::string& path, std::string& data) {
    switch (readWholeFile(path, data)) {
    case ReadStatus::Ok:
        return {};
    case ReadStatus::Missing:
        return {false, path + " was not found, so the log could not be listed."};
    case ReadStatus::Unreadable:
        break;
    }
    return {false, path + " could not be read, so the log could not be listed."};
}

ReportResult parseContacts(std::string_view data, std::vector<Contact>& out) {
    const LoadResult r =
        readLogRecords(data, [&out](int) -> Contact& { return out.emplace_back(); });
    switch (r.failure) {
    case LoadFailure::None:
        return {};
    case LoadFailure::TooManyRecords:
        return {false, LogFileName + " holds more than " +
                           std::to_string(ContactLogTable::Capacity) +
                           " contacts; the log was not listed."};
    default:
        return {false, LogFileName + " is damaged at contact " + std::to_string(r.line) +
                           "; the log was not listed."};
    }
}

// The time-ordered choice: the contact when its date text sorts first, or on the
// same date when its time text does; an on/off record with the same date and time
// goes first.
bool contactFirst(const Contact& c, const OnOffRecord& r) {
    if (c.Date != r.date)
        return c.Date < r.date;
    return c.Time < r.time;
}

ReportLine contactLine(const Contact& c, const AsciiLogEntry& e,
                       const std::array<int, 10>& columns) {
    ReportLine line;
    line.at(columns[0], c.Bnd)
        .at(columns[1], c.Date)
        .at(columns[2], hourMinute(c.Time))
        .at(columns[3], c.NumSent)
        .at(columns[4], c.Num)
        .at(columns[5], c.Pre)
        .at(columns[6], c.Call)
        .at(columns[7], c.Ck)
        .at(columns[8], c.Sec + e.marker)
        .numberAt(columns[9], e.runningScore);
    return line;
}

constexpr std::array<int, 10> FileColumns = {1, 5, 15, 20, 28, 35, 37, 47, 50, 62};
constexpr std::array<int, 10> PrintColumns = {3, 9, 21, 28, 38, 48, 51, 68, 76, 95};

std::string onText(const OnOffRecord& r) {
    return "Logged ON  at " + r.date + "  " + r.time;
}

std::string offText(const OnOffRecord& r) {
    return "Logged OFF at " + r.date + "  " + r.time +
           "  Cumulative contest duration = " + r.opTime;
}

void printHeader(PrinterPort& printer, const StationData& st) {
    printer.printLine({});
    printReportLine(printer, ReportLine(std::string(35, ' ') + "ARRL Sweepstakes"));
    printer.printLine({});
    printReportLine(printer,
                    ReportLine("    Call Used: " + st.MyCall).at(54, "ARRL Section: " + st.MySec));
    printReportLine(
        printer,
        ReportLine("    Sent: " + st.MyPre + " " + st.MyCall + " " + st.MyCk + " " + st.MySec)
            .at(54, st.ContestMode == ModePhone ? "PHONE CONTEST" : "CW CONTEST"));
    printer.printLine({});
    printer.printLine({});
    printReportLine(printer, ReportLine()
                                 .at(3, "Bnd")
                                 .at(9, " Date")
                                 .at(21, "Time")
                                 .at(28, " NrS")
                                 .at(38, "NrR")
                                 .at(48, "P")
                                 .at(51, "Stn Wrkd")
                                 .at(68, "Ck")
                                 .at(76, "Section")
                                 .at(95, " Points"));
    printer.printLine({});
}

} // namespace

ReportResult parseAsciiLogInputs(std::string_view logData, std::string_view onOffData,
                                 AsciiLogInputs& out) {
    AsciiLogInputs in;
    if (ReportResult r = parseContacts(logData, in.contacts); !r.ok)
        return r;
    OnOffJournal journal = readOnOffData(onOffData);
    if (!journal.complete)
        return {false, journalPartlyRead(journal, OnOffFileName) + "; the log was not listed."};
    in.onOff = std::move(journal.records);
    out = std::move(in);
    return {};
}

ReportResult readAsciiLogInputs(const std::string& logPath, const std::string& onOffPath,
                                AsciiLogInputs& out) {
    std::string logData, onOffData;
    if (ReportResult r = readInput(logPath, logData); !r.ok)
        return r;
    if (ReportResult r = readInput(onOffPath, onOffData); !r.ok)
        return r;
    return parseAsciiLogInputs(logData, onOffData, out);
}

AsciiLogListing mergeAsciiLog(AsciiLogInputs inputs, const SectionList& sections) {
    AsciiLogListing l;
    l.contacts = std::move(inputs.contacts);
    const auto& onOff = inputs.onOff;
    l.entries.reserve(l.contacts.size() + onOff.size());
    std::size_t ci = 0, oi = 0;
    std::int64_t n = 0;
    // Once a source is exhausted the other one runs to its end, which is what an end
    // marker sorting after every date would give, without depending on the dates.
    while (ci < l.contacts.size() || oi < onOff.size()) {
        const bool takeContact = oi == onOff.size() || (ci < l.contacts.size() &&
                                                        contactFirst(l.contacts[ci], onOff[oi]));
        AsciiLogEntry e;
        if (takeContact) {
            const Contact& c = l.contacts[ci++];
            ++n;
            if (const int row = sections.lookup(c.Sec); row > 0) {
                auto& count = l.secCount[static_cast<std::size_t>(row)];
                if (count < INT16_MAX)
                    ++count;
                if (count == 1) {
                    ++l.secWorked;
                    l.newRows.push_back(row);
                    // Two spaces after a two-letter section so that "New!" lines up.
                    e.marker = (c.Sec.size() == 2 ? "  New!" : " New!") + signBlank(l.secWorked);
                }
            }
            e.record = static_cast<int>(ci);
            e.runningScore = static_cast<std::int32_t>(2 * n * l.secWorked);
        } else {
            e.onOff = onOff[oi++];
        }
        l.entries.push_back(std::move(e));
    }
    return l;
}

std::vector<std::string> asciiLogLines(const AsciiLogListing& l) {
    ReportText text;
    for (const auto& e : l.entries) {
        if (e.record > 0)
            text.add(
                contactLine(l.contacts[static_cast<std::size_t>(e.record - 1)], e, FileColumns));
        else
            text.add(" " + (e.onOff.flag == 1 ? onText(e.onOff) : offText(e.onOff)));
    }
    return text.lines();
}

ReportResult writeAsciiLog(const std::string& path, const AsciiLogListing& listing) {
    return writeReportFile(path, asciiLogLines(listing));
}

void printAsciiLog(PrinterPort& printer, const StationData& station, const AsciiLogListing& l) {
    printer.setFontSize(11);
    int counter = 1;
    for (const auto& e : l.entries) {
        if (counter == 56) {
            printer.newPage();
            counter = 1;
        }
        if (counter == 1) {
            printHeader(printer, station);
            counter = 10;
        }
        if (e.record > 0) {
            printReportLine(printer, contactLine(l.contacts[static_cast<std::size_t>(e.record - 1)],
                                                 e, PrintColumns));
        } else if (e.onOff.flag == 1) {
            printReportLine(printer, ReportLine("  " + onText(e.onOff)));
            printer.printLine({});
        } else {
            printer.printLine({});
            printReportLine(printer, ReportLine("  " + offText(e.onOff)));
        }
        ++counter;
    }
}

void adoptAsciiLog(ContestState& state, AsciiLogListing&& l) {
    ++state.LogVersion;
    state.RecCount = static_cast<std::int32_t>(l.contacts.size());
    for (std::size_t i = 0; i < l.contacts.size(); ++i)
        state.ContactLog[static_cast<int>(i + 1)] = std::move(l.contacts[i]);
    state.SecCount = l.secCount;
    state.SecWorked = l.secWorked;
}

} // namespace vantor
