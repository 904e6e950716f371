#include "ui/print/QtPrinter.h"

#include "PdfText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vantor;
using namespace vantor::test;
using vantor::ui::QtPrinter;

TEST(QtPrinter, FieldsStandAtColumnsOfTheAverageCharacterWidth) {
    TempDir dir;
    {
        QtPrinter job("Test.pdf", QtPrinter::Target::Pdf);
        ASSERT_TRUE(job.ok()) << job.error();
        EXPECT_EQ(job.destination(), "Test.pdf");
        job.printLine({{1, "A"}, {11, "B"}, {0, "C"}, {21, "D"}});
        job.printLine({});
        job.printLine({{31, "E"}});
        ASSERT_TRUE(job.endJob()) << job.error();
    }
    const auto words = pdfWords("Test.pdf");
    const PdfWord a = findWord(words, "A"), bc = findWord(words, "BC"), d = findWord(words, "D"),
                  e = findWord(words, "E");
    ASSERT_FALSE(bc.text.empty()) << "a column-0 field follows the previous text";
    ASSERT_FALSE(e.text.empty());
    const double ten = bc.x - a.x;
    EXPECT_GT(ten, 30.0); // ten characters of an 11-point face, in points
    EXPECT_LT(ten, 90.0);
    EXPECT_NEAR(d.x - a.x, 2 * ten, 0.1);
    EXPECT_NEAR(e.x - a.x, 3 * ten, 0.1);
    EXPECT_NEAR(d.top, a.top, 0.1);
    // The empty line between them keeps its place: two line spacings.
    EXPECT_NEAR(e.top - a.top, 2 * 11 * 1.164, 11 * 0.25);
}

TEST(QtPrinter, FontSizesPagesAndOverflow) {
    TempDir dir;
    {
        QtPrinter job("Test.pdf", QtPrinter::Target::Pdf);
        job.setFontSize(16);
        job.printLine({{1, "Big"}});
        job.setFontSize(11);
        job.printLine({{1, "Small"}});
        job.newPage();
        // Far more lines than a page holds: none may be lost off the bottom.
        for (int i = 1; i <= 150; ++i)
            job.printLine({{1, "line" + std::to_string(i)}});
        ASSERT_TRUE(job.endJob()) << job.error();
    }
    const auto words = pdfWords("Test.pdf");
    const PdfWord big = findWord(words, "Big"), small = findWord(words, "Small");
    EXPECT_NEAR(big.height / small.height, 16.0 / 11.0, 0.1);
    EXPECT_EQ(findWord(words, "line1").page, 1);
    EXPECT_GE(findWord(words, "line150").page, 3);
    int found = 0;
    for (int i = 1; i <= 150; ++i)
        found += findWord(words, "line" + std::to_string(i)).text.empty() ? 0 : 1;
    EXPECT_EQ(found, 150);
}

TEST(QtPrinter, APdfThatCannotBeWrittenIsReported) {
    TempDir dir;
    std::filesystem::create_directory("Log.pdf");
    QtPrinter job("Log.pdf", QtPrinter::Target::Pdf);
    EXPECT_FALSE(job.ok());
    job.printLine({{1, "lost"}});
    job.newPage();
    EXPECT_FALSE(job.endJob());
    EXPECT_NE(job.error().find("Log.pdf"), std::string::npos) << job.error();
}
