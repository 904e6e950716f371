#pragma once
// Reading a printed PDF back with poppler's pdftotext: the pages as text lines (layout
// kept), and every word with its position in points.

#include <string>
#include <vector>

namespace vantor::test {

struct PdfWord {
    std::string text;
    double x = 0, top = 0, height = 0;
    int page = 0; // from 0
};

// Each page's lines, runs of spaces collapsed to one and the ends trimmed, empty
// lines dropped.
std::vector<std::vector<std::string>> pdfPages(const std::string& path);
std::vector<PdfWord> pdfWords(const std::string& path);
// The first word of that text on that page (page -1: any); a word with empty text
// when there is none.
PdfWord findWord(const std::vector<PdfWord>& words, const std::string& text, int page = -1);

} // namespace vantor::test
