#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform cannot make windows translucent or raise them and says so on
// every attempt; the splash window is simply opaque there, as on any such platform.
QtMessageHandler standardHandler = nullptr;

void quietAboutOffscreenLimits(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // The splash window tests drive real widgets; without a display they run offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietAboutOffscreenLimits);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
