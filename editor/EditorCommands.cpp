#include "EditorCommands.h"

#include <map>

#include "Palette.h"
#include "SpriteListing.h"

namespace vexilor {

// One step of the history: the pixels it turned over, which undoing turns back. Only
// what changed is kept, so a step takes 512 bytes whatever the edit.
class PixelChange : public QUndoCommand {
public:
    PixelChange(EditorCommands& commands, const PixelField& changed, QRect cells)
        : commands_(commands), changed_(changed), cells_(cells) {}
    void redo() override { commands_.togglePixels(changed_, cells_); }
    void undo() override { commands_.togglePixels(changed_, cells_); }

private:
    EditorCommands& commands_;
    PixelField changed_;
    QRect cells_;  // where the changed pixels lie, for the grid to repaint
};

namespace {

const QRect kWholeField(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize);

SpriteSnapshot snapshotOf(const SpriteStore& store) {
    return SpriteSnapshot{.width = store.width(), .height = store.height(), .field = store.field()};
}

QColor swatchColour(const ColourName& colour) {
    const Rgb rgb = rgbForSwatch(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
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
    c.StringGrid1.colour = swatchColour(store_.backgroundColour());
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
}

void EditorCommands::chooseWidth(const QString& text) {
    store_.setWidthFromText(text.toStdString());
    controls_.ComboBox1.text = text;
    controls_.Label7.text =
        QStringLiteral("Размер: ") + text + "x" + QString::number(store_.height());
    controls_.ComboBox2.enabled = true;
    enableEditing();
    emit controlsChanged();
}

void EditorCommands::chooseHeight(const QString& text) {
    store_.setHeightFromText(text.toStdString());
    controls_.ComboBox2.text = text;
    controls_.Label7.text =
        QStringLiteral("Размер: ") + QString::number(store_.width()) + "x" + text;
    controls_.ComboBox3.enabled = true;
    enableEditing();
    emit controlsChanged();
}

void EditorCommands::chooseBrush(const QString& text) {
    controls_.ComboBox3.text = text;
    controls_.Label5.text = QStringLiteral("Кисть: ") + text;
    controls_.ComboBox4.enabled = true;
    store_.selectBrush(text.toStdString());
    controls_.Panel17.colour = swatchColour(store_.brushColour());
    controls_.Panel17.visible = true;
    emit controlsChanged();
}

void EditorCommands::chooseBackground(const QString& text) {
    controls_.ComboBox4.text = text;
    controls_.Label6.text = QStringLiteral("Фон: ") + text;
    controls_.Button1.enabled = true;
    controls_.N8.enabled = true;
    store_.selectBackground(text.toStdString());
    controls_.Panel18.colour = swatchColour(store_.backgroundColour());
    controls_.Panel18.visible = true;
    emit controlsChanged();
}

void EditorCommands::clear(From from) {
    change([](SpriteStore& store) { store.clearPixels(); }, kWholeField);
    unlockPainting(from);
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
    controls_.StringGrid1.colour = swatchColour(store_.backgroundColour());
    enableEditing();
    emit controlsChanged();
}

void EditorCommands::convert(From from) {
    QStringList lines;
    for (const auto& line : makeListing(store_, from == From::Button))
        lines << QString::fromStdString(line);
    showListing(std::move(lines));
    listingSource_ = ListingSource{snapshotOf(store_), from == From::Button};
    controls_.Button4.enabled = true;
    controls_.N9.enabled = true;
    emit controlsChanged();
}

bool EditorCommands::listingIsOutOfDate() const {
    if (!listingSource_)
        return store_.field().any();
    return !(listingSource_->sprite == snapshotOf(store_));
}

void EditorCommands::convertAgain() {
    convert(!listingSource_ || listingSource_->withCredits ? From::Button : From::Menu);
}

bool EditorCommands::hasUnsavedWork() const {
    if (!savedSprite_)
        return store_.field().any();
    return !(*savedSprite_ == snapshotOf(store_));
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
    const bool inside = cell.x() < store_.width() && cell.y() < store_.height();
    if (!inside || store_.pixel(cell.x(), cell.y()) == value)
        return;
    PixelField changed;
    changed.set(SpriteStore::pixelIndex(cell.x(), cell.y()));
    record(changed, QRect(cell, QSize(1, 1)));
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
    SpriteStore edited = store_;
    edit(edited);
    record(store_.field() ^ edited.field(), cells);
}

void EditorCommands::record(const PixelField& changed, QRect cells) {
    // Pushing does the step.
    history_.push(new PixelChange(*this, changed, cells));
}

void EditorCommands::togglePixels(const PixelField& changed, QRect cells) {
    store_.setField(store_.field() ^ changed);
    emit pixelsChanged(cells);
}

// The editing commands come with the grid, at the first Clear; the turn only while the
// sprite is square.
void EditorCommands::enableEditing() {
    controls_.editing.enabled = controls_.StringGrid1.enabled;
    controls_.rotate.enabled = controls_.StringGrid1.enabled && store_.width() == store_.height();
}

void EditorCommands::openSprite(const SpriteStore& sprite) {
    chooseWidth(QString::number(sprite.width()));
    chooseHeight(QString::number(sprite.height()));
    // A swatch shows once its colour has been chosen.
    if (!controls_.Panel17.visible)
        chooseBrush(QStringLiteral("0 - Черный"));
    if (!controls_.Panel18.visible)
        chooseBackground(QStringLiteral("7 - Белый"));
    // Clear and the sprite's pixels make one step of the history.
    change([&](SpriteStore& store) { store.setField(sprite.field()); }, kWholeField);
    unlockPainting(From::Button);
    savedSprite_ = snapshotOf(store_);
}

void EditorCommands::showListing(QStringList lines) {
    listingLines_ = std::move(lines);
    emit listingChanged();
}

}  // namespace vexilor
