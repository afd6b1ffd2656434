// vexilor-listing: turns a sprite file, a small picture or a saved listing, into the
// listing or the game sources' forms of the sprite, for build scripts.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <vector>

#include "AutoMask.h"
#include "ConverterOptions.h"
#include "Failure.h"
#include "FormFile.h"
#include "IntegerText.h"
#include "ListingFile.h"
#include "OutputTarget.h"
#include "SourceLabel.h"
#include "SpectrumForms.h"
#include "SpriteFile.h"
#include "SpriteImage.h"
#include "SpriteListing.h"

namespace {

enum ExitCode { kSuccess = 0, kBadInput = 1, kBadUsage = 2 };

const char kUsage[] =
    "Usage: vexilor-listing [--credits] [--invert] [-o FILE] INPUT\n"
    "       vexilor-listing --basic [--line N] [--address A] [-o FILE] INPUT\n"
    "       vexilor-listing --asm|--c [--label NAME] [LAYOUT] [--base B] [-o FILE] INPUT\n"
    "       vexilor-listing --tap TAPE [--name NAME] [--address A] [LAYOUT] [OPTIONS] INPUT\n"
    "       vexilor-listing --frames WxH [--frame-count N] [--png SHEET] [OPTIONS] INPUT\n"
    "       vexilor-listing --auto-mask outside|outline [OPTIONS] INPUT\n"
    "\n"
    "Writes the ZX Spectrum sprite listing of INPUT: one DATA line per 8 x 8 cell, then the\n"
    "sprite as rows of 0 and 1. The text is Windows-1251 with CR LF line ends, byte for\n"
    "byte what the editor saves for the same sprite.\n"
    "INPUT is a picture of at most 64 x 64 pixels, where a pixel is set if it is dark\n"
    "(grey level below half), or a listing as the editor saves it; which one is told from\n"
    "the content. - reads standard input. A sprite may have up to 256 frames of one size:\n"
    "a listing holds them one after another, a picture is cut into them with --frames,\n"
    "and a sheet that --png wrote records its frame size. Every form holds every frame.\n"
    "A frame may have a mask, where 1 lets the background show through: a listing holds\n"
    "it after the frame's rows under \"Маска:\", a picture's alpha gives it (alpha below\n"
    "half: transparent; a frame whose pixels are all opaque has none).\n"
    "\n"
    "  --credits    add the credit lines, as the editor's Convert button does\n"
    "  --invert     set a picture's light pixels instead of its dark ones\n"
    "  -o FILE      write to FILE instead of standard output (- is standard output);\n"
    "               a device or a pipe is written straight, other files replaced whole\n"
    "  --basic      write a Sinclair BASIC subroutine that POKEs the sprite's bytes into\n"
    "               memory instead of the listing\n"
    "  --line N     number the subroutine's lines from N in steps of 10 (default 9000)\n"
    "  --asm        write the bytes as Z80 assembler source (DEFB lines) instead\n"
    "  --c          write the bytes as a C array (const unsigned char) instead\n"
    "  --label NAME call the bytes NAME (default: the input's name up to its first '.')\n"
    "  --order O    give the bytes of --asm, --c and --tap in order O: cells (A1, B1,\n"
    "               ... then A2, ...), rows (each pixel row across the whole width) or\n"
    "               columns (each 8-pixel-wide column of cells top to bottom)\n"
    "  --rows       the same as --order rows\n"
    "  --mask M     pair each byte with its mask byte, the mask's before or after it\n"
    "               (M: before, after), or follow each frame with its mask's bytes\n"
    "               labelled NAME_mask (M: block); a frame without a mask gets an\n"
    "               all-opaque one\n"
    "  --shifts S   write each frame as S copies (2, 4 or 8) shifted right by 8/S\n"
    "               pixels more each, one byte wider, labelled NAME_<frame>_<pixels>\n"
    "  --base B     write the values of --asm and --c in hex, dec or bin\n"
    "  --tap TAPE   also write TAPE, a .tap file with the bytes as one CODE file;\n"
    "               with -o, neither is written unless both can be\n"
    "  --name NAME  name the CODE file NAME (default: the input's name, cut to 10)\n"
    "  --address A  put the bytes from address A on (default: USR \"A\", the\n"
    "               user-defined graphics, which hold 21 cells; 65368 on the tape)\n"
    "  --frames WxH cut the picture into frames of W x H pixels (each 1 to 64), left to\n"
    "               right and then top to bottom\n"
    "  --frame-count N  keep the first N frames\n"
    "  --png SHEET  also write SHEET, a PNG picture of the frames side by side, set\n"
    "               pixels black and clear ones white, with the masks as alpha\n"
    "  --auto-mask outside|outline\n"
    "               give every frame a mask made from its pixels, in place of one from\n"
    "               the alpha: outside makes every clear pixel that joins the edge\n"
    "               through clear pixels (up, down, left, right) transparent; outline\n"
    "               keeps opaque the set pixels and their eight neighbours only\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "The listing, --basic, --tap, --asm and --c hold the full cells' bytes cell by cell\n"
    "(A1, B1, ... then A2, ...); with --rows, --asm, --c and --tap hold every pixel row.\n"
    "LAYOUT is --order, --rows, --mask and --shifts. Mask bit 1 is transparent; the game\n"
    "draws with screen = (screen AND mask) OR graphic.\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or unsuitable input or output, 2 bad usage.\n";

// The input argument that stands for standard input, and the output for standard output.
const char kStandardInput[] = "-";
const char kStandardOutput[] = "-";

struct Options {
    bool credits = false;
    bool invert = false;
    QString output;
    QString input;
    std::optional<vexilor::FrameSize> frames;
    std::optional<int> frameCount;
    QString sheet;
    std::optional<vexilor::AutoMaskRule> autoMask;
    vexilor::SpectrumOptions spectrum;

