#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "FormFile.h"
#include "SpriteDocument.h"

namespace vexilor {

// The files that the export writes: the converter's Spectrum forms and the frame sheet.
enum class ExportForm { Assembler, C, Basic, Tape, Picture };

// What the user chose in the export dialog. One process-wide set of choices lasts until
// the program ends, so that the dialog opens again as it was left; nothing of it is kept
// between runs. At first: assembler with the converter's defaults.
struct ExportChoices {
    ExportForm form = ExportForm::Assembler;
    // The sources' label or the tape's name as typed; none until the user types one, and
    // then the one the converter makes from the file's name.
    std::optional<QString> name;
    ByteLayout layout;
    NumberBase base = NumberBase::Hexadecimal;
    int firstLine = kDefaultFirstLine;
    std::optional<int> address;  // the user-defined graphics when none

    static ExportChoices& processWide();
};

// Which choices a form reads; the others have nothing to change in it, and the converter
// refuses them with it.
struct ApplicableChoices {
    bool name = false;
    bool layout = false;  // order, mask and shifts
    bool base = false;
    bool address = false;
    bool firstLine = false;
};
ApplicableChoices applicableChoices(ExportForm form);

// The name the converter gives a form when none is typed: for the sources the label made
// from `fileName` (the file last opened, without its folder), for the tape its name up to
// the extension cut to ten characters; "sprite" without a file.
QString defaultName(ExportForm form, const QString& fileName);

// The bytes of the file chosen, exactly what the converter writes for the same options.
// Throws Failure as the forms do (see formFile).
QByteArray exportBytes(const SpriteDocument& document, const ExportChoices& choices,
                       const QString& fileName);

// The file name's ending for the form, without the dot, and the save dialog's filter.
QString exportSuffix(ExportForm form);
QString exportFilter(ExportForm form);

}  // namespace vexilor
