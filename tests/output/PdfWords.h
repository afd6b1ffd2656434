#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <vector>

// A PDF as poppler's text extraction reads it: its page count and its words, in points
// from the top-left corner of their page.
struct PdfWord {
    int page = 0;
    double left = 0, top = 0;
    QString text;
};
struct PdfText {
    int pages = 0;
    std::vector<PdfWord> words;
};

inline bool canReadPdfs() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

inline PdfText readPdf(const QString& pdfPath) {
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {"-tsv", pdfPath, "-"});
    extract.waitForFinished(60000);
    PdfText pdf;
    // level, page, paragraph, block, line, word, left, top, width, height, confidence, text
    for (const QString& row : QString::fromUtf8(extract.readAllStandardOutput()).split(u'\n')) {
        const QStringList cells = row.split(u'\t');
        if (cells.size() >= 12 && cells[0] == u"1")
            ++pdf.pages;
        if (cells.size() >= 12 && cells[0] == u"5")
            pdf.words.push_back(
                {cells[1].toInt(), cells[6].toDouble(), cells[7].toDouble(), cells[11]});
    }
    return pdf;
}

// The printed lines with text: words whose tops lie within a point of each other on the
// same page form one line.
inline QStringList pdfLines(const PdfText& pdf) {
    QStringList lines;
    const PdfWord* lineStart = nullptr;
    for (const PdfWord& word : pdf.words) {
        const bool sameLine = lineStart != nullptr && lineStart->page == word.page &&
                              std::abs(lineStart->top - word.top) < 1.0;
        if (sameLine)
            lines.back() += u' ' + word.text;
        else
            lines << word.text;
        lineStart = sameLine ? lineStart : &word;
    }
    return lines;
}
