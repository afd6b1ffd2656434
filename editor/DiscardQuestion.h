#pragma once

class QWidget;

namespace vexilor {

// Before New throws away a sprite that no file holds: asks whether to discard it. True
// only for "Да"; "Нет" is the default and the answer of Esc and of closing the box.
bool askToDiscardWork(QWidget* parent);

}  // namespace vexilor
