#include <gmock/gmock.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "CoreTesting.h"
#include "ListingBox.h"
#include "ListingFile.h"
#include "ListingSaver.h"
#include "ModalAnswer.h"

using testing::ElementsAre;

namespace {

class SavingTheListing : public testing::Test {
protected:
    QTemporaryDir folder;
    QWidget window;
    vexilor::ListingSaver saver{&window};

    QString path(const QString& name) const { return folder.filePath(name); }
    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // The user types a name into the real modal dialog, which stands in the temporary
    // folder, and presses Enter (or Escape to cancel). Remembers the name it offered.
    void save(const QString& typed, const QStringList& lines, Qt::Key key = Qt::Key_Return) {
        saver.SaveDialog1().setDirectory(folder.path());
        ModalAnswer answer([&](QWidget& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            offered << name->text();
            // The dialog lets a typed name replace the file it picked in its list only
            // while the name field has the focus, as it has when the user types. With no
            // window manager, the dialog becomes active only when asked.
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            EXPECT_TRUE(name->hasFocus());
            name->setText(typed);
            QTest::keyClick(name, key);
        });
        saver.save(lines);
    }
    QStringList offered;
};

TEST_F(SavingTheListing, WritesEveryLineInWindows1251WithCrLfAfterTheLastOneToo) {
    save(QStringLiteral("hero.txt"), diagonalListing());
    EXPECT_EQ(readFile(path("hero.txt")),
              "   A1: DATA 128, 64, 32, 16, 8, 4, 2, 1, \r\n\r\n\r\n"
              "    10000000\r\n    01000000\r\n    00100000\r\n    00010000\r\n"
              "    00001000\r\n    00000100\r\n    00000010\r\n    00000001\r\n\r\n\r\n"
              "\xD1\xEE\xE7\xE4\xE0\xED\xEE \xEF\xF0\xE8 \xEF\xEE\xEC\xEE\xF9\xE8 "
              "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB Vexilor ver.2.0\r\n"
              "\xC0\xE2\xF2\xEE\xF0\xFB: \xF0\xE0\xE7\xF0\xE0\xE1\xEE\xF2\xF7\xE8\xEA\xE8 "
              "Vexilor, 2026\r\nhttps://vexilor.example.org/\r\n");
}

TEST_F(SavingTheListing, AddsTxtOnceReplacesWithoutAQuestionAndWritesAnEmptyBoxAsNoBytes) {
    ASSERT_TRUE(writeFile(path("old.txt"), "an older and longer listing\r\n"));
    save(QStringLiteral("hero"), {QStringLiteral("1")});
    save(QStringLiteral("old.txt"), {QStringLiteral("new")});
    save(QStringLiteral("empty.txt"), {});
    EXPECT_THAT(folderEntries(), ElementsAre("empty.txt", "hero.txt", "old.txt"));
    EXPECT_EQ(readFile(path("hero.txt")), "1\r\n");
    EXPECT_EQ(readFile(path("old.txt")), "new\r\n");
    EXPECT_EQ(readFile(path("empty.txt")), QByteArray());
}

TEST_F(SavingTheListing, TheDialogOffersThePathChosenLastButNotACancelledOne) {
    save(QStringLiteral("a.txt"), {});
    save(QStringLiteral("b.txt"), {}, Qt::Key_Escape);
    save(QStringLiteral("c.txt"), {});
    EXPECT_EQ(offered, QStringList({"", "a.txt", "a.txt"}));
    EXPECT_THAT(folderEntries(), ElementsAre("a.txt", "c.txt"));
}

// Places that cannot take the file whoever runs the test (permission bits do not stop
// root, so read-only files are no such place).
TEST_F(SavingTheListing, APlaceThatCannotTakeTheFileIsNamedWithTheSystemsReason) {
    ASSERT_TRUE(writeFile(path("plain"), "keep"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sprites.txt")));
    const std::pair<QString, QString> refusals[] = {
        {"missing/hero.txt", "No such file or directory"},
        {"plain/hero.txt", "Not a directory"},
        {"sprites.txt", "Is a directory"}};
    for (const auto& [name, reason] : refusals) {
        const QString message =
            QStringLiteral("Cannot create file \"%1\". %2").arg(path(name), reason);
        // A new window's dialog: it stands in the temporary folder, not where the last went.
        vexilor::ListingSaver fresh(&window);
        fresh.SaveDialog1().setDirectory(folder.path());
        fresh.setDialogRunner([&name = name](QFileDialog& dialog) {
            dialog.selectFile(name);
            return true;
        });
        EXPECT_THAT([&] { fresh.save({QStringLiteral("1")}); }, failsWith(message.toStdString()));
    }
    EXPECT_THAT(folderEntries(), ElementsAre("plain", "sprites.txt"));
    EXPECT_EQ(readFile(path("plain")), "keep");
}

// A disk that fills up halfway: the write runs in a child process whose files may not
// grow beyond 64 bytes; the child's exit code says whether it failed with the message.
bool failsAsOnAFullDisk(const QString& target, const QByteArray& bytes) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            vexilor::writeFileSafely(target, bytes);
        } catch (const vexilor::Failure& failure) {
            _exit(std::string_view(failure.what()) == "Stream write error" ? 0 : 1);
        }
        _exit(2);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SavingTheListing, AFullDiskKeepsTheOldFileIntactAndLeavesNoOtherFile) {
    const QByteArray old = "the listing saved yesterday\r\n";
    ASSERT_TRUE(writeFile(path("old.txt"), old));
    // A short listing fails when buffered bytes are flushed, a long one while written.
    for (int size : {1000, 200000}) {
        for (const char* name : {"old.txt", "new.txt"})
            EXPECT_TRUE(failsAsOnAFullDisk(path(name), QByteArray(size, '1'))) << name << size;
        EXPECT_EQ(readFile(path("old.txt")), old);
        EXPECT_THAT(folderEntries(), ElementsAre("old.txt"));
    }
}

}  // namespace
