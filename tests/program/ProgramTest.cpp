// The editor program as a whole, started on the suite's X server and used as a person
// would use it.
#include <gmock/gmock.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "RunningProgram.h"
#include "TestFiles.h"

namespace {

// Places of the controls in the main window's client area, below the menu bar.
const QPoint kWidthBox(656, 26), kHeightBox(760, 26), kBrushBox(752, 82), kBackgroundBox(752, 106),
    kClearButton(676, 172), kSaveButton(780, 172), kExitWithoutSavingButton(728, 588);

// A user who has never run the program: a home of nothing but its folders.
class AFreshHome : public testing::Test {
protected:
    AFreshHome() {
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(".config"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(".cache"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(".local/share"));
    }

    // Every file below the home, as paths relative to it.
    QStringList filesInHome() const {
        QStringList files;
        QDirIterator found(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (found.hasNext())
            files << QDir(home.path()).relativeFilePath(found.next());
        return files;
    }

    // Clicks the splash window away and answers where the main window's client area
    // begins (below the menu bar), or a null point if a window never came.
    QPoint startUsing(RunningProgram& program) {
        const QRect splash = program.waitForWindow(QStringLiteral("Form2"));
        if (splash.isEmpty())
            return {};
        program.click(splash.center());
        const QRect window = program.waitForWindow(QStringLiteral("Vexilor ver.2.0"));
        if (window.isEmpty())
            return {};
        return window.topLeft() + QPoint(0, window.height() - 633);
    }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(AFreshHome, HoldsNothingButTheSavedListingAfterARun) {
    RunningProgram program(QStringLiteral(EDITOR_PROGRAM), environment);
    const QPoint client = startUsing(program);
    ASSERT_FALSE(client.isNull()) << program.errorOutput().toStdString();
    for (const auto& [box, text] :
         {std::pair{kWidthBox, "8"}, {kHeightBox, "8"}, {kBrushBox, "0"}, {kBackgroundBox, "7"}}) {
        program.click(client + box);
        program.pressKeys(QStringLiteral("ctrl+a"));
        program.type(QString::fromLatin1(text));
    }
    program.click(client + kClearButton);
    program.click(client + kSaveButton);
    const QString saved = home.filePath(QStringLiteral("sprite.txt"));
    program.pressKeys(QStringLiteral("ctrl+a"));
    program.type(saved);
    program.pressKeys(QStringLiteral("Return"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved); }, 20000));

    program.click(client + kExitWithoutSavingButton);
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_THAT(filesInHome(), testing::ElementsAre("sprite.txt"));
}

}  // namespace
