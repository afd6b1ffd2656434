#pragma once

#include <QString>

class QPlainTextEdit;

namespace vexilor {

// The lines of a text box as its word wrap shows them. The empty line after a final line
// break is not one of them, so an empty box has none.
int displayLineCount(const QPlainTextEdit& box);
// The text of display line `index`; empty when the box has no such line (any more).
QString displayLine(const QPlainTextEdit& box, int index);

}  // namespace vexilor
