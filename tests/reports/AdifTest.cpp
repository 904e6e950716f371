#include "reports/Adif.h"

#include "core/LogFile.h"
#include "support/TempDir.h"
#include "tools/LogGenerator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::test;

namespace {

using Record = std::map<std::string, std::string>;

// A reader of its own: each <NAME:length> tag is followed by exactly length bytes,
// whatever they hold; the header ends at <EOH>, each record at <EOR>.
struct AdifFile {
    Record header;
    std::vector<Record> records;
    bool ok = true;
};

AdifFile parseAdif(const std::string& text) {
    AdifFile file;
    Record current;
    bool inHeader = text.empty() || text[0] != '<';
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        const std::size_t close = text.find('>', at);
        if (close == std::string::npos)
            return file.ok = false, file;
        std::string tag = text.substr(at + 1, close - at - 1);
        for (char& ch : tag)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        at = close + 1;
        if (tag == "EOH" || tag == "EOR") {
            (tag == "EOH" ? file.header : (file.records.emplace_back(), file.records.back())) =
                std::move(current);
            current.clear();
            inHeader = false;
            continue;
        }
        const std::size_t colon = tag.find(':');
        if (colon == std::string::npos)
            return file.ok = false, file;
        const std::size_t length = std::stoul(tag.substr(colon + 1));
        if (at + length > text.size())
            return file.ok = false, file;
        current[tag.substr(0, colon)] = text.substr(at, length);
        at += length;
    }
    file.ok = !inHeader && current.empty();
    return file;
}

// The log line the record stands for, the date written in form.
Contact contactOf(const Record& r, const ShortDateForm& form) {
    const std::string d = r.at("QSO_DATE");
    const std::string t = r.at("TIME_ON");
    const std::string band = r.at("BAND");
    return {r.at("STX"),
            r.at("SRX"),
            r.at("PRECEDENCE"),
            r.at("CALL"),
            r.at("CHECK"),
            r.at("ARRL_SECT"),
            form.format(
                {std::stoi(d.substr(0, 4)), std::stoi(d.substr(4, 2)), std::stoi(d.substr(6, 2))}),
            t.substr(0, 2) + ":" + t.substr(2, 2) + ":" + t.substr(4, 2),
            band.substr(0, band.size() - 1)};
}

ContestState smallContest(std::uint8_t mode) {
    ContestState s;
    s.StationInfo = {"K6XX/7", "A", "85", "EB", 8, mode, 0};
    s.ContactLog[++s.RecCount] = {"1",  "12",        "B",        "K1AA", "72",
                                  "CT", "11/7/2026", "21:05:10", "160"};
    s.ContactLog[++s.RecCount] = {"1234", "3",         "Q",        "VY2AA/VE3", "99",
                                  "PE",   "11/8/2026", "09:20:00", "10"};
    return s;
}

} // namespace

TEST(Adif, SmallLogByteForByte) {
    TempDir dir;
    const ContestState s = smallContest(ModeCW);
    EXPECT_EQ(adifFileName(s.StationInfo.MyCall), "K6XX-7.adi");
    ASSERT_TRUE(writeAdif("K6XX-7.adi", s, ShortDateForm{}, 2026).ok);
    EXPECT_EQ(
        readFile("K6XX-7.adi"),
        "ARRL Sweepstakes log of K6XX/7, written by Vantor\r\n"
        "<ADIF_VER:5>3.1.4 <PROGRAMID:6>Vantor <PROGRAMVERSION:3>2.5 <EOH>\r\n"
        "<CALL:4>K1AA <QSO_DATE:8>20261107 <TIME_ON:6>210510 <BAND:4>160M <MODE:2>CW "
        "<CONTEST_ID:10>ARRL-SS-CW <STX:1>1 <SRX:2>12 <PRECEDENCE:1>B <CHECK:2>72 "
        "<ARRL_SECT:2>CT <STATION_CALLSIGN:6>K6XX/7 <STX_STRING:16>1 A K6XX/7 85 EB <EOR>\r\n"
        "<CALL:9>VY2AA/VE3 <QSO_DATE:8>20261108 <TIME_ON:6>092000 <BAND:3>10M <MODE:2>CW "
        "<CONTEST_ID:10>ARRL-SS-CW <STX:4>1234 <SRX:1>3 <PRECEDENCE:1>Q <CHECK:2>99 "
        "<ARRL_SECT:2>PE <STATION_CALLSIGN:6>K6XX/7 <STX_STRING:19>1234 A K6XX/7 85 EB <EOR>\r\n");
}

