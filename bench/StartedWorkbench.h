#pragma once
// The workbench as the benchmarks that drive its windows need it: the
// offscreen platform, every window created and the main window shown, in a
// temporary folder of its own (what the commands write goes there and goes
// with it), message boxes recorded instead of waiting for a click.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <vector>

// Starts the workbench, runs `before` (a comparison; false marks a failure),
// then the benchmarks; the exit code of the program.
inline int RunWorkbenchBenchmarks(int argc, char** argv, const std::function<bool()>& before = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    CreateWindows();
    Form1->show_();
    // What the start-up left for the event loop, done before anything is timed.
    QApplication::processEvents();
    programDir = QDir::currentPath().toStdString() + "/";
    std::vector<MessageRecord> messages;
    SetMessageRecorder(&messages);
    const bool ok = before ? before() : true;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetMessageRecorder(nullptr);
    if (!messages.empty()) {
        std::printf("message boxes: %zu; the first: \"%s\"\n", messages.size(),
                    messages.front().text.toStdString().c_str());
    }
    QDir::setCurrent(QDir::tempPath());
    return ok ? 0 : 1;
}
