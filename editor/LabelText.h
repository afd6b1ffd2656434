#pragma once

#include <QString>

class QLabel;

namespace vexilor {

// A label caption as rich text: "&" hides itself and underlines the character after it,
// "&&" shows one "&"; everything else is shown as it stands, on one line.
QString labelMarkup(const QString& caption);

// Shows a caption by that rule; plain text, which lays out faster, when it has no "&".
// True when the label's text changed.
bool setLabelCaption(QLabel& label, const QString& caption);

}  // namespace vexilor
