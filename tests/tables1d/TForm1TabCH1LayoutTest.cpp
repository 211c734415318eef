// Tab "CH I" beyond what the window layout test walks: the table grid makes
// room for the fixed-mask groups and takes it back, and the rich edits show
// the start of a long line.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "../base/TempWorkDir.h"

#include <QScrollBar>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class TabCH1Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
        Form1->PageControl1->setCurrentWidget(Form1->TabSheetCH1);
    }
    TempWorkDir dir_;   // start-up writes its string file here
};

} // namespace

TEST_F(TabCH1Layout, TheTableGridMakesRoomForTheMaskGroupsAndTakesItBack)
{
    const QRect full = Form1->StringGrid11->geometry();
    Form1->CheckBox64->setChecked(true);
    EXPECT_GT(Form1->StringGrid11->y(), Form1->GroupBox46->geometry().bottom());
    EXPECT_EQ(Form1->StringGrid11->geometry().bottom(), full.bottom());
    Form1->CheckBox57->setChecked(true);
    EXPECT_GT(Form1->StringGrid11->y(), Form1->GroupBox48->geometry().bottom());
    Form1->CheckBox57->setChecked(false);
    Form1->CheckBox64->setChecked(false);
    EXPECT_EQ(Form1->StringGrid11->geometry(), full);
}

TEST_F(TabCH1Layout, RichEditsShowTheFirstCharactersOfTheirLines)
{
    for (RichEdit* edit : {Form1->RichEdit4, Form1->RichEdit5, Form1->RichEdit6, Form1->RichEdit7,
                           Form1->RichEdit8, Form1->RichEdit9}) {
        edit->setVisible(true);
        edit->clearLines();
        edit->addLine("Resolution Table (=3 (-0)) with a line longer than the box");
        EXPECT_EQ(edit->horizontalScrollBar()->value(), 0) << edit->objectName().toStdString();
    }
}
