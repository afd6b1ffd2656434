#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Desktop.h"
#include "ErrorBox.h"
#include "Failure.h"

using namespace vexilor;

namespace {

void writeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
}

}  // namespace

TEST(ReportingAFailure, TheBoxAddsAFullStopOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(errorBoxText("'abc' is not a valid integer value"),
              "'abc' is not a valid integer value.");
    EXPECT_EQ(errorBoxText("Stream write error."), "Stream write error.");
    EXPECT_EQ(errorBoxText("Готово!"), "Готово!");  // "!" sorts before "."
    EXPECT_EQ(errorBoxText("Ошибка"), "Ошибка.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(ReportingAFailure, TheCaptionIsTheExecutableNameCutAtItsFirstDot) {
    EXPECT_EQ(applicationTitle("/usr/bin/vexilor"), "vexilor");
    EXPECT_EQ(applicationTitle("/opt/Vexilor.Editor.exe"), "Vexilor");
    EXPECT_EQ(applicationTitle("C/PROJECT1.EXE"), "Project1");
}

TEST(ReportingAFailure, AFailureInAHandlerEndsItAndIsShownOnce) {
    QStringList shown;
    setErrorBoxPresenter(
        [&](const QString& caption, const QString& text) { shown << caption + "|" + text; });
    bool ranPastTheFailure = false;
    runGuarded([&] {
        throw Failure("Cannot create file x.txt");
        ranPastTheFailure = true;
    });
    runGuarded([] {});
    runGuarded({});
    setErrorBoxPresenter({});
    EXPECT_FALSE(ranPastTheFailure);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first(), "editor_tests|Cannot create file x.txt.");
}

TEST(PlacingTheWindow, ItStandsInTheMiddleOfTheVirtualScreen) {
    EXPECT_EQ(centredTopLeft(QSize(1920, 1080), QSize(871, 680)), QPoint(524, 200));
    // Two monitors side by side count as one wide screen.
    EXPECT_EQ(centredTopLeft(QSize(3840, 1080), QSize(871, 680)), QPoint(1484, 200));
}

TEST(PlacingTheWindow, AWindowLargerThanTheScreenStartsAtItsOrigin) {
    EXPECT_EQ(centredTopLeft(QSize(800, 600), QSize(871, 680)), QPoint(0, 0));
    EXPECT_EQ(centredTopLeft(QSize(870, 600), QSize(871, 599)), QPoint(0, 0));
}

TEST(OpeningHelp, ThePageBesideTheExecutableComesFirst) {
    QTemporaryDir root;
    writeFile(root.filePath("bin/help/index.html"));
    writeFile(root.filePath("share/vexilor/help/index.html"));
    EXPECT_EQ(findHelpPage(root.filePath("bin") + "/"),
              QFileInfo(root.filePath("bin/help/index.html")).canonicalFilePath());
}

TEST(OpeningHelp, AnInstalledProgramFindsThePageInTheShareFolder) {
    QTemporaryDir root;
    QDir().mkpath(root.filePath("bin"));
    writeFile(root.filePath("share/vexilor/help/index.html"));
    EXPECT_EQ(findHelpPage(root.filePath("bin") + "/"),
              QFileInfo(root.filePath("share/vexilor/help/index.html")).canonicalFilePath());
}

TEST(OpeningHelp, NoPageGivesNothingToOpen) {
    QTemporaryDir root;
    EXPECT_TRUE(findHelpPage(root.path() + "/").isEmpty());
}

TEST(OpeningHelp, TheBuildFolderHasThePage) {
    // The test program lives in the build tree beside the editor's folder.
    const QString editorFolder = QCoreApplication::applicationDirPath() + "/../../editor/";
    EXPECT_FALSE(findHelpPage(editorFolder).isEmpty());
}
