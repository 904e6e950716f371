#include "core/OnOffFile.h"

#include "core/FieldReader.h"
#include "core/FieldWriter.h"
#include "core/Numbers.h"

namespace vantor {

std::string formatOnOffRecord(const OnOffRecord& r) {
    FieldWriter w;
    w.number(r.flag).text(r.date).text(r.time).text(r.opTime).endLine();
    return w.str();
}

IoResult appendOnOff(const std::string& path, const OnOffRecord& r) {
    return appendDurably(path, formatOnOffRecord(r));
}

IoResult emptyOnOff(const std::string& path) {
    return truncateFile(path);
}

OnOffJournal readOnOffData(std::string_view data) {
    OnOffJournal journal;
    FieldReader reader(data);
    std::string flag;
    while (!reader.atEnd()) {
        OnOffRecord r;
        const FieldReader recordStart = reader;
        if (reader.next(flag) != FieldReader::Status::Ok ||
            reader.next(r.date) != FieldReader::Status::Ok ||
            reader.next(r.time) != FieldReader::Status::Ok ||
            reader.next(r.opTime) != FieldReader::Status::Ok) {
            journal.complete = false;
            journal.damagedLine = recordStart.nextLine();
            break;
        }
        const auto f = parseDecimal(flag);
        if (!f) {
            journal.complete = false;
            journal.damagedLine = recordStart.nextLine();
            break;
        }
        r.flag = *f;
        journal.records.push_back(std::move(r));
    }
    return journal;
}

std::string journalPartlyRead(const OnOffJournal& journal, const std::string& path) {
    if (journal.complete)
        return {};
    if (journal.damagedLine == 0)
        return path + " could not be read";
    return path + " could be read only up to line " + std::to_string(journal.damagedLine) +
           ", which is damaged: the " + std::to_string(journal.records.size()) +
           " time on/off record(s) before it were read, none after";
}

OnOffJournal readOnOff(const std::string& path) {
    std::string data;
    switch (readWholeFile(path, data)) {
    case ReadStatus::Ok:
        return readOnOffData(data);
    case ReadStatus::Missing:
        return {};
    case ReadStatus::Unreadable:
        break;
    }
    OnOffJournal j;
    j.complete = false;
    return j;
}

} // namespace vantor
