// vexilor-listing: turns a small picture file into the sprite listing, for build scripts.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

#include "Failure.h"
#include "ListingFile.h"
#include "SpectrumForms.h"
#include "SpectrumOptions.h"
#include "SpriteImage.h"
#include "SpriteListing.h"

namespace {

enum ExitCode { kSuccess = 0, kBadInput = 1, kBadUsage = 2 };

const char kUsage[] =
    "Usage: vexilor-listing [--credits] [--invert] [-o FILE] IMAGE\n"
    "       vexilor-listing --basic [--line N] [--address A] [--invert] [-o FILE] IMAGE\n"
    "       vexilor-listing --tap TAPE [--name NAME] [--address A] [OPTIONS] IMAGE\n"
    "\n"
    "Writes the ZX Spectrum sprite listing of IMAGE (at most 64 x 64 pixels): one DATA\n"
    "line per 8 x 8 cell, then the sprite as rows of 0 and 1. The text is Windows-1251\n"
    "with CR LF line ends, byte for byte what the editor saves for the same sprite.\n"
    "A pixel is set where the picture is dark (grey level below half).\n"
    "\n"
    "  --credits   add the credit lines, as the editor's Convert button does\n"
    "  --invert    set the light pixels instead of the dark ones\n"
    "  -o FILE     write to FILE instead of standard output\n"
    "  --basic     write a Sinclair BASIC subroutine that POKEs the sprite's bytes into\n"
    "              memory instead of the listing\n"
    "  --line N    number the subroutine's lines from N in steps of 10 (default 9000)\n"
    "  --tap TAPE  also write TAPE, a .tap file with the bytes as one CODE file\n"
    "  --name NAME name the CODE file NAME (default: the picture's name, cut to 10)\n"
    "  --address A put the bytes from address A on (default: USR \"A\", the\n"
    "              user-defined graphics, which hold 21 cells; 65368 on the tape)\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or unsuitable picture or output, 2 bad usage.\n";

struct Options {
    bool credits = false;
    bool invert = false;
    QString output;
    QString image;
    vexilor::SpectrumOptions spectrum;
};

// What the command line asks for, or why it cannot be done (exit status 2).
struct Request {
    enum { Convert, Help, Version } action = Convert;
    Options options;
    QString problem;
};

Request parseCommandLine(const QStringList& arguments) {
    const QCommandLineOption help("help"), version("version"), credits("credits"), invert("invert"),
        basic("basic"), output("o", "", "FILE"), line("line", "", "N"), address("address", "", "A"),
        tape("tap", "", "TAPE"), name("name", "", "NAME");

    QCommandLineParser parser;
    // "-o" is an option of its own, never the letter options "-" "o".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version, credits, invert, basic, output, line, address, tape, name});
    parser.addPositionalArgument("IMAGE", "the picture to convert");

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
    try {
        if (parser.isSet(line))
            options.spectrum.firstLine =
                vexilor::firstLineFromText(parser.value(line).toStdString());
        if (parser.isSet(address))
            options.spectrum.address =
                vexilor::addressFromText(parser.value(address).toStdString());
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

    const QStringList pictures = parser.positionalArguments();
    if (pictures.isEmpty())
        request.problem = "no picture file given";
    else if (pictures.size() > 1)
        request.problem = "only one picture can be converted at a time";
    else
        options.image = pictures.first();
    if (request.problem.isEmpty())
        request.problem = QString::fromStdString(
            vexilor::spectrumOptionsConflict(options.spectrum, options.credits));
    return request;
}

// Some image decoders print their complaints straight to standard error; the tool says
// what went wrong in one line of its own, so they are kept quiet while a picture is read.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO)) {
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDERR_FILENO);
            close(devNull);
        }
    }
    ~QuietStandardError() {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

vexilor::SpriteStore readSprite(const Options& options) {
    QuietStandardError quiet;
    return vexilor::spriteFromImageFile(options.image, options.invert);
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

int convert(const Options& options) {
    try {
        const auto store = readSprite(options);
        const QByteArray bytes =
            options.spectrum.basic ? bytesOf(vexilor::basicSubroutineFile(store, options.spectrum))
                                   : vexilor::listingFileBytes(listingLines(
                                         vexilor::makeListing(store, options.credits)));
        if (!options.spectrum.tape.empty()) {
            const QString tapeName = QFileInfo(options.image).completeBaseName();
            vexilor::writeFileSafely(
                QString::fromStdString(options.spectrum.tape),
                bytesOf(vexilor::spriteTapeFile(store, options.spectrum, tapeName.toStdString())));
        }
        if (options.output.isEmpty()) {
            std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
            if (std::fflush(stdout) != 0)
                throw vexilor::Failure("Stream write error");
        } else {
            vexilor::writeFileSafely(options.output, bytes);
        }
        return kSuccess;
    } catch (const vexilor::Failure& failure) {
        std::fprintf(stderr, "vexilor-listing: %s: %s\n", qPrintable(options.image),
                     failure.what());
        return kBadInput;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);  // lets QImage find its format plug-ins
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
