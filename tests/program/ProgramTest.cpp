// The editor program as a whole, started on the suite's X server and used as a person
// would use it.
#include <gmock/gmock.h>

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "RunningProgram.h"
#include "TestDisplays.h"
#include "TestFiles.h"
#include "WindowSystemChoice.h"

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

    // Starts the program, dismisses its splash window with Escape and answers where the
    // main window's client area begins, below the menu bar; a null point if it did not show.
    QPoint startPastTheSplash(RunningProgram& program) {
        EXPECT_FALSE(program.waitForWindow(QStringLiteral("Form2")).isEmpty());
        program.pressKeys(QStringLiteral("Escape"));
        const QRect window = program.waitForWindow(QStringLiteral("Vexilor ver.2.0"));
        EXPECT_FALSE(window.isEmpty()) << "Escape did not dismiss the splash window";
        return window.isEmpty() ? QPoint() : window.topLeft() + QPoint(0, window.height() - 633);
    }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// Where the placement rule puts a window of that outer size on the suite's screen.
QPoint centredOnTheScreen(QSize outer) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

// A Wayland desktop such as KDE Plasma, where the program's Wayland plugin is installed,
// runs an X server beside the compositor: the program goes there, where its windows fade
// and stand in the middle of the screen, and the desktop finds its menu entry and icon.
// A run, saving once through the dialog, leaves nothing in the home but the saved file.
TEST_F(AFreshHome, OnAWaylandDesktopTheProgramUsesItsXServerAndLeavesOnlyTheSavedFile) {
    const QByteArray compositor = testWaylandSocket();
    ASSERT_FALSE(compositor.isEmpty()) << "the suite's Wayland compositor is not running";
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QString::fromLocal8Bit(compositor));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
    RunningProgram program(QStringLiteral(EDITOR_PROGRAM), environment);

    const QString entryClass = QSettings(QStringLiteral(DESKTOP_ENTRY_FILE), QSettings::IniFormat)
                                   .value(QStringLiteral("Desktop Entry/StartupWMClass"))
                                   .toString();
    const QString entryName = QFileInfo(QStringLiteral(DESKTOP_ENTRY_FILE)).completeBaseName();
    ASSERT_FALSE(entryClass.isEmpty()) << "the desktop entry names no window class";
    // The window of that title, found on the X server, centred and named after the entry.
    const auto expectPlacedAndNamed = [&](const QString& title) {
        const QRect window = program.waitForWindow(title);
        if (window.isEmpty()) {
            ADD_FAILURE() << title.toStdString() << " is not on the X server\n"
                          << program.errorOutput().toStdString();
            return window;
        }
        EXPECT_EQ(window.topLeft(), centredOnTheScreen(window.size())) << title.toStdString();
        EXPECT_THAT(program.windowStrings(title, QStringLiteral("WM_CLASS")),
                    testing::ElementsAre(testing::_, entryClass));
        EXPECT_THAT(program.windowStrings(title, QStringLiteral("_KDE_NET_WM_DESKTOP_FILE")),
                    testing::ElementsAre(entryName));
        return window;
    };
    const QRect splash = expectPlacedAndNamed(QStringLiteral("Form2"));
    ASSERT_FALSE(splash.isEmpty());
    program.click(splash.center());
    const QRect window = expectPlacedAndNamed(QStringLiteral("Vexilor ver.2.0"));
    ASSERT_FALSE(window.isEmpty());
    // The client area begins below the menu bar.
    const QPoint client = window.topLeft() + QPoint(0, window.height() - 633);

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
    EXPECT_EQ(program.errorOutput(), QString()) << "the program warned about something";
    EXPECT_THAT(filesInHome(), testing::ElementsAre("sprite.txt"));
}

