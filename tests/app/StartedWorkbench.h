#pragma once
// The workbench as a user starts it: all windows created and the main window
// shown, in a fresh folder of its own, with message boxes recorded instead of shown.
#include "../base/TempWorkDir.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <vector>

class StartedWorkbench : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageRecorder(&messages_);
        CreateWindows();
        Form1->show_();
        QApplication::processEvents();
    }
    void TearDown() override { SetMessageRecorder(nullptr); }

    TempWorkDir dir_;   // start-up writes its string file here
    std::vector<MessageRecord> messages_;
};
