#include "core/LogFile.h"

#include "core/FieldReader.h"
#include "core/FieldWriter.h"

#include <memory>

namespace vantor {

namespace {

void writeContact(FieldWriter& w, const Contact& c) {
    for (const Contact::Field field : Contact::Fields)
        w.text(c.*field);
    w.endLine();
}

} // namespace

std::string formatLogLine(const Contact& c) {
    FieldWriter w;
    writeContact(w, c);
    return w.str();
}

IoResult appendContact(const std::string& path, const Contact& c) {
    return appendDurably(path, formatLogLine(c));
}

IoResult rewriteLog(const std::string& path, const ContestState& state) {
    FieldWriter w;
    for (int i = 1; i <= state.RecCount; ++i)
        writeContact(w, state.ContactLog[i]);
    // A file the loader would refuse never replaces one it reads.
    auto check = std::make_unique<ContestState>();
    check->Sections = state.Sections;
    if (const LoadResult r = loadLogData(*check, w.str()); !r.ok())
        return IoResult::failure("record " + std::to_string(r.line) +
                                 " would make the log unreadable");
    return replaceAtomically(path, w.str());
}

IoResult emptyLog(const std::string& path) {
    return truncateFile(path);
}

std::string loadFailureText(const LoadResult& result, const std::string& folder) {
    switch (result.failure) {
    case LoadFailure::Missing:
        return "There is no log.txt in the folder " + folder +
               ".  Vantor ends now.  To continue a contest, start Vantor in the folder that "
               "holds its log.txt; to start a new contest, answer No to \"Open existing log?\".";
    case LoadFailure::Unreadable:
        return "The log.txt in the folder " + folder +
               " cannot be read (check that it is a file you may read).  Vantor ends now.";
    case LoadFailure::TooManyRecords:
        return "The log.txt in the folder " + folder + " holds more than the " +
               std::to_string(ContactLogTable::Capacity) +
               " contacts Vantor can hold.  Vantor ends now.  Move the contacts after the " +
               std::to_string(ContactLogTable::Capacity) +
               "th into another file with a text editor, then start Vantor again.";
    case LoadFailure::None:
    case LoadFailure::CutShort:
    case LoadFailure::Malformed:
    case LoadFailure::BadSerial:
        break;
    }
    return std::string(FileErrorText);
}

LoadResult readLogRecords(std::string_view data, const std::function<Contact&(int record)>& slot) {
    LoadResult result;
    FieldReader reader(data);
    for (int record = 1; !reader.atEnd(); ++record) {
        if (record > ContactLogTable::Capacity) {
            result.failure = LoadFailure::TooManyRecords;
            result.line = record;
            return result;
        }
        Contact& c = slot(record);
        for (const Contact::Field field : Contact::Fields) {
            const auto status = reader.next(c.*field);
            if (status != FieldReader::Status::Ok) {
                result.failure = status == FieldReader::Status::End ? LoadFailure::CutShort
                                                                    : LoadFailure::Malformed;
                result.line = record;
                return result;
            }
        }
    }
    return result;
}

LoadResult loadLogData(ContestState& state, std::string_view data) {
    ++state.LogVersion;
    state.RecCount = 0;
    sectionReset(state);
    LoadResult result = readLogRecords(data, [&state](int record) -> Contact& {
        state.RecCount = record;
        return state.ContactLog[record];
    });
    // The records read whole are tallied, as far as the reader got.
    if (result.failure == LoadFailure::TooManyRecords)
        state.RecCount = ContactLogTable::Capacity;
    const int whole = result.ok() || result.failure == LoadFailure::TooManyRecords
                          ? state.RecCount
                          : result.line - 1;
    for (int r = 1; r <= whole; ++r)
        sectionTally(state, state.ContactLog[r].Sec);
    if (!result.ok())
        return result;
    if (!nextSerial(state)) {
        result.failure = LoadFailure::BadSerial;
        result.line = state.RecCount;
    }
    return result;
}

LoadResult loadLog(ContestState& state, const std::string& path) {
    std::string data;
    switch (readWholeFile(path, data)) {
    case ReadStatus::Ok:
        return loadLogData(state, data);
    case ReadStatus::Missing: {
        LoadResult r;
        r.failure = LoadFailure::Missing;
        return r;
    }
    case ReadStatus::Unreadable:
        break;
    }
    LoadResult r;
    r.failure = LoadFailure::Unreadable;
    return r;
}

} // namespace vantor
