#include "reports/ReportLine.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vantor;

TEST(ReportLine, NumberFieldHasSignPlaceAndTrailingSpace) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, " 0 "},
        {200, " 200 "},
        {-5, "-5 "},
        {std::numeric_limits<std::int64_t>::min(), "-9223372036854775808 "},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(numberField(value), text) << value;
}

TEST(ReportLine, ColumnPlacement) {
    struct Case {
        const char* name;
        ReportLine line;
        std::vector<std::string> file;
    };
    const Case cases[] = {
        {"before the column: spaces up to it", ReportLine("ab").at(5, "c"), {"ab  c"}},
        {"at the column: nothing between", ReportLine("abcd").at(5, "e"), {"abcde"}},
        {"past the column: new line at the column",
         ReportLine("abcdef").at(5, "g"),
         {"abcdef", "    g"}},
        {"an empty field still moves on",
         ReportLine("QSO:").at(6, "").at(12, "CW"),
         {"QSO:       CW"}},
        {"numbers and texts after a field",
         ReportLine().at(3, "x").number(7).text("y"),
         {"  x 7 y"}},
        {"an empty line", ReportLine(), {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line.fileLines(), c.file) << c.name;
}

TEST(ReportLine, PrinterFieldsKeepTheirColumns) {
    const ReportLine line = ReportLine("Call: ").text("W1AW").at(20, "CT").at(10, "X");
    const std::vector<std::vector<PrintField>> expected = {{{1, "Call: W1AW"}, {20, "CT"}},
                                                           {{10, "X"}}};
    EXPECT_EQ(line.printLines(), expected);
}
