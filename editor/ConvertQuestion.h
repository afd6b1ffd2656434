#pragma once

class QWidget;

namespace vexilor {

class EditorCommands;

// What the listing box is about to be used for.
enum class ListingUse { Save, Print };

// Before Save and Print: when the listing box no longer shows the sprite (painted after
// Convert, or never converted), asks whether to convert it again ("Перевести заново",
// the default), to go on with the box as it is, or to stop ("Отмена", Esc, closing the
// box). Converts again when asked to. False when the command is to stop.
bool bringListingUpToDate(QWidget* parent, EditorCommands& commands, ListingUse use);

}  // namespace vexilor
