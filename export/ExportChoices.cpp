#include "ExportChoices.h"

#include <QFileInfo>

#include "SourceLabel.h"
#include "SpriteImage.h"

namespace vexilor {

ExportChoices& ExportChoices::processWide() {
    static ExportChoices choices;
    return choices;
}

ApplicableChoices applicableChoices(ExportForm form) {
    switch (form) {
        case ExportForm::Assembler:
        case ExportForm::C:
            return {.name = true, .layout = true, .base = true};
        case ExportForm::Basic:
            return {.address = true, .firstLine = true};
        case ExportForm::Tape:
            return {.name = true, .layout = true, .address = true};
        case ExportForm::Picture:
            break;
    }
    return {};
}

QString defaultName(ExportForm form, const QString& fileName) {
    if (form == ExportForm::Tape) {
        const QString base =
            fileName.isEmpty() ? QStringLiteral("sprite") : QFileInfo(fileName).completeBaseName();
        return QString::fromStdString(std::string(tapeNameCut(base.toStdString())));
    }
    return QString::fromStdString(labelFromFileName(
        fileName.isEmpty() ? std::string("sprite") : QFileInfo(fileName).fileName().toStdString()));
}

QByteArray exportBytes(const SpriteDocument& document, const ExportChoices& choices,
                       const QString& fileName) {
    if (choices.form == ExportForm::Picture)
        return spriteSheetPng(document);
    static constexpr SpectrumForm forms[] = {SpectrumForm::Assembler, SpectrumForm::C,
                                             SpectrumForm::Basic, SpectrumForm::Tape};
    FormRequest request;
    request.form = forms[static_cast<int>(choices.form)];
    request.name = choices.name.value_or(defaultName(choices.form, fileName)).toStdString();
    request.layout = choices.layout;
    request.base = choices.base;
    request.firstLine = choices.firstLine;
    request.address = choices.address;
    const auto bytes = formFile(document, request);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QString exportSuffix(ExportForm form) {
    static const char* const suffixes[] = {"asm", "h", "bas", "tap", "png"};
    return QString::fromLatin1(suffixes[static_cast<int>(form)]);
}

QString exportFilter(ExportForm form) {
    static const char* const filters[] = {
        "Исходный текст на ассемблере (*.asm)", "Исходный текст на C (*.h)",
        "Подпрограмма на Бейсике (*.bas)", "Лента (*.tap)", "Картинка PNG (*.png)"};
    return QString::fromUtf8(filters[static_cast<int>(form)]);
}

}  // namespace vexilor
