#include <libspectrum.h>

#include <QRegularExpression>

#include "ListingToolRun.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// A 16 x 16 "R" over a bar: four cells, each with bytes of its own.
bool letterPixel(int x, int y) {
    static const char* const rows[] = {
        "................", ".############...", ".##.........##..", ".##..........##.",
        ".##..........##.", ".##.........##..", ".############...", ".##.....##......",
        ".##......##.....", ".##.......##....", ".##........##...", ".##.........##..",
        ".##..........##.", ".##...........##", "................", "################",
    };
    return rows[y][x] == '#';
}

// A sprite for the game sources: its file name, the options and the label they give.
struct Sprite {
    QString file, options, label;
    int width, height;
    bool (*isSet)(int x, int y);
};

const Sprite kSprites[] = {
    {"hero", "", "hero", 16, 16, letterPixel},
    {"2-player.v1", "", "_2_player", 24, 8, [](int x, int y) { return (x + y) % 3 == 0; }},
    {"odd", "--label Odd_1 ", "Odd_1", 12, 10, [](int x, int y) { return x * y % 4 == 1; }},
    {"full", "", "full", 64, 64, [](int x, int y) { return (x * y + x) % 3 == 0; }},
};

// The bytes of each full cell in the listing's order, or of every pixel row across the
// whole width, a row's last byte padded with clear pixels.
std::vector<int> expectedBytes(const Sprite& sprite, bool rows) {
    const auto byteAt = [&](int left, int y) {
        int value = 0;
        for (int x = left; x < left + 8; ++x)
            value = value * 2 + (x < sprite.width && sprite.isSet(x, y) ? 1 : 0);
        return value;
    };
    std::vector<int> bytes;
    for (int y = 0; rows && y < sprite.height; ++y)
        for (int left = 0; left < sprite.width; left += 8)
            bytes.push_back(byteAt(left, y));
    for (int r = 0; !rows && r < sprite.height / 8; ++r)
        for (int c = 0; c < sprite.width / 8; ++c)
            for (int y = 0; y < 8; ++y)
                bytes.push_back(byteAt(8 * c, 8 * r + y));
    return bytes;
}

class SpectrumForms : public ListingTool {
protected:
    QString letterPng(const QString& name) { return png(name, 16, 16, letterPixel); }

    // The sprite as a picture, or as the listing saved of it, so both are read.
    QString input(const Sprite& sprite, bool listing) {
        const QString picture =
            png(sprite.file + ".png", sprite.width, sprite.height, sprite.isSet);
        EXPECT_TRUE(writeFile(path(sprite.file + ".txt"), run(picture).out));
        return listing ? path(sprite.file + ".txt") : picture;
    }

    // The byte values of the listing's DATA lines, in order.
    std::vector<int> listingValues(const QString& picture) {
        std::vector<int> values;
        for (const QString& line : QString::fromLatin1(run(picture).out).split("\r\n")) {
            if (line.contains(": DATA "))
                for (const QString& value :
                     line.section(": DATA ", 1).split(", ", Qt::SkipEmptyParts))
                    values.push_back(value.toInt());
        }
        return values;
    }

    // The blocks of a tape file as libspectrum reads them, each with its flag byte first
    // and its checksum last.
    static std::vector<QByteArray> tapeBlocks(const QString& file) {
        static const bool started = libspectrum_init() == LIBSPECTRUM_ERROR_NONE;
        EXPECT_TRUE(started);
        const QByteArray bytes = readFile(file);
        libspectrum_tape* tape = libspectrum_tape_alloc();
        std::vector<QByteArray> blocks;
        const auto status =
            libspectrum_tape_read(tape, reinterpret_cast<const libspectrum_byte*>(bytes.data()),
                                  static_cast<size_t>(bytes.size()), LIBSPECTRUM_ID_UNKNOWN,
                                  file.toLocal8Bit().constData());
        EXPECT_EQ(status, LIBSPECTRUM_ERROR_NONE) << qPrintable(file);
        libspectrum_tape_iterator next;
        for (auto* block = libspectrum_tape_iterator_init(&next, tape); block != nullptr;
             block = libspectrum_tape_iterator_next(&next)) {
            EXPECT_EQ(libspectrum_tape_block_type(block), LIBSPECTRUM_TAPE_BLOCK_ROM);
            blocks.emplace_back(reinterpret_cast<const char*>(libspectrum_tape_block_data(block)),
                                static_cast<qsizetype>(libspectrum_tape_block_data_length(block)));
        }
        libspectrum_tape_free(tape);
        return blocks;
    }

