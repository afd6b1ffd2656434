#include "EditorCommands.h"

#include "Palette.h"
#include "SpriteListing.h"

namespace vexilor {

namespace {

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
}

void EditorCommands::chooseWidth(const QString& text) {
    store_.setWidthFromText(text.toStdString());
    controls_.ComboBox1.text = text;
    controls_.Label7.text =
        QStringLiteral("Размер: ") + text + "x" + QString::number(store_.height());
    controls_.ComboBox2.enabled = true;
    emit controlsChanged();
}

void EditorCommands::chooseHeight(const QString& text) {
    store_.setHeightFromText(text.toStdString());
    controls_.ComboBox2.text = text;
    controls_.Label7.text =
        QStringLiteral("Размер: ") + QString::number(store_.width()) + "x" + text;
    controls_.ComboBox3.enabled = true;
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
    store_.clearPixels();
    controls_.N6.enabled = true;
    (from == From::Button ? controls_.N9 : controls_.N7).enabled = true;
    showListing({});
    controls_.Button2.enabled = true;
    controls_.Button3.enabled = true;
    controls_.StringGrid1.enabled = true;
    controls_.StringGrid1.colour = swatchColour(store_.backgroundColour());
    emit controlsChanged();
    emit pixelsChanged(QRect(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize));
}

void EditorCommands::convert(From from) {
    QStringList lines;
    for (const auto& line : makeListing(store_, from == From::Button))
        lines << QString::fromStdString(line);
    showListing(std::move(lines));
    controls_.Button4.enabled = true;
    controls_.N9.enabled = true;
    emit controlsChanged();
}

void EditorCommands::paintPixel(QPoint cell, int value) {
    const auto before = store_.pixelRevision();
    store_.setPixel(cell.x(), cell.y(), value);
    if (store_.pixelRevision() != before)
        emit pixelsChanged(QRect(cell, QSize(1, 1)));
}

void EditorCommands::openSprite(const SpriteStore& sprite) {
    chooseWidth(QString::number(sprite.width()));
    chooseHeight(QString::number(sprite.height()));
    // A swatch shows once its colour has been chosen.
    if (!controls_.Panel17.visible)
        chooseBrush(QStringLiteral("0 - Черный"));
    if (!controls_.Panel18.visible)
        chooseBackground(QStringLiteral("7 - Белый"));
    clear(From::Button);
    store_.setField(sprite.field());
    emit pixelsChanged(QRect(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize));
}

void EditorCommands::showListing(QStringList lines) {
    listingLines_ = std::move(lines);
    emit listingChanged();
}

}  // namespace vexilor
