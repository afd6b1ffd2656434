#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>

#include "Desktop.h"
#include "ErrorBox.h"
#include "LabelText.h"
#include "WidgetTesting.h"

using namespace vexilor;

TEST(ReportingAFailure, TheBoxAddsAFullStopWhereNeededUnderTheProgramsName) {
    EXPECT_EQ(errorBoxText("Ошибка"), "Ошибка.");
    EXPECT_EQ(errorBoxText("Stream write error."), "Stream write error.");
    EXPECT_EQ(errorBoxText("Готово!"), "Готово!");  // "!" sorts before "."
    EXPECT_EQ(applicationTitle("/opt/Vexilor.Editor.exe"), "Vexilor");
    EXPECT_EQ(applicationTitle("C/PROJECT1.EXE"), "Project1");
}

TEST(ReadingTheStatusLine, AnAmpersandIsHiddenADoubledOneShowsOnceAndMarkupAsItStands) {
    QLabel label;
    const auto shown = [&](const QString& caption) {
        setLabelCaption(label, caption);
        QTextDocument document;
        document.setHtml(label.text());
        return label.textFormat() == Qt::PlainText ? label.text() : document.toPlainText();
    };
    EXPECT_EQ(shown("/home/R&D/"), "/home/RD/");
    EXPECT_EQ(shown("/home/R&&D/"), "/home/R&D/");
    EXPECT_EQ(shown("R&D <b>7</b>  x"), "RD <b>7</b>  x");
}

TEST(PlacingTheWindow, ItStandsInTheMiddleOfTheVirtualScreenButNotBeforeItsOrigin) {
    EXPECT_EQ(centredTopLeft(QSize(3840, 1080), QSize(871, 680)), QPoint(1484, 200));
    EXPECT_EQ(centredTopLeft(QSize(870, 600), QSize(871, 599)), QPoint(0, 0));
}

TEST(OpeningHelp, ThePageBesideTheExecutableComesBeforeTheInstalledOne) {
    QTemporaryDir root;
    const auto page = [&](const QString& folder) {
        return QFileInfo(root.filePath(folder + "/index.html")).canonicalFilePath();
    };
    const QString bin = root.filePath("bin") + "/";
    QDir().mkpath(bin);
    EXPECT_TRUE(findHelpPage(bin).isEmpty());
    for (const char* folder : {"share/vexilor/help", "bin/help"}) {
        QDir().mkpath(root.filePath(folder));
        QFile(root.filePath(folder) + "/index.html").open(QIODevice::WriteOnly);
        EXPECT_EQ(findHelpPage(bin), page(folder));
    }
    // The test program lives in the build tree beside the editor's folder.
    EXPECT_FALSE(findHelpPage(QCoreApplication::applicationDirPath() + "/../../editor/").isEmpty());
}