    // A ROM block's checksum makes the XOR of all its bytes zero.
    static bool checksumHolds(const QByteArray& block) {
        char sum = 0;
        for (char byte : block)
            sum ^= byte;
        return !block.isEmpty() && sum == 0;
    }

    static int word(const QByteArray& bytes, int at) {
        return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8;
    }

    // The values that a Spectrum READs from the DATA lines of a BASIC program: the hidden
    // five-byte number after each number's digits (a small whole number is 0, sign, low
    // byte, high byte, 0).
    static std::vector<int> dataValues(const QByteArray& program) {
        std::vector<int> values;
        for (int line = 0; line + 4 <= program.size(); line += 4 + word(program, line + 2)) {
            const QByteArray body = program.mid(line + 4, word(program, line + 2));
            if (!body.startsWith('\xE4'))  // DATA
                continue;
            for (auto at = body.indexOf('\x0E'); at >= 0; at = body.indexOf('\x0E', at + 6)) {
                EXPECT_EQ(body.mid(at + 1, 2), QByteArray(2, '\0')) << "not a small whole number";
                values.push_back(word(body, static_cast<int>(at) + 3));
            }
        }
        return values;
    }

    static std::vector<int> bytesOf(const QByteArray& data) {
        std::vector<int> values;
        for (char byte : data)
            values.push_back(quint8(byte));
        return values;
    }
};

}  // namespace

TEST_F(SpectrumForms, ConvertingToBasicGivesASubroutineThatZmakebasReadsAsTheListingsBytes) {
    const Run diagonal = run("--basic " + diagonalPbm());
    EXPECT_EQ(diagonal.exitCode, 0) << diagonal.err.constData();
    EXPECT_EQ(diagonal.out,
              "9000 RESTORE 9010: FOR i=0 TO 7: READ b: POKE USR \"A\"+i,b: NEXT i\n"
              "9010 DATA 128,64,32,16,8,4,2,1\n"
              "9020 RETURN\n");

    // A game's own lines come before the subroutine; zmakebas makes a tape of both.
    const QString letter = letterPng("letter.png");
    const Run toFile = run("--basic --line 100 -o " + path("sub.bas") + " " + letter);
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err.constData();
    EXPECT_TRUE(toFile.out.isEmpty());
    ASSERT_TRUE(writeFile(path("game.bas"), "10 GO SUB 100\n20 PRINT CHR$ 144;CHR$ 145\n30 STOP\n" +
                                                readFile(path("sub.bas"))));
    const Run made = shell(QStringLiteral("zmakebas -a 10 -n game -o '%1' '%2'")
                               .arg(path("game.tap"), path("game.bas")));
    ASSERT_EQ(made.exitCode, 0) << "zmakebas: " << made.err.constData();
    EXPECT_TRUE(made.err.isEmpty()) << made.err.constData();
    const auto blocks = tapeBlocks(path("game.tap"));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_TRUE(checksumHolds(blocks[1]));
    EXPECT_EQ(dataValues(blocks[1].mid(1, blocks[1].size() - 2)), listingValues(letter));

    // Elsewhere in memory a 64 x 64 sprite fits, up to the last line number.
    const QString full = png("full.png", 64, 64, [](int x, int y) { return (x * y + x) % 3 == 0; });
    const Run high = run("--basic --address 30000 --line 9349 -o " + path("high.bas") + " " + full);
    EXPECT_EQ(high.exitCode, 0) << high.err.constData();
    const QByteArray text = readFile(path("high.bas"));
    EXPECT_TRUE(text.startsWith(
        "9349 RESTORE 9359: FOR i=0 TO 511: READ b: POKE 30000+i,b: NEXT i\n9359 DATA "));
    EXPECT_TRUE(text.endsWith("\n9999 RETURN\n"));
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_EQ(shell(QStringLiteral("zmakebas -o '%1' '%2'").arg(path("high.tap"), path("high.bas")))
                  .exitCode,
              0);
    const auto highBlocks = tapeBlocks(path("high.tap"));
    ASSERT_EQ(highBlocks.size(), 2u);
    EXPECT_EQ(dataValues(highBlocks[1].mid(1, highBlocks[1].size() - 2)), listingValues(full));
}

