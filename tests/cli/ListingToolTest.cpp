#include <QDir>
#include <QStringDecoder>

#include "ListingToolRun.h"

using testing::HasSubstr;

TEST_F(ListingTool, WritesTheListingOfAPbmAsWindows1251WithCrLfToOutputOrAFile) {
    const Run plain = run(diagonalPbm());
    EXPECT_EQ(plain.exitCode, 0) << plain.err.constData();
    EXPECT_EQ(plain.out,
              "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \r\n\r\n\r\n"
              "    10000000\r\n    01000000\r\n    00100000\r\n    00010000\r\n"
              "    00001000\r\n    00000100\r\n    00000010\r\n    00000001\r\n");
    EXPECT_TRUE(plain.err.isEmpty());

    const Run credited = run("--credits -o " + path("listing.txt") + " " + diagonalPbm());
    EXPECT_EQ(credited.exitCode, 0);
    EXPECT_TRUE(credited.out.isEmpty());
    // The credits follow two empty lines, in single-byte Cyrillic.
    const QByteArray file = readFile(path("listing.txt"));
    EXPECT_TRUE(file.startsWith(plain.out + "\r\n\r\n\xD1\xEE\xE7\xE4\xE0\xED\xEE \xEF\xF0\xE8 "));
    EXPECT_EQ(file.count("\r\n"), 16);
}

