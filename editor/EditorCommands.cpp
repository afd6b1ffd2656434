#include "EditorCommands.h"

#include <map>

#include "AutoMask.h"
#include "DocumentSteps.h"
#include "Failure.h"
#include "IntegerText.h"
#include "PixelFieldBits.h"
#include "SpriteListing.h"

namespace vexilor {

namespace {

const QRect kWholeField(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize);

QColor swatchColour(Colour colour) {
    const Rgb rgb = rgbForSwatch(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A size box's text as a number of pixels.
int sizeFromText(const QString& text) {
    const std::string typed = text.toStdString();
    const auto size = parseInteger(typed);
    if (!size)
        throw Failure("'" + typed + "' is not a valid integer value");
    SpriteStore::checkSize(*size, typed);
    return *size;
}

// The colour an entry text chooses: the one its first character names, or `kept`.
Colour colourFromText(const QString& text, Colour kept) {
    const std::string entry = text.toStdString();
    if (entry.empty())
        return kept;
    return colourForCode(entry.front()).value_or(kept);
}

ControlState disabled(QString text = {}) {
    return ControlState{.enabled = false, .visible = true, .text = std::move(text), .colour = {}};
}

}  // namespace

QStringList sizeEntries() {
    QStringList entries;
    for (auto size : spriteSizes())
        entries << QString::fromUtf8(size.data(), qsizetype(size.size()));
    return entries;
}

QStringList colourEntries() {
    QStringList entries;
    for (const auto& entry : paletteEntries())
        entries << QString::fromUtf8(entry.entryText.data(), qsizetype(entry.entryText.size()));
    return entries;
}

EditorCommands::EditorCommands(const QString& programFolder, QObject* parent) : QObject(parent) {
    history_.setUndoLimit(kHistorySteps);
    auto& c = controls_;
    c.ComboBox1.text = QStringLiteral("горизонт.");
    c.ComboBox2 = disabled(QStringLiteral("вертик."));
    c.ComboBox3 = disabled(QStringLiteral("Кисть"));
    c.ComboBox4 = disabled(QStringLiteral("Фон"));
    c.Panel17.visible = false;
    c.Panel18.visible = false;
    c.Label5.text = QStringLiteral("Кисть:");
    c.Label6.text = QStringLiteral("Фон: ");
    c.Label7.text = QStringLiteral("Размер:");
    c.Label8.text = QStringLiteral("Папка по умолчанию: ") + programFolder;
    c.StringGrid1 = disabled();
    c.StringGrid1.colour = swatchColour(background_);
    c.Button1 = disabled();
    c.Button2 = disabled();
    c.Button3 = disabled();
    c.Button4 = disabled();
    c.N5 = disabled();  // "Открыть" has no action and stays disabled for good
    c.N6 = disabled();
    c.N7 = disabled();
    c.N8 = disabled();
    c.N9 = disabled();
    c.editing = disabled();
    c.rotate = disabled();
    c.otherFrames = disabled();
    c.moveFrameBack = disabled();
    c.moveFrameForward = disabled();
    c.deleteMask = disabled();

    // A change of frames or of the shown frame changes which frame commands can be used.
    connect(&shown_, &ShownDocument::changed, this, [this](QRect cells) {
        const MainWindowControls before = controls_;
        enableEditing();
        if (before.otherFrames.enabled != controls_.otherFrames.enabled ||
            before.moveFrameBack.enabled != controls_.moveFrameBack.enabled ||
            before.moveFrameForward.enabled != controls_.moveFrameForward.enabled ||
            before.deleteMask.enabled != controls_.deleteMask.enabled ||
            before.editing.enabled != controls_.editing.enabled) {
            emit controlsChanged();
        }
        emit documentChanged(cells);
    });
}

void EditorCommands::chooseWidth(const QString& text) {
    applyWidth(text);
    emit controlsChanged();
}

void EditorCommands::chooseHeight(const QString& text) {
    applyHeight(text);
    emit controlsChanged();
}

void EditorCommands::chooseBrush(const QString& text) {
    applyBrush(text);
    emit controlsChanged();
}

void EditorCommands::chooseBackground(const QString& text) {
    applyBackground(text);
    emit controlsChanged();
}

// The box keeps a text that is no size: it is its text all the same.
void EditorCommands::applyWidth(const QString& text) {
    controls_.ComboBox1.text = text;
    shown_.setSize(sizeFromText(text), document().height());
    controls_.Label7.text =
        QStringLiteral("Размер: ") + text + "x" + QString::number(document().height());
    controls_.ComboBox2.enabled = true;
    enableEditing();
}

void EditorCommands::applyHeight(const QString& text) {
    controls_.ComboBox2.text = text;
    shown_.setSize(document().width(), sizeFromText(text));
    controls_.Label7.text =
        QStringLiteral("Размер: ") + QString::number(document().width()) + "x" + text;
    controls_.ComboBox3.enabled = true;
    enableEditing();
}

void EditorCommands::applyBrush(const QString& text) {
    controls_.ComboBox3.text = text;
    controls_.Label5.text = QStringLiteral("Кисть: ") + text;
    controls_.ComboBox4.enabled = true;
    brush_ = colourFromText(text, brush_);
    controls_.Panel17.colour = swatchColour(brush_);
    controls_.Panel17.visible = true;
}

void EditorCommands::applyBackground(const QString& text) {
    controls_.ComboBox4.text = text;
    controls_.Label6.text = QStringLiteral("Фон: ") + text;
    controls_.Button1.enabled = true;
    controls_.N8.enabled = true;
    background_ = colourFromText(text, background_);
    controls_.Panel18.colour = swatchColour(background_);
    controls_.Panel18.visible = true;
}

void EditorCommands::clear(From from) {
    change([](SpriteStore& store) { store.clearPixels(); }, kWholeField);
    unlockPainting(from);
    emit controlsChanged();
}

// What Clear unlocks besides clearing the pixels.
void EditorCommands::unlockPainting(From from) {
    controls_.N6.enabled = true;
    (from == From::Button ? controls_.N9 : controls_.N7).enabled = true;
    showListing({});
    listingSource_.reset();
    controls_.Button2.enabled = true;
    controls_.Button3.enabled = true;
    controls_.StringGrid1.enabled = true;
    controls_.StringGrid1.colour = swatchColour(background_);
    enableEditing();
}

void EditorCommands::convert(From from) {
    QStringList lines;
    for (const auto& line : makeListing(document(), from == From::Button))
        lines << QString::fromStdString(line);
    showListing(std::move(lines));
    listingSource_ = ListingSource{document(), from == From::Button};
    controls_.Button4.enabled = true;
    controls_.N9.enabled = true;
    emit controlsChanged();
}

namespace {

bool anyPixelSet(const SpriteDocument& document) {
    for (int frame = 0; frame < document.frameCount(); ++frame) {
        if (document.frame(frame).pixels.any())
            return true;
    }
    return false;
}

}  // namespace

bool EditorCommands::listingIsOutOfDate() const {
    if (!listingSource_)
        return anyPixelSet(document());
    return !(listingSource_->sprite == document());
}

void EditorCommands::convertAgain() {
    convert(!listingSource_ || listingSource_->withCredits ? From::Button : From::Menu);
}

bool EditorCommands::hasUnsavedWork() const {
    if (!savedSprite_)
        return document().frameCount() > 1 || anyPixelSet(document());
    return !(*savedSprite_ == document());
}

void EditorCommands::listingSaved() {
    // The file holds the sprite the listing was made from, which may be older than the
    // one on the grid; an emptied box holds none.
    if (listingSource_)
        savedSprite_ = listingSource_->sprite;
    else
        savedSprite_.reset();
}

void EditorCommands::paintPixel(QPoint cell, int value) {
    // A cell that already has the value is no change, and no step.
    const bool inside = cell.x() < document().width() && cell.y() < document().height();
    if (!inside)
        return;
    PixelField pressed;
    pressed.set(SpriteStore::pixelIndex(cell.x(), cell.y()));
    paintPixels(pressed, value, QRect(cell, QSize(1, 1)));
}

void EditorCommands::paintPixels(const PixelField& pixels, int value, QRect cells) {
    const PixelField inside =
        pixels & leftColumns(document().width()) & topRows(document().height());
    if (maskPainted_) {
        const PixelField opaque = paintedLayer();
        recordMask(value ? opaque | inside : opaque & ~inside);
        return;
    }
    const PixelField changed = inside & (value ? ~shownPixels() : shownPixels());
    if (changed.any())
        record(changed, cells);
}

PixelField EditorCommands::paintedLayer() const {
    if (!maskPainted_)
        return shownPixels();
    const std::optional<PixelField>& mask = shownContent().mask;
    return mask ? ~*mask : ~PixelField();
}

// The pixels beyond the sprite keep their mask bits; a frame without a mask has them
// transparent, as the masks made by rule have.
void EditorCommands::recordMask(const PixelField& opaque) {
    const PixelField sprite = leftColumns(document().width()) & topRows(document().height());
    const std::optional<PixelField>& before = shownContent().mask;
    const PixelField beyond = (before ? *before : ~PixelField()) & ~sprite;
    const PixelField after = beyond | (~opaque & sprite);
    if (before != after)
        history_.push(new MaskStep(shown_, shownFrame(), after));
}

void EditorCommands::showMask(bool shown) {
    maskShown_ = shown;
    maskPainted_ = maskPainted_ && shown;
    emit controlsChanged();
}

void EditorCommands::paintMask(bool painted) {
    maskPainted_ = painted;
    maskShown_ = maskShown_ || painted;
    emit controlsChanged();
}

void EditorCommands::makeMask(MaskRule rule) {
    const SpriteStore frame = store();
    history_.push(new MaskStep(
        shown_, shownFrame(), rule == MaskRule::Outside ? outsideMask(frame) : outlineMask(frame)));
    showMask(true);
}

void EditorCommands::deleteMask() {
    if (shownContent().mask)
        history_.push(new MaskStep(shown_, shownFrame(), std::nullopt));
}

void EditorCommands::edit(PixelEdit edit) {
    using Edit = std::function<void(SpriteStore&)>;
    static const std::map<PixelEdit, Edit> edits{
        {PixelEdit::MirrorLeftRight, mirrorLeftRight},
        {PixelEdit::MirrorTopBottom, mirrorTopBottom},
        {PixelEdit::RotateClockwise, rotateClockwise},
        {PixelEdit::ShiftLeft, [](SpriteStore& s) { shiftPixels(s, ShiftDirection::Left); }},
        {PixelEdit::ShiftRight, [](SpriteStore& s) { shiftPixels(s, ShiftDirection::Right); }},
        {PixelEdit::ShiftUp, [](SpriteStore& s) { shiftPixels(s, ShiftDirection::Up); }},
        {PixelEdit::ShiftDown, [](SpriteStore& s) { shiftPixels(s, ShiftDirection::Down); }},
        {PixelEdit::Invert, invertPixels},
    };
    change(edits.at(edit), kWholeField);
}

void EditorCommands::paste(const PixelPicture& picture) {
    change([&](SpriteStore& store) { pastePixels(store, picture); }, kWholeField);
}

void EditorCommands::change(const std::function<void(SpriteStore&)>& edit, QRect cells) {
    SpriteStore edited = store();
    edit(edited);
    record(shownPixels() ^ edited.field(), cells);
}

void EditorCommands::record(const PixelField& changed, QRect cells) {
    // Pushing does the step.
    history_.push(new PixelStep(shown_, shownFrame(), changed, cells));
}

void EditorCommands::addFrame() {
    if (document().frameCount() == SpriteDocument::kMaxFrames)
        throw Failure("В спрайте не может быть больше 256 кадров");
    history_.push(new AddFrameStep(shown_, shownFrame() + 1, document().frame(shownFrame())));
}

void EditorCommands::deleteFrame() {
    if (document().frameCount() > 1)
        history_.push(new DeleteFrameStep(shown_, shownFrame()));
}

void EditorCommands::showPreviousFrame() {
    const int count = document().frameCount();
    shown_.show((shownFrame() + count - 1) % count);
}

void EditorCommands::showNextFrame() {
    shown_.show((shownFrame() + 1) % document().frameCount());
}

void EditorCommands::moveFrameBack() {
    if (shownFrame() > 0)
        history_.push(new MoveFrameStep(shown_, shownFrame(), shownFrame() - 1));
}

void EditorCommands::moveFrameForward() {
    if (shownFrame() + 1 < document().frameCount())
        history_.push(new MoveFrameStep(shown_, shownFrame(), shownFrame() + 1));
}

// The editing commands come with the grid, at the first Clear; the turn only while the
// sprite is square; the frame commands with other frames to go to or swap with.
void EditorCommands::enableEditing() {
    auto& c = controls_;
    const bool editing = c.StringGrid1.enabled;
    const bool several = document().frameCount() > 1;
    c.editing.enabled = editing;
    c.rotate.enabled = editing && document().width() == document().height();
    c.otherFrames.enabled = editing && several;
    c.moveFrameBack.enabled = c.otherFrames.enabled && shownFrame() > 0;
    c.moveFrameForward.enabled =
        c.otherFrames.enabled && shownFrame() + 1 < document().frameCount();
}

void EditorCommands::openSprite(const SpriteDocument& sprite) {
    applyWidth(QString::number(sprite.width()));
    applyHeight(QString::number(sprite.height()));
    // A swatch shows once its colour has been chosen.
    if (!controls_.Panel17.visible)
        applyBrush(QStringLiteral("0 - Черный"));
    if (!controls_.Panel18.visible)
        applyBackground(QStringLiteral("7 - Белый"));
    // Clear and the sprite's frames make one step of the history.
    history_.push(new ReplaceFramesStep(shown_, sprite));
    unlockPainting(From::Button);
    savedSprite_ = document();
    emit controlsChanged();
}

void EditorCommands::showListing(QStringList lines) {
    listingLines_ = std::move(lines);
    emit listingChanged();
}

}  // namespace vexilor
