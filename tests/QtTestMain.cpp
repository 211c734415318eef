// Entry of the Qt-side test programs: one QApplication on the offscreen
// platform, then GoogleTest. ctest runs each test case in its own process, so
// every test starts from the program's start-up state.
#include <QApplication>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__) && defined(WORKBENCH_QT_LEAK_SUPPRESSIONS)
// Leaks inside Qt's own libraries are not ours to report (see the file named
// here). Each block keeps only its allocating function, so that the
// suppressions can tell Qt's blocks from ours; the stack of every error report
// stays whole. Options given in LSAN_OPTIONS still take precedence.
extern "C" const char* __lsan_default_options()
{
    return "malloc_context_size=2:suppressions=" WORKBENCH_QT_LEAK_SUPPRESSIONS;
}
#endif

int main(int argc, char** argv)
{
    // The offscreen platform; a run may give it a screen ("offscreen:configfile=...").
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
