// vexilor-listing: turns a small picture file into the sprite listing, for build scripts.
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

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

int convert(const Options& options) {
    try {
        const auto store = readSprite(options);
        const QByteArray bytes = options.spectrum.basic
                                     ? vexilor::basicSubroutineFile(store, options.spectrum)
                                     : vexilor::listingFileBytes(listingLines(
                                           vexilor::makeListing(store, options.credits)));
        if (!options.spectrum.tape.isEmpty()) {
            vexilor::writeFileSafely(
                options.spectrum.tape,
                vexilor::spriteTapeFile(store, options.spectrum, options.image));
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
    QStringList arguments = app.arguments();
    arguments.removeFirst();

    Options options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--help") {
            std::fputs(kUsage, stdout);
            return kSuccess;
        } else if (argument == "--version") {
            std::printf("vexilor-listing %s\n", VEXILOR_VERSION);
            return kSuccess;
        } else if (argument == "--credits") {
            options.credits = true;
        } else if (argument == "--invert") {
            options.invert = true;
        } else if (argument == "-o") {
            if (++i == arguments.size())
                return usageError("option -o needs a file name");
            options.output = arguments[i];
        } else if (QString problem;
                   vexilor::takeSpectrumOption(arguments, i, options.spectrum, problem)) {
            if (!problem.isEmpty())
                return usageError(problem);
        } else if (argument.startsWith('-') && argument != "-") {
            return usageError(QStringLiteral("unknown option '%1'").arg(argument));
        } else if (!options.image.isEmpty()) {
            return usageError("only one picture can be converted at a time");
        } else {
            options.image = argument;
        }
    }
    if (options.image.isEmpty())
        return usageError("no picture file given");
    if (const QString conflict =
            vexilor::spectrumOptionsConflict(options.spectrum, options.credits);
        !conflict.isEmpty())
        return usageError(conflict);
    return convert(options);
}
