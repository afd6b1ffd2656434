#pragma once

#include <QString>

namespace vexilor {

// A label caption as rich text: "&" hides itself and underlines the character after it,
// "&&" shows one "&"; everything else is shown as it stands, on one line.
QString labelMarkup(const QString& caption);

}  // namespace vexilor
