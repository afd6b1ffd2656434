#include <gmock/gmock.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <future>
#include <string>

#include "CoreTesting.h"
#include "ListingBox.h"
#include "ListingFile.h"
#include "ListingSaver.h"
#include "ModalAnswer.h"
#include "ScreenPixels.h"

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
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // The user types a name into the real modal dialog, which stands in the temporary
    // folder, and presses Enter (or Escape to cancel). Remembers the name it offered.
    void save(const QString& typed, const QStringList& lines, Qt::Key key = Qt::Key_Return) {
        saver.SaveDialog1().setDirectory(folder.path());
        ModalAnswer answer([&](QWidget& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            offered << name->text();
            // Centred across the screen by its outer size, a third of the free height above.
            const QRect outer = outerRectOnScreen(dialog), screen = dialog.screen()->geometry();
            EXPECT_EQ(outer.topLeft(), QPoint((screen.width() - outer.width()) / 2,
                                              (screen.height() - outer.height()) / 3));
            // The dialog lets a typed name replace the file it picked in its list only
            // while the name field has the focus, as it has when the user types.
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

// Qt's own texts of the dialog read in Russian, as the program's own do, whatever the
// locale; the filter is the program's.
TEST_F(SavingTheListing, TheDialogSpeaksRussian) {
    QStringList shown;
    saver.setDialogRunner([&](QFileDialog& dialog) {
        for (const char* name : {"buttonBox", "fileNameLabel", "fileTypeLabel", "lookInLabel"}) {
            const QObject* part = dialog.findChild<QObject*>(QString::fromLatin1(name));
            for (const auto* button : part->findChildren<QPushButton*>())
                shown << button->text();
            if (const auto* label = qobject_cast<const QLabel*>(part))
                shown << label->text();
        }
        shown << dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        return false;
    });
    saver.save({});
    EXPECT_EQ(shown.join('|'),
              "&Сохранить|Отмена|&Имя файла:|Типы файлов:|Перейти к:|Текстовый файл");
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

// What writing `bytes` to `target` ends in, "" for success or the failure's message,
// when the write runs in a child process that `restrict` has first denied something
// (room on the disk, the test's own user), so that the test process keeps its rights.
std::string writeInARestrictedChild(const QString& target, const QByteArray& bytes,
                                    const std::function<bool()>& restrict) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe to the child process";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::string outcome;
        if (!restrict()) {
            outcome = "the child process could not be restricted";
        } else {
            try {
                vexilor::writeFileSafely(target, bytes);
            } catch (const vexilor::Failure& failure) {
                outcome = failure.what();
            }
        }
        const bool told =
            write(pipeEnds[1], outcome.data(), outcome.size()) == ssize_t(outcome.size());
        _exit(told ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string outcome;
    char buffer[256];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        outcome.append(buffer, size_t(got));
    close(pipeEnds[0]);
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? outcome : "the child process failed";
}

// A disk that fills up halfway: files may not grow beyond 64 bytes.
bool limitFilesTo64Bytes() {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Permission bits bind any user but root, which becomes the unprivileged "nobody".
bool becomeAnOrdinaryUser() {
    const uid_t nobody = 65534;
    return geteuid() != 0 ||
           (setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0);
}

TEST_F(SavingTheListing, AFullDiskKeepsTheOldFileIntactAndLeavesNoOtherFile) {
    const QByteArray old = "the listing saved yesterday\r\n";
    ASSERT_TRUE(writeFile(path("old.txt"), old));
    // A short listing fails when buffered bytes are flushed, a long one while written.
    for (int size : {1000, 200000}) {
        for (const char* name : {"old.txt", "new.txt"}) {
            EXPECT_EQ(
                writeInARestrictedChild(path(name), QByteArray(size, '1'), limitFilesTo64Bytes),
                "Stream write error")
                << name << size;
        }
        EXPECT_EQ(readFile(path("old.txt")), old);
        EXPECT_THAT(folderEntries(), ElementsAre("old.txt"));
    }
}

// No file can be made beside the old one, so there is no safe replacement; a file that
// may be written is then written in place, and a read-only one is refused.
TEST_F(SavingTheListing, InAFolderThatTakesNoNewFileAWritableFileIsStillReplaced) {
    const QString locked = path("locked");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("locked")));
    ASSERT_TRUE(writeFile(locked + "/writable.txt", "the old and longer listing\r\n"));
    ASSERT_TRUE(writeFile(locked + "/read-only.txt", "kept\r\n"));
    using P = QFileDevice;
    const auto readable = P::ReadOwner | P::ReadGroup | P::ReadOther;
    const auto searchable = P::ExeOwner | P::ExeGroup | P::ExeOther;
    const auto writable = P::WriteOwner | P::WriteGroup | P::WriteOther;
    QFile::setPermissions(locked + "/writable.txt", readable | writable);
    QFile::setPermissions(locked + "/read-only.txt", readable);
    QFile::setPermissions(locked, readable | searchable);
    QFile::setPermissions(folder.path(), readable | searchable | P::WriteOwner);

    EXPECT_EQ(writeInARestrictedChild(locked + "/writable.txt", "new\r\n", becomeAnOrdinaryUser),
              "");
    EXPECT_EQ(writeInARestrictedChild(locked + "/read-only.txt", "new\r\n", becomeAnOrdinaryUser),
              QStringLiteral("Cannot create file \"%1/read-only.txt\". Permission denied")
                  .arg(locked)
                  .toStdString());
    QFile::setPermissions(locked, readable | searchable | P::WriteOwner);  // to be removed
    EXPECT_EQ(readFile(locked + "/writable.txt"), "new\r\n");
    EXPECT_EQ(readFile(locked + "/read-only.txt"), "kept\r\n");
    EXPECT_THAT(QDir(locked).entryList(QDir::Files | QDir::Hidden),
                ElementsAre("read-only.txt", "writable.txt"));
}

// What a path leads to, through links.
std::string kindAt(const QString& path) {
    struct stat status = {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return "nothing";
    return S_ISCHR(status.st_mode)    ? "char device"
           : S_ISFIFO(status.st_mode) ? "pipe"
           : S_ISSOCK(status.st_mode) ? "socket"
                                      : "other";
}

// Nothing can be put in a device's, a pipe's or a socket's place, so they are written
// straight (a socket refuses), and stay what they are: /dev/null too, whoever runs this.
TEST_F(SavingTheListing, ADevicePipeOrSocketIsWrittenStraightAndStaysWhatItIs) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("pipe"), path("link-to-pipe")));
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(path("socket")).constData(),
             sizeof address.sun_path);
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const QByteArray bytes = "   A1: DATA 1, 2\r\n";
    const std::tuple<QString, std::string, QString> cases[] = {
        {"/dev/null", "char device", ""},
        {path("link-to-pipe"), "pipe", ""},
        {path("socket"), "socket",
         "Cannot create file \"" + path("socket") + "\". No such device or address"}};
    for (const auto& [target, kind, failure] : cases) {
        // A pipe takes the bytes once someone reads it.
        auto read = std::async(std::launch::async, [&target = target, &kind = kind] {
            return kind == "pipe" ? readFile(target) : QByteArray();
        });
        QString outcome;
        try {
            vexilor::writeFileSafely(target, bytes);
        } catch (const vexilor::Failure& refused) {
            outcome = refused.what();
            if (kind == "pipe")
                writeFile(target, {});  // lets the reader go
        }
        EXPECT_EQ(outcome, failure);
        EXPECT_EQ(read.get(), kind == "pipe" ? bytes : QByteArray()) << target.toStdString();
        EXPECT_EQ(kindAt(target), kind) << target.toStdString();
    }
    close(listening);
    EXPECT_THAT(folderEntries(), ElementsAre("link-to-pipe", "pipe", "socket"));
}

}  // namespace
