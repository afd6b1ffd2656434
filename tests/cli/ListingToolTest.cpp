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

TEST_F(ListingTool, RefusesBadPicturesWithExitOneAndLeavesTheOutputFileAlone) {
    QImage wide(65, 8, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(path("wide.png")));
    ASSERT_TRUE(writeFile(path("broken.png"), "\x89PNG\r\n\x1a\n not really"));
    // Only a header, that asks for 50 MB.
    ASSERT_TRUE(writeFile(path("huge.pbm"), "P4\n20000 20000\n\xff"));
    ASSERT_TRUE(writeFile(path("old.txt"), "old listing"));

    for (const char* name : {"wide.png", "huge.pbm", "broken.png", "missing.png"}) {
        for (const char* output : {"listing.txt", "old.txt"}) {
            const Run refused = run("-o " + path(output) + " " + path(name));
            EXPECT_EQ(refused.exitCode, 1) << name;
            EXPECT_THAT(refused.err.toStdString(), HasSubstr(name));
            EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.constData();
        }
        EXPECT_FALSE(QFile::exists(path("listing.txt"))) << name;
        EXPECT_EQ(readFile(path("old.txt")), "old listing");
    }
    EXPECT_THAT(run(path("wide.png")).err.toStdString(),
                HasSubstr("65 x 8 pixels; a sprite is at most 64 x 64"));
    EXPECT_THAT(run(path("huge.pbm")).err.toStdString(), HasSubstr("20000 x 20000 pixels"));
}

TEST_F(ListingTool, RefusesBadUsageWithExitTwo) {
    for (const char* arguments :
         {"", "--bogus x.png", "-o", "a.png b.png", "--tap", "--line 9000 x.png",
          "--basic --line 0 x.png", "--basic --address 1000 x.png", "--tap t.tap --address x x.png",
          "--name hero x.png", "--address 40000 x.png", "--basic --credits x.png"}) {
        const Run bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_FALSE(bad.err.isEmpty()) << arguments;
    }
}