    // The input's file name up to its extension, or "sprite" for standard input.
    QString inputName() const {
        return input == kStandardInput ? "sprite" : QFileInfo(input).completeBaseName();
    }
    QString inputForMessages() const { return input == kStandardInput ? "standard input" : input; }
};

// What the command line asks for, or why it cannot be done (exit status 2).
struct Request {
    enum { Convert, Help, Version } action = Convert;
    Options options;
    QString problem;
};

// Why the sources' label, given or made from the input's name, cannot be used; or an
// empty text when it can, or when no source is asked for. A label made from the name
// is set in the options.
QString labelProblem(Options& options) {
    vexilor::SpectrumOptions& spectrum = options.spectrum;
    if (!spectrum.assembler && !spectrum.c)
        return {};
    const bool given = spectrum.label.has_value();
    if (!given) {
        const QString fileName = options.input == kStandardInput
                                     ? QStringLiteral("sprite")
                                     : QFileInfo(options.input).fileName();
        spectrum.label = vexilor::labelFromFileName(fileName.toStdString());
    }
    try {
        vexilor::checkLabel(*spectrum.label, spectrum.assembler ? vexilor::SourceLanguage::Assembler
                                                                : vexilor::SourceLanguage::C);
        return {};
    } catch (const vexilor::Failure& failure) {
        return QString::fromStdString(failure.what()) +
               (given ? "" : " (made from the file name; give one with --label)");
    }
}

Request parseCommandLine(const QStringList& arguments) {
    const QCommandLineOption help("help"), version("version"), credits("credits"), invert("invert"),
        basic("basic"), assembler("asm"), c("c"), rows("rows"), output("o", "", "FILE"),
        line("line", "", "N"), address("address", "", "A"), tape("tap", "", "TAPE"),
        name("name", "", "NAME"), label("label", "", "NAME"), frames("frames", "", "WxH"),
        frameCount("frame-count", "", "N"), sheet("png", "", "SHEET"), order("order", "", "O"),
        mask("mask", "", "M"), shifts("shifts", "", "S"), base("base", "", "B"),
        autoMask("auto-mask", "", "RULE");

    QCommandLineParser parser;
    // "-o" is an option of its own, never the letter options "-" "o".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help,   version,    credits, invert,  basic, assembler, c,
                       rows,   output,     line,    address, tape,  name,      label,
                       frames, frameCount, sheet,   order,   mask,  shifts,    base, autoMask});
    parser.addPositionalArgument("INPUT",
                                 "the picture or listing to convert, - for standard input");

    Request request;
    if (!parser.parse(arguments)) {
        // An option's value is the argument after it, so only the last can lack one.
        const QString last = arguments.last();
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            request.problem =
                QStringLiteral("unknown option '%1'")
                    .arg((unknown.first().size() == 1 ? "-" : "--") + unknown.first());
        else if (last == "-o")
            request.problem = "option -o needs a file name";
        else if (last.startsWith("--"))
            request.problem = QStringLiteral("option %1 needs a value").arg(last);
        else
            request.problem = parser.errorText();
        return request;
    }
    if (parser.isSet(help)) {
        request.action = Request::Help;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = Request::Version;
        return request;
    }

    Options& options = request.options;
    options.credits = parser.isSet(credits);
    options.invert = parser.isSet(invert);
    options.output = parser.value(output);
    options.spectrum.basic = parser.isSet(basic);
    options.spectrum.assembler = parser.isSet(assembler);
    options.spectrum.c = parser.isSet(c);
    if (parser.isSet(rows)) {
        options.spectrum.layout.order = vexilor::ByteOrder::RowByRow;
        options.spectrum.orderOption = "--rows";
    }
    if (parser.isSet(label))
        options.spectrum.label = parser.value(label).toStdString();
    try {
        if (parser.isSet(order)) {
            const auto chosen = vexilor::orderFromText(parser.value(order).toStdString());
            if (parser.isSet(rows) && chosen != vexilor::ByteOrder::RowByRow) {
                request.problem = "--rows is --order rows; give one order";
                return request;
            }
            options.spectrum.layout.order = chosen;
            options.spectrum.orderOption = "--order";
        }
        if (parser.isSet(mask))
            options.spectrum.layout.mask = vexilor::maskFromText(parser.value(mask).toStdString());
        if (parser.isSet(shifts))
            options.spectrum.layout.shifts =
                vexilor::shiftsFromText(parser.value(shifts).toStdString());
        if (parser.isSet(base))
            options.spectrum.base = vexilor::baseFromText(parser.value(base).toStdString());
        if (parser.isSet(line))
            options.spectrum.firstLine =
                vexilor::firstLineFromText(parser.value(line).toStdString());
        if (parser.isSet(address))
            options.spectrum.address =
                vexilor::addressFromText(parser.value(address).toStdString());
        if (parser.isSet(autoMask))
            options.autoMask = vexilor::autoMaskFromText(parser.value(autoMask).toStdString());
    } catch (const vexilor::Failure& failure) {
        request.problem = QString::fromStdString(failure.what());
        return request;
    }
    if (parser.isSet(tape)) {
        options.spectrum.tape = parser.value(tape).toStdString();
        if (options.spectrum.tape.empty()) {
            request.problem = "--tap needs a file name";
            return request;
        }
    }
    if (parser.isSet(name))
        options.spectrum.tapeName = parser.value(name).toStdString();
    if (parser.isSet(frames)) {
        options.frames = vexilor::frameSizeFromText(parser.value(frames));
        if (!options.frames) {
            request.problem = QStringLiteral(
                                  "--frames needs a frame size WxH, each from 1 to "
                                  "64, not '%1'")
                                  .arg(parser.value(frames));
            return request;
        }
    }
    if (parser.isSet(frameCount)) {
        const auto count = vexilor::parseInteger(parser.value(frameCount).toStdString());
        if (!count || *count < 1) {
            request.problem = QStringLiteral(
                                  "--frame-count needs a number of frames from 1, "
                                  "not '%1'")
                                  .arg(parser.value(frameCount));
            return request;
        }
        options.frameCount = *count;
    }
    if (parser.isSet(sheet)) {
        options.sheet = parser.value(sheet);
        if (options.sheet.isEmpty()) {
            request.problem = "--png needs a file name";
            return request;
        }
    }

    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        request.problem = "no input file given";
    else if (inputs.size() > 1)
        request.problem = "only one file can be converted at a time";
    else
        options.input = inputs.first();
    if (request.problem.isEmpty())
        request.problem = QString::fromStdString(
            vexilor::spectrumOptionsConflict(options.spectrum, options.credits));
    if (request.problem.isEmpty())
        request.problem = labelProblem(options);
    return request;
}