TEST_F(SpectrumForms, ConvertingToATapeWritesOneCodeFileThatLibspectrumAndTzxlistRead) {
    const QString letter = letterPng("hero.png");
    const Run both = run("--tap " + path("hero.tap") + " " + letter);
    EXPECT_EQ(both.exitCode, 0) << both.err.constData();
    EXPECT_EQ(both.out, run(letter).out);  // the listing as ever

    const auto blocks = tapeBlocks(path("hero.tap"));
    ASSERT_EQ(blocks.size(), 2u);
    const QByteArray header = blocks[0];
    ASSERT_EQ(header.size(), 19);
    EXPECT_EQ(header[0], '\x00');  // header flag
    EXPECT_EQ(header[1], '\x03');  // CODE
    EXPECT_EQ(header.mid(2, 10), "hero      ");
    EXPECT_THAT((std::vector{word(header, 12), word(header, 14), word(header, 16)}),
                ElementsAre(32, 65368, 32768));  // length, address, as SAVE ... CODE
    EXPECT_TRUE(checksumHolds(header));
    EXPECT_EQ(blocks[1][0], '\xFF');  // data flag
    EXPECT_EQ(bytesOf(blocks[1].mid(1, 32)), listingValues(letter));
    EXPECT_TRUE(checksumHolds(blocks[1]));

    const Run listed = shell("tzxlist " + path("hero.tap"));
    ASSERT_EQ(listed.exitCode, 0) << "tzxlist: " << listed.err.constData();
    EXPECT_THAT(listed.out.toStdString(), HasSubstr("Bytes: \"hero      \" CODE  65368, 32"));
    EXPECT_EQ(listed.out.count("(PASS)"), 2) << listed.out.constData();

    // A chosen name and address, with the subroutine on standard output in the same run;
    // a long picture name is cut to ten characters.
    const Run named =
        run("--basic --tap " + path("named.tap") + " --name Sprite-1 --address 0x9C40 " + letter);
    EXPECT_EQ(named.exitCode, 0) << named.err.constData();
    EXPECT_THAT(named.out.toStdString(), HasSubstr("POKE 40000+i,b"));
    EXPECT_THAT(shell("tzxlist " + path("named.tap")).out.toStdString(),
                HasSubstr("Bytes: \"Sprite-1  \" CODE  40000, 32"));
    EXPECT_EQ(run("--tap " + path("long.tap") + " " + letterPng("a-long-sprite.v2.png")).exitCode,
              0);
    EXPECT_EQ(tapeBlocks(path("long.tap"))[0].mid(2, 10), "a-long-spr");

    // Row by row on request, from the saved listing as from the picture.
    EXPECT_EQ(run("--rows --tap " + path("rows.tap") + " " + input(kSprites[0], true)).exitCode, 0);
    EXPECT_EQ(bytesOf(tapeBlocks(path("rows.tap"))[1].mid(1, 32)),
              expectedBytes(kSprites[0], true));
}

TEST_F(SpectrumForms, AssemblerSourceThatPasmoAssemblesHoldsTheBytesAtItsLabel) {
    requireTool("pasmo");
    if (IsSkipped() || HasFatalFailure())
        return;
    for (const Sprite& sprite : kSprites) {
        for (const bool rows : {false, true}) {
            const Run made = run("--asm " + sprite.options + (rows ? "--rows -o " : "-o ") +
                                 path("sprite.asm") + " " + input(sprite, rows));
            ASSERT_EQ(made.exitCode, 0) << made.err.constData();
            ASSERT_TRUE(writeFile(path("game.asm"), "    ORG 32768\n    LD HL, " +
                                                        sprite.label.toLatin1() +
                                                        "\n    RET\n    INCLUDE \"sprite.asm\"\n"));
            const Run assembled = inDir("pasmo --bin game.asm game.bin");
            ASSERT_EQ(assembled.exitCode, 0) << assembled.out.constData() << assembled.err.data();
            const QByteArray code = readFile(path("game.bin"));
            EXPECT_EQ(word(code, 1), 32768 + 4) << "LD HL, label: the bytes after RET";
            EXPECT_EQ(bytesOf(code.mid(4)), expectedBytes(sprite, rows)) << qPrintable(sprite.file);
        }
    }
}