// Registered for the suite's X server with a window manager (CMakeLists.txt): the main
// window stands centred by its outer size, is active once the splash is clicked away and
// cannot be maximised; Alt+F4 and its close box ask the close question.
TEST_F(AFreshHome, UnderAWindowManagerTheWindowIsCentredActiveAndAsksBeforeClosing) {
    RunningProgram program(QStringLiteral(EDITOR_PROGRAM), environment);
    program.click(program.waitForWindow(QStringLiteral("Form2")).center());
    const QString title = QStringLiteral("Vexilor ver.2.0");
    const QRect window = program.waitForWindow(title);
    const QStringList frame = program.windowStrings(title, QStringLiteral("_NET_FRAME_EXTENTS"));
    ASSERT_EQ(frame.size(), 4);  // left, right, top, bottom
    const QRect outer =
        window.adjusted(-frame[0].toInt(), -frame[2].toInt(), frame[1].toInt(), frame[3].toInt());
    EXPECT_EQ(outer.topLeft(), centredOnTheScreen(outer.size()));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return program.windowStrings(title, "_NET_WM_STATE").contains("_NET_WM_STATE_FOCUSED");
    }));
    const QString actions = program.windowStrings(title, "_NET_WM_ALLOWED_ACTIONS").join(' ');
    EXPECT_TRUE(actions.contains("CLOSE") && !actions.contains("MAXIMIZE"))
        << actions.toStdString();

    program.pressKeys(QStringLiteral("alt+F4"));
    ASSERT_FALSE(program.waitForWindow(QStringLiteral("Information")).isEmpty());
    program.pressKeys(QStringLiteral("Escape"));
    // The close box is the title bar's last button, a square as high as the bar.
    program.click(outer.topRight() + QPoint(-frame[2].toInt() / 2, frame[2].toInt() / 2));
    ASSERT_FALSE(program.waitForWindow(QStringLiteral("Information")).isEmpty());
    program.pressKeys(QStringLiteral("Return"));
    EXPECT_EQ(program.waitForExit(), 0);
}

// Where nothing can start a browser (no xdg-open nor any browser on the PATH), F1 shows
// the help page in a window of the program's own.
TEST_F(AFreshHome, WithoutABrowserF1ShowsTheHelpPageInAWindowOfItsOwn) {
    environment.insert(QStringLiteral("PATH"), home.path());
    environment.remove(QStringLiteral("BROWSER"));
    environment.remove(QStringLiteral("DEFAULT_BROWSER"));
    RunningProgram program(QStringLiteral(EDITOR_PROGRAM), environment);
    const QPoint client = startPastTheSplash(program);
    ASSERT_FALSE(client.isNull());
    program.pressKeys(QStringLiteral("F1"));
    const QRect help = program.waitForWindow(QStringLiteral("Помощь"));
    EXPECT_FALSE(help.isEmpty()) << program.errorOutput().toStdString();
    EXPECT_EQ(help.topLeft(), centredOnTheScreen(help.size()));
    program.click(client + kExitWithoutSavingButton);
    EXPECT_EQ(program.waitForExit(), 0);
}

