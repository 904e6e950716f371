#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace vantor::test {

namespace {

QString run(const QStringList& args) {
    QProcess p;
    p.start("pdftotext", args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

std::vector<std::vector<std::string>> pdfPages(const std::string& path) {
    const QString text = run({"-layout", QString::fromStdString(path), "-"});
    std::vector<std::vector<std::string>> pages;
    QStringList pageTexts = text.split('\f');
    if (!pageTexts.isEmpty() && pageTexts.back().trimmed().isEmpty())
        pageTexts.removeLast();
    for (const QString& page : pageTexts) {
        auto& lines = pages.emplace_back();
        for (const QString& line : page.split('\n')) {
            const QString simple = line.simplified();
            if (!simple.isEmpty())
                lines.push_back(simple.toStdString());
        }
    }
    return pages;
}

std::vector<PdfWord> pdfWords(const std::string& path) {
    const QString html = run({"-bbox", QString::fromStdString(path), "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    int page = -1;
    for (const QString& line : html.split('\n')) {
        if (line.contains("<page "))
            ++page;
        const auto m = word.match(line);
        if (m.hasMatch())
            words.push_back({m.captured(4).toStdString(), m.captured(1).toDouble(),
                             m.captured(2).toDouble(),
                             m.captured(3).toDouble() - m.captured(2).toDouble(), page});
    }
    return words;
}

PdfWord findWord(const std::vector<PdfWord>& words, const std::string& text, int page) {
    for (const PdfWord& w : words)
        if (w.text == text && (page < 0 || w.page == page))
            return w;
    return {};
}

} // namespace vantor::test