TEST_F(SpectrumForms, CArrayThatSdccCompilesHoldsTheBytesInReadOnlyData) {
    requireTool("sdcc");
    if (IsSkipped() || HasFatalFailure())
        return;
    for (const Sprite& sprite : kSprites) {
        for (const bool rows : {false, true}) {
            const Run made = run("--c " + sprite.options + (rows ? "--rows -o " : "-o ") +
                                 path("sprite.h") + " " + input(sprite, !rows));
            ASSERT_EQ(made.exitCode, 0) << made.err.constData();
            const auto expected = expectedBytes(sprite, rows);
            EXPECT_THAT(readFile(path("sprite.h")).toStdString(),
                        HasSubstr(QStringLiteral("%1[%2] = {")
                                      .arg(sprite.label)
                                      .arg(expected.size())
                                      .toStdString()));
            ASSERT_TRUE(writeFile(path("game.c"),
                                  "#include \"sprite.h\"\nunsigned char first(void) { return " +
                                      sprite.label.toLatin1() + "[0]; }\nvoid main(void) {}\n"));
            const Run compiled = inDir("sdcc -mz80 game.c && makebin -p game.ihx game.bin");
            ASSERT_EQ(compiled.exitCode, 0) << compiled.out.constData() << compiled.err.data();
            // The linker's map gives the array's address in the program.
            const auto found = QRegularExpression("([0-9A-F]{8})\\s+_" + sprite.label + "\\s")
                                   .match(QString::fromLatin1(readFile(path("game.map"))));
            ASSERT_TRUE(found.hasMatch()) << qPrintable(sprite.label);
            const QByteArray code = readFile(path("game.bin"));
            EXPECT_EQ(bytesOf(code.mid(found.captured(1).toInt(nullptr, 16),
                                       static_cast<qsizetype>(expected.size()))),
                      expected)
                << qPrintable(sprite.file);
        }
    }
}

TEST_F(SpectrumForms, RefusesWhatTheSpectrumCannotHoldWithExitOneAndNoTapeLeftBehind) {
    const QString wide = png("wide.png", 48, 64, [](int, int) { return false; });
    const QString tiny = png("tiny.png", 4, 4, [](int, int) { return true; });
    const QString diagonal = diagonalPbm();
    const QString strip = png("strip.png", 96, 16, [](int, int) { return false; });
    ASSERT_TRUE(writeFile(path("old.tap"), "old tape"));
    const QString tape = " --tap " + path("new.tap") + " ";
    const std::pair<QString, const char*> cases[] = {
        {"--basic " + wide,
         "the sprite has 48 cells of 8 x 8 pixels, but the user-defined "
         "graphics hold 21; give --address to store it elsewhere"},
        {tape + wide, "graphics hold 21"},
        {tape + "--address 65500 " + wide,
         "348 of the sprite's 384 bytes would not fit below 65536 from address 65500"},
        {"--basic --line 9980 " + diagonal, "start it at line 9979 at the latest"},
        {tape + "--name abcdefghijk " + diagonal,
         "has 11 characters; a Spectrum tape name has at most 10"},
        {tape + "--name 'caf\u00e9' " + diagonal, "cannot show; use printable ASCII"},
        {tape + "--name 'tab\there' " + diagonal, "cannot show"},
        {tape + tiny, "no full 8 x 8 cell"},
        {"--asm " + tiny, "no full 8 x 8 cell, so there are no bytes to store; --rows gives"},
        {tape + "--rows " + png("tall.png", 20, 64, [](int, int) { return false; }),
         "the sprite's 192 bytes row by row are more than the 168"},
        {"--basic --frames 16x16 " + strip, "the sprite has 24 cells of 8 x 8 pixels, but"},
        {tape + "--frames 8x8 --address 65500 " + strip,
         "156 of the sprite's 192 bytes would not fit below 65536 from address 65500"},
        {"--tap " + path("no/such/folder/new.tap ") + diagonal, "Cannot create file"},
        {"--tap " + path("old.tap") + " --name abcdefghijk " + diagonal, "at most 10"},
    };
    for (const auto& [arguments, message] : cases) {
        const Run refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 1) << qPrintable(arguments);
        EXPECT_THAT(refused.err.toStdString(), HasSubstr(message));
        EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.constData();
        EXPECT_FALSE(QFile::exists(path("new.tap"))) << qPrintable(arguments);
    }
    EXPECT_EQ(readFile(path("old.tap")), "old tape");
}

