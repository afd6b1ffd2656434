#include "DisplayLines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace vexilor {

namespace {

// The box lays out only the blocks it has needed so far; asking for a block's bounds
// makes its layout lay it out at the box's width.
const QTextLayout& laidOut(const QPlainTextEdit& box, const QTextBlock& block) {
    box.document()->documentLayout()->blockBoundingRect(block);
    return *block.layout();
}

bool isFinalEmptyBlock(const QTextBlock& block) {
    return block.text().isEmpty() && !block.next().isValid();
}

}  // namespace

int displayLineCount(const QPlainTextEdit& box) {
    int count = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (!isFinalEmptyBlock(block))
            count += std::max(laidOut(box, block).lineCount(), 1);
    }
    return count;
}

QString displayLine(const QPlainTextEdit& box, int index) {
    if (index < 0)
        return {};
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (isFinalEmptyBlock(block))
            break;
        const QTextLayout& layout = laidOut(box, block);
        const int lines = std::max(layout.lineCount(), 1);
        if (index < lines) {
            if (layout.lineCount() == 0)
                return {};
            const QTextLine line = layout.lineAt(index);
            return block.text().mid(line.textStart(), line.textLength());
        }
        index -= lines;
    }
    return {};
}

}  // namespace vexilor
