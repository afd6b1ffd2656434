#pragma once

class QWidget;

namespace vexilor {

// Gives the main window's controls the names and labels a screen reader reads out where
// their own text does not give them: the listing box is "Листинг", the colour swatches
// are named after the colour they show, the status labels "Кисть", "Фон" and "Размер"
// label the brush, background and width boxes as a label's buddy does, and the boxes in
// the colour group are labelled by the captions beside them. The controls are found by
// their names.
void nameControlsForScreenReaders(QWidget& window);

}  // namespace vexilor