// What a screen reader reads of the running program through the accessibility bus of the
// test's own session (support/in-a-session-bus): the grid's table with the
// names of the cells asked for by "ROW,COLUMN", as tests/program/screen-reader-view
// tells it.
QJsonObject screenReaderView(const QProcessEnvironment& environment, const QStringList& cells) {
    QProcess reader;
    reader.setProcessEnvironment(environment);
    reader.start(QStringLiteral(SCREEN_READER_VIEW), cells);
    const bool read = reader.waitForFinished(120000) && reader.exitCode() == 0;
    EXPECT_TRUE(read) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

// A known sprite, 24 x 16 so that rows and columns cannot be mistaken for each other,
// opened from the command line: the screen reader finds every pixel of the field in its
// cell, checked where it is set, the cells named as the listing names them, the labels and
// swatches named; a pixel then painted with the mouse is heard as its cell checked and
// focused, and reads set, in the focused cell.
TEST_F(AFreshHome, AScreenReaderReadsTheGridsPixelsAndThePaintedOneInTheFocusedCell) {
    ASSERT_TRUE(environment.contains(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")))
        << "this test needs a session where a screen reader listens; run it through ctest";
    QImage sprite(24, 16, QImage::Format_RGB32);
    sprite.fill(Qt::white);
    QStringList pixels(64, QString(64, u'0'));
    for (int row = 0; row < sprite.height(); ++row)
        for (int column = 0; column < sprite.width(); ++column)
            if ((column * 3 + row * 5) % 7 == 0) {
                sprite.setPixel(column, row, qRgb(0, 0, 0));
                pixels[row][column] = u'1';
            }
    const QString file = home.filePath(QStringLiteral("sprite.png"));
    ASSERT_TRUE(sprite.save(file));
    RunningProgram program(QStringLiteral(EDITOR_PROGRAM), environment, {file});
    program.click(program.waitForWindow(QStringLiteral("Form2")).center());
    const QRect window = program.waitForWindow(QStringLiteral("Vexilor ver.2.0"));
    ASSERT_FALSE(window.isEmpty()) << program.errorOutput().toStdString();

    const QJsonObject opened = screenReaderView(environment, {"0,0", "4,10", "63,63"});
    EXPECT_EQ(opened["grid"].toString(), "Пиксели спрайта");
    EXPECT_EQ(opened["rows"].toInt(), 64);
    EXPECT_EQ(opened["columns"].toInt(), 64);
    EXPECT_EQ(opened["cells"].toObject().toVariantMap(),
              QVariantMap({{"0,0", "A1, столбец 1, строка 1"},
                           {"4,10", "B1, столбец 3, строка 5"},
                           {"63,63", "H8, столбец 8, строка 8"}}));
    EXPECT_EQ(opened["pixels"].toVariant().toStringList(), pixels);
    const QStringList names = opened["names"].toVariant().toStringList();
    for (const char* name : {"Листинг", "Цвет кисти", "Цвет фона", "Размеры спрайта"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
    // A box is named by the text it shows, and told by the labels that label it.
    EXPECT_EQ(opened["labels"].toObject().toVariantMap(),
              QVariantMap({{"Размер: 24x16", "24"},
                           {"Кисть: 0 - Черный", "0 - Черный"},
                           {"Фон: 7 - Белый", "7 - Белый"},
                           {"Цвет кисти:", "0 - Черный"},
                           {"Цвет фона:", "7 - Белый"}}));

    // The client area begins below the menu bar, the grid 24 pixels into it.
    const QPoint grid = window.topLeft() + QPoint(24, window.height() - 633 + 24);
    QProcess listener;
    listener.setProcessEnvironment(environment);
    listener.start(QStringLiteral(SCREEN_READER_VIEW), {"--hear", "2"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.canReadLine(); }, 30000))
        << listener.readAllStandardError().toStdString();
    ASSERT_EQ(listener.readLine(), "listening\n");
    program.click(grid + QPoint(20 * 9 + 4, 12 * 9 + 4));
    ASSERT_TRUE(listener.waitForFinished(30000));
    const QString cell = "C2, столбец 5, строка 5";
    EXPECT_EQ(QString::fromUtf8(listener.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              QStringList({"object:state-changed:checked 1 " + cell, "focus: 0 " + cell}))
        << listener.readAllStandardError().toStdString();

    pixels[12][20] = u'1';
    const QJsonObject painted = screenReaderView(environment, {});
    EXPECT_EQ(painted["pixels"].toVariant().toStringList(), pixels);
    EXPECT_EQ(painted["focused"].toString(), cell);
}

// Only where the user chose nothing, and an X server is there, is X11 asked for first.
TEST(ChoosingTheWindowSystem, KeepsTheUsersChoiceAndAsksForX11FirstOtherwise) {
    const QByteArray testPlatform = qgetenv("QT_QPA_PLATFORM"), testDisplay = qgetenv("DISPLAY");
    const auto chosenWith = [](const char* platform, const char* display,
                               std::vector<const char*> arguments) {
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", display);
        arguments.insert(arguments.begin(), "vexilor");
        vexilor::preferX11(int(arguments.size()), const_cast<char**>(arguments.data()));
        return qgetenv("QT_QPA_PLATFORM");
    };
    EXPECT_EQ(chosenWith("", ":5", {}), "xcb;wayland");
    EXPECT_EQ(chosenWith("wayland", ":5", {}), "wayland");
    EXPECT_EQ(chosenWith("", ":5", {"-platform", "wayland"}), "");
    EXPECT_EQ(chosenWith("", ":5", {"--platform", "wayland"}), "");
    EXPECT_EQ(chosenWith("", "", {}), "") << "no X server: Qt's own choice stands";
    qputenv("QT_QPA_PLATFORM", testPlatform);
    qputenv("DISPLAY", testDisplay);
}

}  // namespace
