#pragma once

#include <gmock/gmock.h>
#include <sys/wait.h>

#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "TestFiles.h"

// Runs the built converter, or another command, in a temporary folder and keeps what it
// printed and its exit status.
class ListingTool : public testing::Test {
protected:
    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    Run shell(const QString& command) {
        const QString redirected =
            QStringLiteral("%1 >'%2' 2>'%3'").arg(command, path("out"), path("err"));
        const int status = std::system(redirected.toLocal8Bit().constData());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(path("out")),
                readFile(path("err"))};
    }
    Run run(const QString& arguments) {
        return shell(QStringLiteral("'%1' %2").arg(LISTING_TOOL, arguments));
    }
    Run inDir(const QString& command) {
        return shell(QStringLiteral("cd '%1' && %2").arg(dir.path(), command));
    }

    // tools/setup installs the game tools, so in CI a missing one is a fault. `name` is a
    // program on the PATH, or a file by its full path.
    static void requireTool(const QString& name) {
        if (name.startsWith('/') ? QFile::exists(name)
                                 : !QStandardPaths::findExecutable(name).isEmpty())
            return;
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << qPrintable(name) << " is missing; tools/setup installs it";
        GTEST_SKIP() << qPrintable(name) << " is missing; tools/setup installs it";
    }

    // An 8 x 8 plain PBM with the diagonal from the top-left corner set.
    QString diagonalPbm() {
        QByteArray pbm = "P1\n8 8\n";
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                pbm += x == y ? "1 " : "0 ";
        EXPECT_TRUE(writeFile(path("diagonal.pbm"), pbm));
        return path("diagonal.pbm");
    }

    // A white PNG of the given size, its pixels (x, y) with `isSet` black.
    template <typename Predicate>
    QString png(const QString& name, int width, int height, Predicate isSet) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, isSet(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        EXPECT_TRUE(image.save(path(name)));
        return path(name);
    }
};
