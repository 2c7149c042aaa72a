// The widget tests' main: one QApplication on the offscreen platform for all of them, with
// a 1024 x 768 desktop and windows without frame margins, so window places are exact.
#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryFile config;
    if (config.open()) {
        config.write(R"({"synchronousWindowSystemEvents": true, "windowFrameMargins": false,
                        "screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1024, "height": 768,
                                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zantrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
