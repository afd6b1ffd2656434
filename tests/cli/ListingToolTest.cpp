#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "ListingFile.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class ListingTool : public testing::Test {
protected:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray readFile(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    ToolRun run(const QString& arguments) {
        const QString command = QStringLiteral("'%1' %2 >'%3' 2>'%4'")
                                    .arg(LISTING_TOOL, arguments, path("out"), path("err"));
        const int status = std::system(command.toLocal8Bit().constData());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(path("out")),
                readFile(path("err"))};
    }

    // An 8 x 8 plain PBM with the diagonal from the top-left corner set.
    void writeDiagonalPbm(const QString& name) {
        QByteArray pbm = "P1\n8 8\n";
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                pbm += x == y ? "1 " : "0 ";
            pbm += "\n";
        }
        writeFile(name, pbm);
    }
};

}  // namespace

TEST_F(ListingTool, WritesTheListingOfAPbmAsWindows1251WithCrLf) {
    writeDiagonalPbm("diagonal.pbm");
    const ToolRun result = run(path("diagonal.pbm"));
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_EQ(result.out,
              "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \r\n\r\n\r\n"
              "    10000000\r\n    01000000\r\n    00100000\r\n    00010000\r\n"
              "    00001000\r\n    00000100\r\n    00000010\r\n    00000001\r\n");
    EXPECT_TRUE(result.err.isEmpty());
}

TEST_F(ListingTool, AddsCreditsInSingleByteCyrillic) {
    writeDiagonalPbm("diagonal.pbm");
    const ToolRun result = run("--credits " + path("diagonal.pbm"));
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.count("\r\n"), 16);
    QStringEncoder toWindows1251("windows-1251");
    const QByteArray credit = toWindows1251(QString::fromUtf8("Создано при помощи программы"));
    EXPECT_TRUE(result.out.contains(credit));
    EXPECT_EQ(credit.size(), QString::fromUtf8("Создано при помощи программы").size());
}

TEST_F(ListingTool, ReadsPngAtItsOwnSizeAndInvertsOnRequest) {
    QImage image(12, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(11, 2, qRgb(100, 100, 100));  // dark enough
    image.setPixel(5, 1, qRgb(200, 200, 200));   // light: paper
    ASSERT_TRUE(image.save(path("sprite.png")));

    const QStringList expected{"", "", "    100000000000", "    000000000000", "    000000000001"};
    EXPECT_EQ(run(path("sprite.png")).out, vexilor::listingFileBytes(expected));

    const QStringList inverted{"", "", "    011111111111", "    111111111111", "    111111111110"};
    EXPECT_EQ(run("--invert " + path("sprite.png")).out, vexilor::listingFileBytes(inverted));
}

TEST_F(ListingTool, WritesToAFileWithDashO) {
    writeDiagonalPbm("diagonal.pbm");
    const ToolRun result = run("-o " + path("listing.txt") + " " + path("diagonal.pbm"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(readFile(path("listing.txt")), run(path("diagonal.pbm")).out);
}

TEST_F(ListingTool, RefusesBadPicturesWithExitOneAndLeavesNoFile) {
    QImage wide(65, 8, QImage::Format_RGB32);
    wide.fill(Qt::white);
    ASSERT_TRUE(wide.save(path("wide.png")));
    writeFile("broken.png", "\x89PNG\r\n\x1a\n not really");

    for (const char* name : {"wide.png", "broken.png", "missing.png"}) {
        const ToolRun result = run("-o " + path("listing.txt") + " " + path(name));
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_THAT(result.err.toStdString(), testing::HasSubstr(name));
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.constData();
        EXPECT_FALSE(QFile::exists(path("listing.txt"))) << name;
    }
    EXPECT_THAT(run(path("wide.png")).err.toStdString(), testing::HasSubstr("at most 64 x 64"));
}

TEST_F(ListingTool, KeepsAnExistingOutputFileWhenTheInputIsBad) {
    writeFile("listing.txt", "old listing");
    EXPECT_EQ(run("-o " + path("listing.txt") + " " + path("missing.pbm")).exitCode, 1);
    EXPECT_EQ(readFile(path("listing.txt")), "old listing");
}

TEST_F(ListingTool, AnswersHelpVersionAndBadUsage) {
    const ToolRun help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out.toStdString(), testing::HasSubstr("Usage: vexilor-listing"));
    const ToolRun version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_THAT(version.out.toStdString(), testing::StartsWith("vexilor-listing 2."));

    for (const char* arguments : {"", "--bogus x.png", "-o", "a.png b.png"}) {
        const ToolRun bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 2) << arguments;
        EXPECT_FALSE(bad.err.isEmpty()) << arguments;
    }
}
