// Entry of the Qt-side test programs: one QApplication on the offscreen
// platform, then GoogleTest. ctest runs each test case in its own process, so
// every test starts from the program's start-up state.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
