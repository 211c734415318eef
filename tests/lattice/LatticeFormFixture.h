#pragma once
// The started main window in a fresh working folder for the lattice form tests
// (message boxes recorded, modal windows returning at once), and the square's cells.
#include "../base/TempWorkDir.h"
#include "../widgets/WidgetTestSupport.h"
#include "TextFileSupport.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/Square.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class StartedWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        Form::modalHook = [](Form&) {};
    }
    void TearDown() override { Form::modalHook = nullptr; }

    static QString status() { return Form1->StatusBar1->simpleText(); }
    // Whether the status bar holds part; its whole text when not.
    static ::testing::AssertionResult StatusHas(const char* part)
    {
        if (status().contains(part))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "status: " << status().toStdString();
    }

    TempWorkDir dir_;
    RecordedMessages messages_;
};

inline std::vector<uint8_t> Square() { return {squareCells, squareCells + kSquareCellCount}; }

// The cells of the top-left side x side that hold value.
inline int CountInSide(int side, uint8_t value)
{
    int n = 0;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            n += squareCells[SquareIndex(r, c)] == value;
    return n;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    WriteText(path, std::string(bytes.begin(), bytes.end()));
}

// Each edit, given a number of its own, must store it in its own global.
inline void ExpectEditsStoreTheirGlobals(std::initializer_list<std::pair<QLineEdit*, const int32_t*>> edits)
{
    int32_t n = 31;
    for (const auto& [edit, global] : edits)
        edit->setText(QString::number(n++));
    n = 31;
    for (const auto& [edit, global] : edits)
        EXPECT_EQ(*global, n++) << edit->objectName().toStdString();
}
