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

TEST_F(ListingTool, RefusesBadUsageWithExitTwo) {
    for (const char* arguments : {"",
                                  "--bogus x.png",
                                  "-o",
                                  "a.png b.png",
                                  "--tap",
                                  "--line 9000 x.png",
                                  "--basic --line 0 x.png",
                                  "--basic --address 1000 x.png",
                                  "--tap t.tap --address x x.png",
                                  "--name hero x.png",
                                  "--address 40000 x.png",
                                  "--basic --credits x.png",
                                  "--label hero x.png",
                                  "--rows x.png",
                                  "--frames 65x8 x.png",
                                  "--frame-count 0 x.png",
                                  "--asm --c x.png",
                                  "--basic --asm x.png",
                                  "--asm --credits x.png",
                                  "--asm --label LD x.png",
                                  "--asm --label 9lives x.png",
                                  "--c --label int x.png",
                                  "--c --label 'a b' x.png",
                                  "--asm hl.png",
                                  "--label"}) {
        const Run bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_FALSE(bad.err.isEmpty()) << arguments;
    }
}