TEST_F(ListingTool, ReadsPngAtItsOwnSizeAndInvertsOnRequest) {
    QImage image(12, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(11, 2, qRgb(100, 100, 100));  // dark enough
    image.setPixel(5, 1, qRgb(200, 200, 200));   // light: paper
    ASSERT_TRUE(image.save(path("sprite.png")));

    EXPECT_EQ(run(path("sprite.png")).out,
              "\r\n\r\n    100000000000\r\n    000000000000\r\n    000000000001\r\n");
    EXPECT_EQ(run("--invert " + path("sprite.png")).out,
              "\r\n\r\n    011111111111\r\n    111111111111\r\n    111111111110\r\n");
}

TEST_F(ListingTool, TakesThePicturesAlphaAsTheMaskAndKeepsItThroughTheListingAndTheSheet) {
    // Black at full alpha and at none: set either way; white at 100 of 255: transparent.
    QImage image(12, 3, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 200));
    image.setPixel(0, 0, qRgba(0, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    image.setPixel(2, 0, qRgba(255, 255, 255, 100));
    ASSERT_TRUE(image.save(path("masked.png")));
    image.fill(qRgba(255, 255, 255, 255));
    ASSERT_TRUE(image.save(path("opaque.png")));

    const QByteArray picture =
        "\r\n\r\n    110000000000\r\n    000000000000\r\n    000000000000\r\n";
    const QByteArray mask = "\r\n\r\n\xCC\xE0\xF1\xEA\xE0:\r\n\r\n\r\n";  // "Маска:"
    // The options, the listing, and the alpha of the sheet's black pixel (1, 0).
    const std::tuple<QString, QByteArray, int> cases[] = {
        {"", picture + mask + "    011000000000\r\n    000000000000\r\n    000000000000\r\n", 0},
        {"--auto-mask outside ",
         picture + mask + "    001111111111\r\n    111111111111\r\n    111111111111\r\n", 255},
        {"--auto-mask outline ",
         picture + mask + "    000111111111\r\n    000111111111\r\n    111111111111\r\n", 255},
    };
    for (const auto& [options, listing, alpha] : cases) {
        const Run made = run(options + "--png " + path("sheet.png") + " " + path("masked.png"));
        EXPECT_EQ(made.out, listing) << qPrintable(options) << made.err.constData();
        // The listing and the sheet read back as the same frame and mask.
        ASSERT_TRUE(writeFile(path("masked.txt"), made.out));
        EXPECT_EQ(run(path("masked.txt")).out, listing) << qPrintable(options);
        EXPECT_EQ(run(path("sheet.png")).out, listing) << qPrintable(options);
        EXPECT_EQ(QImage(path("sheet.png")).pixel(1, 0), qRgba(0, 0, 0, alpha));
    }
    // All opaque, even with alpha: no mask.
    EXPECT_EQ(run(path("opaque.png")).out,
              "\r\n\r\n    000000000000\r\n    000000000000\r\n    000000000000\r\n");
}

TEST_F(ListingTool, ReadsTheSavedListingBackByteForByteInEitherEncodingAndLineEnd) {
    struct Sprite {
        int width, height;
        bool (*isSet)(int x, int y);
    };
    const Sprite sprites[] = {
        {8, 8, [](int x, int y) { return x == y; }},
        {16, 16, [](int x, int y) { return x * y % 5 == 1; }},
        {12, 3, [](int x, int y) { return x > y; }},  // too low for a cell: no DATA lines
        {1, 1, [](int, int) { return true; }},
        {64, 64, [](int x, int y) { return (x * y + x) % 3 == 0; }},
    };
    for (const auto& [width, height, isSet] : sprites) {
        const QString picture = png("sprite.png", width, height, isSet);
        for (const QString credits : {"", "--credits "}) {
            const QByteArray saved = run(credits + picture).out;
            const QByteArray utf8 = QString(QStringDecoder("windows-1251").decode(saved)).toUtf8();
            for (const QByteArray& text :
                 {saved, QByteArray(saved).replace("\r\n", "\n"), utf8,
                  "\xEF\xBB\xBF" + QByteArray(utf8).replace("\r\n", "\n")}) {
                ASSERT_TRUE(writeFile(path("saved.txt"), text));
                const Run again = run(credits + path("saved.txt"));
                EXPECT_EQ(again.out, saved) << width << " x " << height << " " << again.err.data();
                EXPECT_EQ(shell("'" LISTING_TOOL "' --c --rows - <" + path("saved.txt")).out,
                          run("--c --rows " + picture).out);
            }
        }
    }
}

TEST_F(ListingTool, RefusesBadInputsWithExitOneAndLeavesTheOutputFileAlone) {
    QImage wide(65, 8, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(path("wide.png")));
    ASSERT_TRUE(writeFile(path("broken.png"), "\x89PNG\r\n\x1a\n not really"));
    // Only a header, that asks for 50 MB.
    ASSERT_TRUE(writeFile(path("huge.pbm"), "P4\n20000 20000\n\xff"));
    ASSERT_TRUE(writeFile(path("old.txt"), "old listing"));
    const QByteArray diagonal = run(diagonalPbm()).out;  // lines 4 to 11 are the rows
    const auto edited = [&](const char* name, const char* from, const char* to) {
        EXPECT_TRUE(writeFile(path(name), QByteArray(diagonal).replace(from, to)));
    };
    edited("disagreeing.txt", "128,", "129,");
    edited("short-row.txt", "00100000\r", "0100000\r");
    edited("letter.txt", "00010000", "000x0000");
    ASSERT_TRUE(writeFile(path("tall.txt"), "\n\n" + QByteArray("    1\n").repeated(65)));
    ASSERT_TRUE(writeFile(path("long-row.txt"), "\n\n    " + QByteArray(65, '0') + "\n"));
    ASSERT_TRUE(writeFile(path("rowless.txt"), diagonal.left(diagonal.indexOf("    1"))));
    ASSERT_TRUE(writeFile(path("large.txt"), QByteArray(2 * 1024 * 1024 + 1, '\n')));

    const std::pair<const char*, const char*> cases[] = {
        {"wide.png", "65 x 8 pixels; a sprite is at most 64 x 64"},
        {"huge.pbm", "20000 x 20000 pixels"},
        {"broken.png", ""},
        {"missing.png", "No such file"},
        {"disagreeing.txt", ": line 1: "},
        {"short-row.txt", ": line 6: "},
        {"letter.txt", ": line 7: "},
        {"tall.txt", ": line 67: "},
        {"long-row.txt", ": line 3: "},
        {"rowless.txt", ": line 3: "},
        {"large.txt", "larger than 2 MiB"},
    };
    for (const auto& [name, message] : cases) {
        for (const char* output : {"listing.txt", "old.txt"}) {
            const Run refused = run("-o " + path(output) + " " + path(name));
            EXPECT_EQ(refused.exitCode, 1) << name;
            EXPECT_THAT(refused.err.toStdString(), HasSubstr(path(name).toStdString() + ": "));
            EXPECT_THAT(refused.err.toStdString(), HasSubstr(message));
            EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.constData();
        }
        EXPECT_FALSE(QFile::exists(path("listing.txt"))) << name;
        EXPECT_EQ(readFile(path("old.txt")), "old listing");
    }
}

TEST_F(ListingTool, RefusesBadUsageWithExitTwoNamingTheProblem) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "no input file given"},
        {"--bogus x.png", "unknown option '--bogus'"},
        {"-x x.png", "unknown option '-x'"},
        {"-o", "option -o needs a file name"},
        {"a.png b.png", "only one file can be converted at a time"},
        {"--tap", "option --tap needs a value"},
        {"--tap '' x.png", "--tap needs a file name"},
        {"--label", "option --label needs a value"},
        {"--line 9000 x.png", "--line numbers the lines of --basic; give both"},
        {"--basic --line 0 x.png", "--line needs a line number from 1 to 9999, not '0'"},
        {"--basic --address 1000 x.png", "--address needs an address in RAM, from 16384 to "},
        {"--tap t.tap --address x x.png", "--address needs an address in RAM, from 16384 to "},
        {"--name hero x.png", "--name names the tape of --tap; give both"},
        {"--address 40000 x.png", "--address places the bytes of --basic or --tap; give one "},
        {"--basic --credits x.png", "--credits adds to the listing, which --basic replaces"},
        {"--asm --credits x.png", "--credits adds to the listing, which --asm replaces"},
        {"--label hero x.png", "--label names the bytes of --asm or --c; give one of them"},
        {"--rows x.png", "--rows orders the bytes of --asm, --c or --tap; give one of them"},
        {"--frames 65x8 x.png", "--frames needs a frame size WxH, each from 1 to 64, not '65x8'"},
        {"--frame-count 0 x.png", "--frame-count needs a number of frames from 1, not '0'"},
        {"--auto-mask all x.png", "--auto-mask needs outside or outline, not 'all'"},
        {"--asm --c x.png", "--basic, --asm and --c each replace the listing; give one of "},
        {"--basic --asm x.png", "--basic, --asm and --c each replace the listing; give one "},
        {"--asm --label LD x.png", "the label 'LD' is a register, instruction or directive "},
        {"--asm --label 9lives x.png", "the label '9lives' is no identifier: it takes letters"},
        {"--c --label int x.png", "the label 'int' is a C keyword\n"},
        {"--c --label 'a b' x.png", "the label 'a b' is no identifier: it takes letters"},
        {"--asm hl.png", "reserve (made from the file name; give one with --label)\n"},
    };
    for (const auto& [arguments, problem] : cases) {
        const Run bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_THAT(bad.err.toStdString(), HasSubstr(problem));
        EXPECT_THAT(
            bad.err.toStdString(),
            testing::MatchesRegex("vexilor-listing: [^\n]+\nTry 'vexilor-listing --help'.\n"));
    }
}

