#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "DialogAnswer.h"
#include "DialogPlacement.h"
#include "Failure.h"
#include "ListingBox.h"
#include "ListingFile.h"
#include "ListingSaver.h"
#include "SpriteListing.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vexilor::Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

class SavingTheListing : public testing::Test {
protected:
    QTemporaryDir folder;
    QWidget window;
    vexilor::ListingSaver saver{&window};

    QString path(const QString& name) const { return folder.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // The user types `typed` into the dialog's name box and confirms it.
    void chooseInDialog(const QString& typed) {
        saver.setDialogRunner([typed](QFileDialog& dialog) {
            dialog.selectFile(typed);
            return true;
        });
    }

    // Runs the real modal dialog; the user types `typed` into it and presses Enter.
    void saveTypingIntoTheDialog(const QString& typed, const QStringList& lines) {
        answerNextDialog([typed](QWidget& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        saver.save(lines);
    }
};

TEST_F(SavingTheListing, WritesEveryLineInWindows1251WithCrLfAfterTheLastOneToo) {
    chooseInDialog(path("hero.txt"));
    saver.save(diagonalListing());

    const QByteArray bytes = readFile(path("hero.txt"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 17);  // 16 lines and nothing after the last line feed
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i;
    EXPECT_EQ(lines[0], "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \r");
    EXPECT_EQ(lines[3], "    10000000\r");
    EXPECT_EQ(lines[10], "    00000001\r");
    // "Создано" as single Windows-1251 bytes, no byte-order mark before the first line.
    EXPECT_TRUE(lines[13].startsWith("\xD1\xEE\xE7\xE4\xE0\xED\xEE "));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
}

TEST_F(SavingTheListing, AnEmptyBoxRightAfterClearGivesAnEmptyFile) {
    chooseInDialog(path("empty.txt"));
    saver.save({});

    EXPECT_TRUE(QFile::exists(path("empty.txt")));
    EXPECT_EQ(readFile(path("empty.txt")), QByteArray());
}

TEST_F(SavingTheListing, ANameTypedWithoutExtensionGetsTxt) {
    saver.SaveDialog1().setDirectory(folder.path());
    saveTypingIntoTheDialog(QStringLiteral("hero"), {QStringLiteral("10000000")});

    EXPECT_THAT(folderEntries(), ElementsAre("hero.txt"));
    EXPECT_EQ(readFile(path("hero.txt")), "10000000\r\n");
}

TEST_F(SavingTheListing, ANameEndingInTxtIsKeptWithoutASecondExtension) {
    saver.SaveDialog1().setDirectory(folder.path());
    saveTypingIntoTheDialog(QStringLiteral("hero.txt"), {QStringLiteral("1")});

    EXPECT_THAT(folderEntries(), ElementsAre("hero.txt"));
}

TEST_F(SavingTheListing, AnExistingFileIsReplacedWithoutAQuestion) {
    writeFile("hero.txt", "an older and longer listing\r\n");
    saver.SaveDialog1().setDirectory(folder.path());
    saveTypingIntoTheDialog(QStringLiteral("hero.txt"), {QStringLiteral("new")});

    EXPECT_EQ(readFile(path("hero.txt")), "new\r\n");
    EXPECT_THAT(folderEntries(), ElementsAre("hero.txt"));
}

TEST_F(SavingTheListing, TheDialogSitsCentredWithAThirdOfTheFreeHeightAbove) {
    window.show();
    QPoint shownAt;
    QSize shownSize;
    QRect monitor;
    answerNextDialog([&](QWidget& dialog) {
        shownAt = dialog.pos();
        shownSize = dialog.size();
        monitor = dialog.screen()->geometry();
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        static_cast<QDialog&>(dialog).reject();
    });
    saver.save({QStringLiteral("1")});

    ASSERT_TRUE(shownSize.isValid());
    EXPECT_EQ(shownAt.x(), monitor.left() + (monitor.width() - shownSize.width()) / 2);
    EXPECT_EQ(shownAt.y(), monitor.top() + (monitor.height() - shownSize.height()) / 3);
}

TEST_F(SavingTheListing, CancellingWritesNothingAndKeepsTheRememberedPath) {
    chooseInDialog(path("first.txt"));
    saver.save({QStringLiteral("1")});
    saver.setDialogRunner([&](QFileDialog& dialog) {
        dialog.selectFile(path("second.txt"));
        return false;
    });
    saver.save({QStringLiteral("2")});

    EXPECT_THAT(folderEntries(), ElementsAre("first.txt"));
    EXPECT_EQ(saver.lastPath(), path("first.txt"));
}

TEST_F(SavingTheListing, TheDialogOffersThePathChosenLastTimeAndANewWindowNone) {
    QStringList offered;
    const auto offerThenChoose = [&](const QString& name) {
        saver.setDialogRunner([&, name](QFileDialog& dialog) {
            offered << dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            if (!offered.back().isEmpty()) {
                EXPECT_EQ(dialog.directory().path(), folder.path());
            }
            dialog.selectFile(path(name));
            return true;
        });
        saver.save({});
    };
    offerThenChoose(QStringLiteral("a.txt"));
    offerThenChoose(QStringLiteral("b.txt"));

    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[0], QString());
    EXPECT_EQ(offered[1], QStringLiteral("a.txt"));
    EXPECT_EQ(saver.lastPath(), path("b.txt"));
}

// Failures that hold for root too, since permission bits do not stop root.
TEST_F(SavingTheListing, AMissingFolderCannotTakeTheFile) {
    // Typed into the name box of the dialog, which stands in the temporary folder.
    const QString target = path("missing/hero.txt");
    saver.SaveDialog1().setDirectory(folder.path());
    chooseInDialog(QStringLiteral("missing/hero.txt"));

    EXPECT_EQ(failureOf([&] { saver.save({QStringLiteral("1")}); }),
              "Cannot create file \"" + target.toStdString() + "\". No such file or directory");
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(SavingTheListing, APathThroughARegularFileIsRefused) {
    writeFile("plain", "keep");
    const QString target = path("plain/hero.txt");

    EXPECT_EQ(failureOf([&] { vexilor::writeFileSafely(target, "1\r\n"); }),
              "Cannot create file \"" + target.toStdString() + "\". Not a directory");
    EXPECT_EQ(readFile(path("plain")), "keep");
}

TEST_F(SavingTheListing, AFolderChosenAsTheTargetIsRefused) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sprites.txt")));

    EXPECT_EQ(failureOf([&] { vexilor::writeFileSafely(path("sprites.txt"), "1\r\n"); }),
              "Cannot create file \"" + path("sprites.txt").toStdString() + "\". Is a directory");
    EXPECT_THAT(folderEntries(), ElementsAre("sprites.txt"));
}

TEST_F(SavingTheListing, ANameTheFileSystemRefusesLeavesNothingBehind) {
    const QString target = path(QString(300, u'x') + QStringLiteral(".txt"));

    EXPECT_THAT(failureOf([&] { vexilor::writeFileSafely(target, "1\r\n"); }),
                HasSubstr("\". File name too long"));
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(SavingTheListing, AReadOnlyFileStaysAsItWas) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    writeFile("hero.txt", "old\r\n");
    QFile::setPermissions(path("hero.txt"), QFile::ReadOwner);

    EXPECT_EQ(failureOf([&] { vexilor::writeFileSafely(path("hero.txt"), "new\r\n"); }),
              "Cannot create file \"" + path("hero.txt").toStdString() + "\". Permission denied");
    EXPECT_EQ(readFile(path("hero.txt")), "old\r\n");
}

TEST_F(SavingTheListing, AReadOnlyFolderKeepsItsFileAsItWas) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    writeFile("hero.txt", "old\r\n");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);

    EXPECT_THAT(failureOf([&] { vexilor::writeFileSafely(path("hero.txt"), "new\r\n"); }),
                HasSubstr("Cannot create file \"" + path("hero.txt").toStdString() + "\". "));
    EXPECT_EQ(readFile(path("hero.txt")), "old\r\n");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A disk that fills up halfway: the write runs in a child process whose files may not
// grow beyond a few bytes, and the child reports the failure's message back.
std::string messageOfAWriteBeyond(rlim_t fileSizeLimit, const QString& target,
                                  const QByteArray& bytes) {
    int channel[2];
    if (pipe(channel) != 0)
        return "(no pipe)";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = failureOf([&] { vexilor::writeFileSafely(target, bytes); });
        [[maybe_unused]] auto written = write(channel[1], message.data(), message.size());
        _exit(0);
    }
    close(channel[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return message;
}

class AFullDisk : public SavingTheListing, public testing::WithParamInterface<int> {};

TEST_P(AFullDisk, KeepsTheOldFileIntactAndLeavesNoTemporaryFile) {
    const QByteArray old = "the listing saved yesterday\r\n";
    writeFile("hero.txt", old);

    EXPECT_EQ(messageOfAWriteBeyond(64, path("hero.txt"), QByteArray(GetParam(), '1')),
              "Stream write error");
    EXPECT_EQ(readFile(path("hero.txt")), old);
    EXPECT_THAT(folderEntries(), ElementsAre("hero.txt"));
}

TEST_P(AFullDisk, LeavesNoNewFileBehind) {
    EXPECT_EQ(messageOfAWriteBeyond(64, path("hero.txt"), QByteArray(GetParam(), '1')),
              "Stream write error");
    EXPECT_TRUE(folderEntries().isEmpty());
}

// A short listing fails when the buffered bytes are flushed, a long one in the write.
INSTANTIATE_TEST_SUITE_P(ShortAndLongListings, AFullDisk, testing::Values(1000, 200000));

TEST(PlacingADialog, CentresHorizontallyAndLeavesAThirdOfTheFreeHeightAbove) {
    EXPECT_EQ(vexilor::dialogPosition(QRect(0, 0, 1920, 1080), QSize(600, 400)), QPoint(660, 226));
    // A second monitor to the right; odd remainders round toward zero.
    EXPECT_EQ(vexilor::dialogPosition(QRect(1920, 0, 1281, 1025), QSize(600, 400)),
              QPoint(2260, 208));
    // A dialog larger than the monitor starts above and left of it.
    EXPECT_EQ(vexilor::dialogPosition(QRect(0, 0, 800, 600), QSize(1001, 901)), QPoint(-100, -100));
}

}  // namespace
