#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <vector>

// A word of a PDF as poppler's text extraction finds it, in points from the top-left
// corner of its page.
struct PdfWord {
    int page = 0;
    double left = 0;
    double top = 0;
    double height = 0;
    QString text;
};

inline bool canReadPdfs() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

inline std::vector<PdfWord> pdfWords(const QString& pdfPath) {
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-tsv"), pdfPath, QStringLiteral("-")});
    extract.waitForFinished(60000);
    std::vector<PdfWord> words;
    const QStringList rows = QString::fromUtf8(extract.readAllStandardOutput()).split(u'\n');
    // level, page, paragraph, block, line, word, left, top, width, height, confidence, text
    for (const QString& row : rows) {
        const QStringList cells = row.split(u'\t');
        if (cells.size() < 12 || cells[0] != u"5")
            continue;
        words.push_back({cells[1].toInt(), cells[6].toDouble(), cells[7].toDouble(),
                         cells[9].toDouble(), cells[11]});
    }
    return words;
}

inline int pdfPageCount(const QString& pdfPath) {
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-tsv"), pdfPath, QStringLiteral("-")});
    extract.waitForFinished(60000);
    int pages = 0;
    for (const QByteArray& row : extract.readAllStandardOutput().split('\n')) {
        if (row.startsWith("1\t"))
            ++pages;
    }
    return pages;
}

// The words of each printed line, in order: words whose tops are within a point of each
// other on the same page form one line.
inline QStringList pdfLines(const std::vector<PdfWord>& words) {
    QStringList lines;
    const PdfWord* lineStart = nullptr;
    for (const PdfWord& word : words) {
        const bool sameLine = lineStart != nullptr && lineStart->page == word.page &&
                              std::abs(lineStart->top - word.top) < 1.0;
        if (sameLine) {
            lines.back() += u' ' + word.text;
        } else {
            lines << word.text;
            lineStart = &word;
        }
    }
    return lines;
}