// "-o -", "-o /dev/stdout" into a pipe, and /dev/null for both outputs take the bytes
// straight. (How a device or a pipe is written is the saving's, tested there.)
TEST_F(ListingTool, WritesStandardOutputDevicesAndPipesStraight) {
    const QString input = diagonalPbm(), tool = "'" LISTING_TOOL "' ";
    const QByteArray listing = run(input).out;
    const std::pair<QString, QByteArray> cases[] = {
        {tool + "-o - " + input, listing},
        {tool + "-o /dev/stdout " + input + " | cat", listing},
        {tool + "--tap /dev/null -o /dev/null " + input, ""},
    };
    for (const auto& [command, out] : cases) {
        const Run ran = shell(command);
        EXPECT_EQ(ran.exitCode, 0) << ran.err.constData();
        EXPECT_EQ(ran.out, out) << command.toStdString();
    }
}

// With --tap and -o, the one that cannot be written is named, and neither file is new or
// changed, nor anything written to standard output.
TEST_F(ListingTool, WritesNeitherTheTapeNorTheOutputUnlessBothCanBeWritten) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_TRUE(writeFile(path("old.tap"), "old tape") && writeFile(path("old.txt"), "old"));
    const QString missing = path("missing/x"), folder = path("folder");
    const std::tuple<QString, QString, QString> cases[] = {{missing, path("new.txt"), missing},
                                                           {missing, path("old.txt"), missing},
                                                           {path("new.tap"), missing, missing},
                                                           {path("old.tap"), folder, folder},
                                                           {missing, "-", missing},
                                                           {folder, "-", folder}};
    for (const auto& [tape, output, failed] : cases) {
        const Run refused = run("--tap " + tape + " -o " + output + " " + diagonalPbm());
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_THAT(refused.err.toStdString(),
                    testing::StartsWith(QStringLiteral("vexilor-listing: %1: Cannot create file "
                                                       "\"%1\". ")
                                            .arg(failed)
                                            .toStdString()));
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_EQ(readFile(path("old.tap")) + readFile(path("old.txt")), "old tapeold");
        EXPECT_THAT(QDir(dir.path()).entryList(QDir::Files),
                    testing::ElementsAre("diagonal.pbm", "err", "old.tap", "old.txt", "out"));
    }
}