// The input's bytes: standard input is read as a file is, up to the same limit.
vexilor::SpriteDocument readSprite(const Options& options) {
    if (options.input != kStandardInput)
        return vexilor::readSpriteFile(options.input, options.invert, options.frames);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw vexilor::Failure(in.errorString().toStdString());
    // A pipe gives its bytes in parts; one byte past the limit is enough to refuse them.
    QByteArray bytes;
    for (QByteArray part; bytes.size() <= vexilor::kLargestSpriteFile; bytes += part) {
        part = in.read(vexilor::kLargestSpriteFile + 1 - bytes.size());
        if (part.isEmpty())
            break;
    }
    if (in.error() != QFileDevice::NoError)
        throw vexilor::Failure(in.errorString().toStdString());
    return vexilor::readSpriteBytes(bytes, options.invert, options.frames);
}

int usageError(const QString& message) {
    std::fprintf(stderr, "vexilor-listing: %s\nTry 'vexilor-listing --help'.\n",
                 qPrintable(message));
    return kBadUsage;
}

QStringList listingLines(const vexilor::SpriteListing& listing) {
    QStringList lines;
    for (const auto& line : listing)
        lines << QString::fromStdString(line);
    return lines;
}

QByteArray bytesOf(const auto& container) {
    return QByteArray(reinterpret_cast<const char*>(container.data()),
                      static_cast<qsizetype>(container.size()));
}