TEST_F(SpectrumForms, AWalkCycleCutFromAPictureGoesThroughTheSheetAndPasmoLabelsEachFrame) {
    requireTool("pasmo");
    requireTool("sdcc");
    if (IsSkipped() || HasFatalFailure())
        return;
    // Three 16 x 16 frames side by side, each the letter moved one pixel further right.
    const QString strip = png("strip.png", 48, 16, [](int x, int y) {
        return x % 16 > 0 && x % 16 >= x / 16 && letterPixel(x % 16 - x / 16, y);
    });
    const Run made = run("--frames 16x16 --asm --label walk --png " + path("sheet.png") + " -o " +
                         path("walk.asm") + " " + strip);
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();
    // The sheet and the listing read back as the same three frames.
    const QByteArray listing = run("--frames 16x16 " + strip).out;
    ASSERT_TRUE(writeFile(path("walk.txt"), listing));
    EXPECT_EQ(run(path("sheet.png")).out, listing);
    EXPECT_EQ(run(path("walk.txt")).out, listing);
    EXPECT_EQ(run("--frame-count 1 " + path("sheet.png")).out,
              run("--frames 16x16 --frame-count 1 " + strip).out);

    for (const auto& [options, message] :
         {std::pair{"--frames 32x16 ", "48 x 16 pixels, not a whole number of frames of 32 x 16"},
          {"--frames 1x1 ", "holds 768 frames of 1 x 1 pixels; a sprite has at most 256"},
          {"--frames 16x16 --frame-count 4 ",
           "--frame-count keeps 4 frames, but the input has 3"}}) {
        const Run refused = run(options + strip);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_THAT(refused.err.toStdString(), HasSubstr(message));
    }
    ASSERT_TRUE(writeFile(path("game.asm"), "    ORG 32768\n    INCLUDE \"walk.asm\"\n"));
    const Run assembled = inDir("pasmo --bin game.asm game.bin game.sym");
    ASSERT_EQ(assembled.exitCode, 0) << assembled.out.constData() << assembled.err.data();
    QStringList symbols;
    for (const QString& line : QString::fromLatin1(readFile(path("game.sym"))).split('\n'))
        symbols << line.simplified().toUpper();
    for (const char* expected : {"WALK EQU 08000H", "WALK_1 EQU 08000H", "WALK_2 EQU 08020H",
                                 "WALK_3 EQU 08040H", "WALK_FRAMES EQU 08060H"})
        EXPECT_TRUE(symbols.contains(expected))
            << expected << " in " << qPrintable(symbols.join('|'));
    const QByteArray code = readFile(path("game.bin"));
    EXPECT_EQ(code.mid(0x60).toHex(), "008020804080");
    EXPECT_EQ(code.size(), 0x60 + 6);

    // The C array holds the same bytes, a frame to each inner brace.
    ASSERT_EQ(run("--c --label walk -o " + path("walk.h") + " " + path("sheet.png")).exitCode, 0);
    EXPECT_THAT(readFile(path("walk.h")).toStdString(), HasSubstr("walk[3][32] = {"));
    ASSERT_TRUE(writeFile(path("game.c"),
                          "#include \"walk.h\"\nunsigned char at(int f, int b) "
                          "{ return walk[f][b]; }\nvoid main(void) {}\n"));
    const Run compiled = inDir("sdcc -mz80 game.c && makebin -p game.ihx game.bin");
    ASSERT_EQ(compiled.exitCode, 0) << compiled.out.constData() << compiled.err.data();
    const auto found = QRegularExpression("([0-9A-F]{8})\\s+_walk\\s")
                           .match(QString::fromLatin1(readFile(path("game.map"))));
    ASSERT_TRUE(found.hasMatch());
    EXPECT_EQ(readFile(path("game.bin")).mid(found.captured(1).toInt(nullptr, 16), 0x60),
              code.left(0x60));
}
