#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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

using testing::ElementsAre;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class SavingTheListing : public testing::Test {
protected:
    QTemporaryDir folder;
    QWidget window;
    vexilor::ListingSaver saver{&window};

    QString path(const QString& name) const { return folder.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // The user types `typed` into the name box of the dialog, which stands in the
    // temporary folder, and confirms (or cancels) it.
    void chooseInDialog(const QString& typed, bool confirm = true) {
        saver.SaveDialog1().setDirectory(folder.path());
        saver.setDialogRunner([typed, confirm](QFileDialog& dialog) {
            dialog.selectFile(typed);
            return confirm;
        });
    }
    // The same through the real modal dialog, answered by pressing Enter in its name box.
    void saveTypingIntoTheRealDialog(const QString& typed, const QStringList& lines) {
        saver.SaveDialog1().setDirectory(folder.path());
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
    chooseInDialog(QStringLiteral("hero.txt"));
    saver.save(diagonalListing());

    const QByteArray bytes = readFile(path("hero.txt"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 17);  // 16 lines and nothing after the last line feed
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i;
    EXPECT_EQ(lines[0], "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \r");
    EXPECT_EQ(lines[10], "    00000001\r");
    // "Создано" as single Windows-1251 bytes, and no byte-order mark anywhere.
    EXPECT_TRUE(lines[13].startsWith("\xD1\xEE\xE7\xE4\xE0\xED\xEE "));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
}

TEST_F(SavingTheListing, AnEmptyBoxRightAfterClearGivesAnEmptyFile) {
    chooseInDialog(QStringLiteral("empty.txt"));
    saver.save({});

    EXPECT_EQ(readFile(path("empty.txt")), QByteArray());
}

TEST_F(SavingTheListing, ATypedNameGetsTxtOnceAndAnExistingFileIsReplacedWithoutAQuestion) {
    writeFile("old.txt", "an older and longer listing\r\n");
    saveTypingIntoTheRealDialog(QStringLiteral("hero"), {QStringLiteral("1")});
    saveTypingIntoTheRealDialog(QStringLiteral("old.txt"), {QStringLiteral("new")});

    EXPECT_THAT(folderEntries(), ElementsAre("hero.txt", "old.txt"));
    EXPECT_EQ(readFile(path("old.txt")), "new\r\n");
}

TEST_F(SavingTheListing, TheDialogIsModalAndSitsCentredWithAThirdOfTheFreeHeightAbove) {
    window.show();
    QRect shown;
    QRect monitor;
    answerNextDialog([&](QWidget& dialog) {
        shown = QRect(dialog.pos(), dialog.size());
        monitor = dialog.screen()->geometry();
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        static_cast<QDialog&>(dialog).reject();
    });
    saver.save({QStringLiteral("1")});

    ASSERT_TRUE(shown.isValid());
    EXPECT_EQ(shown.x(), monitor.left() + (monitor.width() - shown.width()) / 2);
    EXPECT_EQ(shown.y(), monitor.top() + (monitor.height() - shown.height()) / 3);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(SavingTheListing, TheDialogOffersThePathChosenLastButNotACancelledOne) {
    QStringList offered;
    const auto offerThenChoose = [&](const QString& name, bool confirm) {
        saver.setDialogRunner([&, name, confirm](QFileDialog& dialog) {
            offered << dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog.selectFile(path(name));
            return confirm;
        });
        saver.save({});
    };
    offerThenChoose(QStringLiteral("a.txt"), true);
    offerThenChoose(QStringLiteral("b.txt"), false);
    offerThenChoose(QStringLiteral("c.txt"), true);

    EXPECT_THAT(offered, ElementsAre("", "a.txt", "a.txt"));
    EXPECT_THAT(folderEntries(), ElementsAre("a.txt", "c.txt"));
}

// Places that cannot take the file, whoever runs the test (permission bits do not stop
// root, so read-only files are no such place).
struct Refusal {
    std::string typed;
    const char* reason;
};

class ACreationRefusal : public SavingTheListing, public testing::WithParamInterface<Refusal> {};

TEST_P(ACreationRefusal, NamesThePathAndTheSystemsReasonAndChangesNothing) {
    writeFile("plain", "keep");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sprites.txt")));
    const QString typed = QString::fromStdString(GetParam().typed);
    chooseInDialog(typed);

    try {
        saver.save({QStringLiteral("1")});
        ADD_FAILURE() << "saved";
    } catch (const vexilor::Failure& failure) {
        EXPECT_EQ(failure.what(), QStringLiteral("Cannot create file \"%1\". %2")
                                      .arg(path(typed), GetParam().reason)
                                      .toStdString());
    }
    EXPECT_THAT(folderEntries(), ElementsAre("plain", "sprites.txt"));
    EXPECT_EQ(readFile(path("plain")), "keep");
}

INSTANTIATE_TEST_SUITE_P(Saving, ACreationRefusal,
                         testing::Values(Refusal{"missing/hero.txt", "No such file or directory"},
                                         Refusal{"plain/hero.txt", "Not a directory"},
                                         Refusal{"sprites.txt", "Is a directory"},
                                         Refusal{std::string(300, 'x') + ".txt",
                                                 "File name too long"}));

TEST_F(SavingTheListing, ANewFileMayHaveTheLongestNameTheFileSystemTakes) {
    const QString longest = QString(251, u'x') + QStringLiteral(".txt");
    chooseInDialog(longest);
    saver.save({QStringLiteral("1")});

    EXPECT_EQ(readFile(path(longest)), "1\r\n");
}

// A disk that fills up halfway: the write runs in a child process whose files may not
// grow beyond 64 bytes, and the child reports the failure's message back.
std::string messageOfAWriteBeyond64Bytes(const QString& target, const QByteArray& bytes) {
    int channel[2];
    if (pipe(channel) != 0)
        return "(no pipe)";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string message = "(no failure)";
        try {
            vexilor::writeFileSafely(target, bytes);
        } catch (const vexilor::Failure& failure) {
            message = failure.what();
        }
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

TEST_P(AFullDisk, KeepsTheOldFileIntactAndLeavesNoOtherFile) {
    const QByteArray old = "the listing saved yesterday\r\n";
    writeFile("old.txt", old);
    const QByteArray listing(GetParam(), '1');

    EXPECT_EQ(messageOfAWriteBeyond64Bytes(path("old.txt"), listing), "Stream write error");
    EXPECT_EQ(messageOfAWriteBeyond64Bytes(path("new.txt"), listing), "Stream write error");
    EXPECT_EQ(readFile(path("old.txt")), old);
    EXPECT_THAT(folderEntries(), ElementsAre("old.txt"));
}

// A short listing fails when buffered bytes would be flushed, a long one while written.
INSTANTIATE_TEST_SUITE_P(ShortAndLongListings, AFullDisk, testing::Values(1000, 200000));

TEST(PlacingADialog, CentresHorizontallyAndLeavesAThirdOfTheFreeHeightAbove) {
    EXPECT_EQ(vexilor::dialogPosition(QRect(0, 0, 1920, 1080), QSize(600, 400)), QPoint(660, 226));
    // A second monitor to the right; odd remainders round toward zero.
    EXPECT_EQ(vexilor::dialogPosition(QRect(1920, 0, 1281, 1025), QSize(600, 400)),
              QPoint(2260, 208));
}

}  // namespace
