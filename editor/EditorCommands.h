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

#include "Palette.h"
#include "ShownDocument.h"
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
    // which a square sprite alone takes. Undo and redo follow the history instead. Adding
    // a frame and the animation preview come with the editing commands.
    ControlState editing, rotate;
    // Deleting a frame and going to another one, with two frames or more; moving the
    // shown frame back or forward, where it has a neighbour on that side.
    ControlState otherFrames, moveFrameBack, moveFrameForward;
    // Deleting the shown frame's mask, while it has one.
    ControlState deleteMask;
};

// The editor's commands, written against named controls so that they run without a
// screen. Every change the user makes goes through here, and this is the one place that
// holds the window's state: the window shows it, told by the signals below. The user is
// led through a fixed order (width, height, brush, background, Clear, Convert); each step
// enables the next control and nothing is ever disabled again, but for the frame commands,
// which follow the number of frames.
class EditorCommands : public QObject {
    Q_OBJECT
public:
    // `programFolder` is the folder of the executable, ending in its separator.
    explicit EditorCommands(const QString& programFolder, QObject* parent = nullptr);

    const MainWindowControls& controls() const { return controls_; }
    const SpriteDocument& document() const { return shown_.document(); }
    // The frame the grid shows, counted from 0, and its pixels.
    int shownFrame() const { return shown_.shownFrame(); }
    const PixelField& shownPixels() const { return shown_.shownPixels(); }
    // The shown frame's pixels and mask.
    const SpriteFrame& shownContent() const { return shown_.shownContent(); }
    // A copy of the shown frame as a store of the sprite's size.
    SpriteStore store() const { return document().frameStore(shownFrame()); }
    // The colours the sprite is shown in: set pixels in the brush, the rest in the
    // background.
    Colour brush() const { return brush_; }
    Colour background() const { return background_; }
    // The lines of the listing box, as the user reads them (before wrapping).
    const QStringList& listingLines() const { return listingLines_; }

    // Each runs when the user changes the text of the matching box. A width or height
    // that is not a whole number, or above 64, throws Failure and changes nothing but the
    // box's text. A colour is chosen by the first character of its entry text; any other
    // first character, or an empty text, keeps the colour.
    void chooseWidth(const QString& text);
    void chooseHeight(const QString& text);
    void chooseBrush(const QString& text);
    void chooseBackground(const QString& text);

    // The button and the menu item unlock different menu items.
    enum class From { Button, Menu };
    // Clears the shown frame.
    void clear(From from);
    // The listing of every frame; the button adds the credit lines, the menu item does not.
    void convert(From from);
    // Whether the listing box no longer shows the sprite: it differs from what the last
    // Convert converted (a change undone counts as none), or, with no Convert since the
    // box was last emptied, some pixel is set. Save and Print ask first when it is.
    bool listingIsOutOfDate() const;
    // Convert as the last one did, with the credit lines or without; with them when the
    // box was emptied since.
    void convertAgain();

    // Whether the sprite differs from the file last saved or opened; never saved, any set
    // pixel or a second frame counts. The colours are no part of it. New asks before it throws such
    // work away.
    bool hasUnsavedWork() const;
    // Save tells it has written the listing box to a file.
    void listingSaved();

    // A press on the grid's cell: sets (1) or clears (0) its pixel in the shown frame,
    // inside the sprite only. While the mask is painted, 1 makes the pixel opaque and 0
    // transparent instead, and the picture stays as it is.
    void paintPixel(QPoint cell, int value);
    // What the drawing tools paint on, in the values paintPixel takes: the pixels, or
    // while the mask is painted where it is opaque (all of it for a frame without one).
    PixelField paintedLayer() const;
    // A drawing tool's stroke, shape or fill: sets (1) or clears (0) the pixels, inside the
    // sprite only, as one step of the history, none when no pixel changes. `cells` holds
    // them all, for the grid to repaint.
    void paintPixels(const PixelField& pixels, int value, QRect cells);

    // Opens a sprite read from a file as the user would by hand: the size boxes take its
    // width and height, the colour boxes keep the user's choice or, where none was made
    // yet, take black on white; Clear runs and the sprite's frames take the place of the
    // document's, in one step of the history, with the first frame shown.
    void openSprite(const SpriteDocument& sprite);

    // The edits of the shown frame's pixels that the editing menu offers.
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
    // Lays a picture on the shown frame from its top-left pixel on; what lies beyond the
    // sprite's size is cut off.
    void paste(const PixelPicture& picture);

    // The mask of the shown frame. Showing it marks the transparent pixels on the grid;
    // painting it turns the tools on the mask and shows it. Making a mask by either rule
    // replaces the frame's mask and shows it; making, painting and deleting are steps of
    // the history, showing is none.
    bool maskShown() const { return maskShown_; }
    bool maskPainted() const { return maskPainted_; }
    void showMask(bool shown);
    void paintMask(bool painted);
    enum class MaskRule { Outside, Outline };
    void makeMask(MaskRule rule);
    void deleteMask();

    // The frames. Adding puts a copy of the shown frame after it and shows the copy;
    // deleting shows the frame that takes the deleted one's place (the new last one, when
    // the last went); moving swaps the shown frame with its neighbour and keeps it shown.
    // Going to another frame wraps round at either end and is no step of the history.
    void addFrame();
    void deleteFrame();
    void showPreviousFrame();
    void showNextFrame();
    void moveFrameBack();
    void moveFrameForward();

    // Every change of the document (pixels, frames) is one step of the history, which its
    // undo and redo actions walk. It holds the last 1000 steps; a change of size is no
    // step and leaves it as it is. Undoing a step shows the frame shown when it was made.
    QUndoStack& history() { return history_; }
    static constexpr int kHistorySteps = 1000;

signals:
    // The enabled, visible, text or colour state of some control changed.
    void controlsChanged();
    // The listing box's lines changed.
    void listingChanged();
    // The shown picture may differ inside `cells` (in the grid's cells), or another frame
    // is shown, or the number of frames changed.
    void documentChanged(QRect cells);

private:
    // The commands' steps without telling the window, so that a command made of several
    // tells it once.
    void applyWidth(const QString& text);
    void applyHeight(const QString& text);
    void applyBrush(const QString& text);
    void applyBackground(const QString& text);
    void unlockPainting(From from);
    void showListing(QStringList lines);
    // The commands that depend on the size and the frames.
    void enableEditing();
    // Makes the edit of a copy of the shown frame one step of the history.
    void change(const std::function<void(SpriteStore&)>& edit, QRect cells);
    void record(const PixelField& changed, QRect cells);

    // Lays a change of the painted layer (see paintedLayer) on the mask as one step.
    void recordMask(const PixelField& opaque);

    ShownDocument shown_;
    bool maskShown_ = false;
    bool maskPainted_ = false;
    Colour brush_ = Colour::Black;
    Colour background_ = Colour::White;
    MainWindowControls controls_;
    // What the listing box was made from, and whether with the credit lines; none while
    // the box holds no Convert.
    struct ListingSource {
        SpriteDocument sprite;
        bool withCredits = true;
    };
    std::optional<ListingSource> listingSource_;
    // What the file last saved or opened holds; none when no file holds a sprite.
    std::optional<SpriteDocument> savedSprite_;
    QStringList listingLines_;
    QUndoStack history_;
};

// The sizes and the palette entries as the boxes list them.
QStringList sizeEntries();
QStringList colourEntries();

}  // namespace vexilor
