#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "SpriteStore.h"
#include "SpriteTransforms.h"

namespace vexilor {

// What the user sees of one control: whether it can be used, whether it is there at
// all, its text and its colour (only swatches and the grid use the colour).
struct ControlState {
    bool enabled = true;
    bool visible = true;
    QString text;
    QColor colour;
};

// Every control of the main window that the commands read or change, under the names
// the window gives its widgets.
struct MainWindowControls {
    ControlState ComboBox1, ComboBox2, ComboBox3, ComboBox4;
    ControlState Panel17, Panel18;
    ControlState Label5, Label6, Label7, Label8;
    ControlState StringGrid1, Memo1;
    ControlState Button1, Button2, Button3, Button4, Button5;
    ControlState N4, N5, N6, N7, N8, N9, N10, N11, N12;
    // The editing commands after N9 (copy, paste, mirror, shift, invert), and the turn,
    // which a square sprite alone takes. Undo and redo follow the history instead.
    ControlState editing, rotate;
};

// What a listing or a sprite file holds of the sprite: its size and its pixels, not the
// colours, which only help the user see it.
struct SpriteSnapshot {
    int width = 0;
    int height = 0;
    PixelField field;
    bool operator==(const SpriteSnapshot&) const = default;
};

// The editor's commands, written against named controls so that they run without a
// screen. Every change the user makes goes through here, and this is the one place that
// holds the window's state: the window shows it, told by the signals below. The user is
// led through a fixed order (width, height, brush, background, Clear, Convert); each step
// enables the next control and nothing is ever disabled again.
class EditorCommands : public QObject {
    Q_OBJECT
public:
    // `programFolder` is the folder of the executable, ending in its separator.
    explicit EditorCommands(const QString& programFolder, QObject* parent = nullptr);

    const MainWindowControls& controls() const { return controls_; }
    const SpriteStore& store() const { return store_; }
    // The lines of the listing box, as the user reads them (before wrapping).
    const QStringList& listingLines() const { return listingLines_; }

    // Each runs when the user changes the text of the matching box. A width or height
    // that is not a whole number throws Failure and changes nothing.
    void chooseWidth(const QString& text);
    void chooseHeight(const QString& text);
    void chooseBrush(const QString& text);
    void chooseBackground(const QString& text);

    // The button and the menu item unlock different menu items.
    enum class From { Button, Menu };
    void clear(From from);
    // The button adds the credit lines, the menu item does not.
    void convert(From from);
    // Whether the listing box no longer shows the sprite: it differs from what the last
    // Convert converted (a change undone counts as none), or, with no Convert since the
    // box was last emptied, some pixel is set. Save and Print ask first when it is.
    bool listingIsOutOfDate() const;
    // Convert as the last one did, with the credit lines or without; with them when the
    // box was emptied since.
    void convertAgain();

    // Whether the sprite differs from the file last saved or opened; never saved, any set
    // pixel counts. New asks before it throws such work away.
    bool hasUnsavedWork() const;
    // Save tells it has written the listing box to a file.
    void listingSaved();

    // A press on the grid's cell: sets (1) or clears (0) its pixel, inside the sprite only.
    void paintPixel(QPoint cell, int value);

    // Opens a sprite read from a file as the user would by hand: the size boxes take its
    // width and height, the colour boxes keep the user's choice or, where none was made
    // yet, take black on white; Clear runs and the sprite's pixels are set, in one step of
    // the history. The boxes' texts are then those of controls(), which keep the text each
    // box's command ran with last.
    void openSprite(const SpriteStore& sprite);

    // The edits of the sprite's pixels that the editing menu offers.
    enum class PixelEdit {
        MirrorLeftRight,
        MirrorTopBottom,
        RotateClockwise,
        ShiftLeft,
        ShiftRight,
        ShiftUp,
        ShiftDown,
        Invert
    };
    void edit(PixelEdit edit);
    // Lays a picture on the sprite from its top-left pixel on; what lies beyond the
    // sprite's size is cut off.
    void paste(const PixelPicture& picture);

    // Every change of the pixels (a click that changed one, Clear, an edit, a paste) is
    // one step of the history, which its undo and redo actions walk. It holds the last
    // 1000 steps; a change of size is no step and leaves it as it is.
    QUndoStack& history() { return history_; }
    static constexpr int kHistorySteps = 1000;

signals:
    // The enabled, visible, text or colour state of some control changed.
    void controlsChanged();
    // The listing box's lines changed.
    void listingChanged();
    // Pixels changed, all of them inside `cells` (in the grid's cells).
    void pixelsChanged(QRect cells);

private:
    friend class PixelChange;

    void showListing(QStringList lines);
    void unlockPainting(From from);
    void enableEditing();
    // Makes the edit of a copy of the store one step of the history, and so the store's.
    void change(const std::function<void(SpriteStore&)>& edit, QRect cells);
    void record(const PixelField& changed, QRect cells);
    // Turns over the pixels of `changed`: a step done or undone.
    void togglePixels(const PixelField& changed, QRect cells);

    SpriteStore store_;
    MainWindowControls controls_;
    // What the listing box was made from, and whether with the credit lines; none while
    // the box holds no Convert.
    struct ListingSource {
        SpriteSnapshot sprite;
        bool withCredits = true;
    };
    std::optional<ListingSource> listingSource_;
    // What the file last saved or opened holds; none when no file holds a sprite.
    std::optional<SpriteSnapshot> savedSprite_;
    QStringList listingLines_;
    QUndoStack history_;
};

// The sizes and the palette entries as the boxes list them.
QStringList sizeEntries();
QStringList colourEntries();

}  // namespace vexilor
