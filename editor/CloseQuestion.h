#pragma once

class QWidget;

namespace vexilor {

// Asks "Вы действительно ходите закрыть?" in a modal box with "&Yes" (the default, so
// Enter answers it) and "&No" (Esc). True only for "&Yes"; closing the box is a no.
bool askCloseQuestion(QWidget* parent);

}  // namespace vexilor
