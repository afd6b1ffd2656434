#pragma once

#include <QString>

class QWidget;

namespace vexilor {

// The help page in a window of the program's own, for where no browser can be started:
// a browser of the page and its links, titled "Помощь", which goes with `owner`. While
// one is open, it comes to the front instead of a second one.
void showHelpWindow(QWidget& owner, const QString& page);

}  // namespace vexilor