// The tape's CODE file name: the one given, or the input's name cut to fit.
std::string tapeName(const Options& options) {
    if (options.spectrum.tapeName)
        return *options.spectrum.tapeName;
    return std::string(vexilor::tapeNameCut(options.inputName().toStdString()));
}

// The converter's options as the request of one Spectrum form, the tape's or the one that
// replaces the listing.
vexilor::FormRequest formRequest(const Options& options, vexilor::SpectrumForm form) {
    const vexilor::SpectrumOptions& spectrum = options.spectrum;
    vexilor::FormRequest request;
    request.form = form;
    if (form == vexilor::SpectrumForm::Tape)
        request.name = tapeName(options);
    else if (spectrum.label)
        request.name = *spectrum.label;
    request.layout = spectrum.layout;
    request.base = spectrum.base.value_or(vexilor::NumberBase::Hexadecimal);
    request.firstLine = spectrum.firstLine.value_or(vexilor::kDefaultFirstLine);
    request.address = spectrum.address;
    return request;
}

// What is written to the output: the listing, or the form asked for instead.
QByteArray outputBytes(const vexilor::SpriteDocument& document, const Options& options) {
    const vexilor::SpectrumOptions& spectrum = options.spectrum;
    if (spectrum.basic || spectrum.assembler || spectrum.c) {
        const auto form = spectrum.basic       ? vexilor::SpectrumForm::Basic
                          : spectrum.assembler ? vexilor::SpectrumForm::Assembler
                                               : vexilor::SpectrumForm::C;
        return bytesOf(vexilor::formFile(document, formRequest(options, form)));
    }
    return vexilor::listingFileBytes(listingLines(vexilor::makeListing(document, options.credits)));
}

// The first `count` frames, all of them when no count is given.
vexilor::SpriteDocument keptFrames(vexilor::SpriteDocument document, std::optional<int> count) {
    if (!count)
        return document;
    if (*count > document.frameCount()) {
        throw vexilor::Failure("--frame-count keeps " + std::to_string(*count) +
                               " frames, but the input has " +
                               std::to_string(document.frameCount()));
    }
    while (document.frameCount() > *count)
        document.removeFrame(document.frameCount() - 1);
    return document;
}

// Every frame with the mask the rule makes of it, when one is asked for.
vexilor::SpriteDocument masked(vexilor::SpriteDocument document,
                               std::optional<vexilor::AutoMaskRule> rule) {
    for (int i = 0; rule && i < document.frameCount(); ++i) {
        const vexilor::SpriteStore frame = document.frameStore(i);
        document.setFrameMask(i, *rule == vexilor::AutoMaskRule::Outside
                                     ? vexilor::outsideMask(frame)
                                     : vexilor::outlineMask(frame));
    }
    return document;
}

// Where the output goes: standard output, unless -o names a file other than "-".
vexilor::OutputTarget outputTarget(const Options& options) {
    if (options.output.isEmpty() || options.output == kStandardOutput)
        return vexilor::OutputTarget::standardOutput();
    return vexilor::OutputTarget(options.output);
}

int convert(const Options& options) {
    try {
        const auto document =
            masked(keptFrames(readSprite(options), options.frameCount), options.autoMask);
        const QByteArray bytes = outputBytes(document, options);
        std::vector<vexilor::PlannedOutput> outputs;
        if (!options.spectrum.tape.empty()) {
            outputs.push_back({vexilor::OutputTarget(QString::fromStdString(options.spectrum.tape)),
                               bytesOf(vexilor::formFile(
                                   document, formRequest(options, vexilor::SpectrumForm::Tape)))});
        }
        if (!options.sheet.isEmpty())
            outputs.push_back(
                {vexilor::OutputTarget(options.sheet), vexilor::spriteSheetPng(document)});
        outputs.push_back({outputTarget(options), bytes});
        vexilor::writeAllOrNone(outputs);
        return kSuccess;
    } catch (const vexilor::OutputFailure& failure) {
        std::fprintf(stderr, "vexilor-listing: %s: %s\n", qPrintable(failure.output()),
                     failure.what());
        return kBadInput;
    } catch (const vexilor::Failure& failure) {
        std::fprintf(stderr, "vexilor-listing: %s: %s\n", qPrintable(options.inputForMessages()),
                     vexilor::converterMessage(failure, options.spectrum).c_str());
        return kBadInput;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);  // lets the picture reader find its format plug-ins
    const Request request = parseCommandLine(app.arguments());
    switch (request.action) {
        case Request::Help:
            std::fputs(kUsage, stdout);
            return kSuccess;
        case Request::Version:
            std::printf("vexilor-listing %s\n", VEXILOR_VERSION);
            return kSuccess;
        case Request::Convert:
            break;
    }
    if (!request.problem.isEmpty())
        return usageError(request.problem);
    return convert(request.options);
}