// A full log in each mode and two date forms, read back by an independent reader.
TEST(Adif, FullLogReadsBackRecordForRecord) {
    ShortDateForm dayFirst;
    dayFirst.order = ShortDateForm::Order::DayMonthYear;
    dayFirst.padDay = dayFirst.padMonth = true;
    const struct {
        std::uint8_t mode;
        ShortDateForm form;
        const char* contestId;
        const char* modeName;
    } cases[] = {{ModeCW, ShortDateForm{}, "ARRL-SS-CW", "CW"},
                 {ModePhone, dayFirst, "ARRL-SS-SSB", "SSB"}};
    for (const auto& c : cases) {
        TempDir dir;
        tools::LogGenOptions o;
        o.count = ContactLogTable::Capacity;
        o.scpPath = "";
        o.dateForm = c.form;
        writeFile(LogFileName, tools::formatLog(tools::generateContacts(o)));
        ContestState s;
        loadLog(s, LogFileName);
        ASSERT_EQ(s.RecCount, ContactLogTable::Capacity);
        s.StationInfo = {"W1AW", "B", "38", "CT", 0, c.mode, 0};
        ASSERT_TRUE(writeAdif("W1AW.adi", s, c.form, 2026).ok);

        const AdifFile file = parseAdif(readFile("W1AW.adi"));
        ASSERT_TRUE(file.ok);
        EXPECT_EQ(
            file.header,
            (Record{{"ADIF_VER", "3.1.4"}, {"PROGRAMID", "Vantor"}, {"PROGRAMVERSION", "2.5"}}));
        ASSERT_EQ(file.records.size(), static_cast<std::size_t>(s.RecCount));
        for (int i = 1; i <= s.RecCount; ++i) {
            const Record& r = file.records[static_cast<std::size_t>(i - 1)];
            const Contact& logged = s.ContactLog[i];
            ASSERT_EQ(contactOf(r, c.form), logged) << "record " << i;
            ASSERT_EQ(r.at("MODE"), c.modeName);
            ASSERT_EQ(r.at("CONTEST_ID"), c.contestId);
            ASSERT_EQ(r.at("STATION_CALLSIGN"), "W1AW");
            ASSERT_EQ(r.at("STX_STRING"), logged.NumSent + " B W1AW 38 CT");
            ASSERT_EQ(r.size(), 13u) << "record " << i;
        }
    }
}

TEST(Adif, ContactsNoReaderTakesAreNamedAndNothingIsWritten) {
    const struct {
        int field; // index into the contact's fields as a log line orders them
        const char* value;
        const char* told; // empty: the file is written
    } cases[] = {
        {8, "2", "Contact 2: the band \"2\" is none of 160, 80, 40, 20, 15, 10."},
        {4, "7", "Contact 2: the check \"7\" is not two digits."},
        {2, "X", "Contact 2: the precedence \"X\" is none of Q, A, B, U, M, S."},
        {3, "", "Contact 2: the call \"\" is not a call sign."},
        {3, "K1 AA", "Contact 2: the call \"K1 AA\" is not a call sign."},
        {3,
         "K1\xC4"
         "A",
         "Contact 2: the call \"K1\xC4"
         "A\" is not a call sign."},
        {0, "12a", "Contact 2: the serial number sent \"12a\" is not a number."},
        {1, "", "Contact 2: the serial number received \"\" is not a number."},
        {6, "13/8/2026",
         "Contact 2 has a date or time that cannot be read (\"13/8/2026 "
         "09:20:00\"); correct it and write the ADIF file again."},
        {7, "9:61:00",
         "Contact 2 has a date or time that cannot be read (\"11/8/2026 "
         "9:61:00\"); correct it and write the ADIF file again."},
        {5, "XYZ", ""}, // a section outside the table is the reader's own business
        {7, "9:20", ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ContestState s = smallContest(ModePhone);
        Contact& k = s.ContactLog[2];
        std::string* fields[] = {&k.NumSent, &k.Num,  &k.Pre,  &k.Call, &k.Ck,
                                 &k.Sec,     &k.Date, &k.Time, &k.Bnd};
        *fields[c.field] = c.value;
        const ReportResult r = writeAdif("K6XX-7.adi", s, ShortDateForm{}, 2026);
        EXPECT_EQ(r.ok, *c.told == 0) << c.value;
        EXPECT_EQ(fileExists("K6XX-7.adi"), r.ok) << c.value;
        EXPECT_NE(r.error.find(c.told), std::string::npos) << r.error;
    }
}
