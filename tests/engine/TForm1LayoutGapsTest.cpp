// The neighbour list edits of "Offsets", the sorted-mask labels of "ANY I",
// the trial parameter edits and the switches that show the rich edits and panels.
#include "../app/StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/Mask1d.h"
#include "engine/TrialBatch.h"

#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using LayoutGaps = StartedWorkbench;

TEST_F(LayoutGaps, DoFromMaskFillsTheNeighbourEditsAndTheSortedLabels)
{
    // left distance 2, right distances 1 and 3, left to right
    for (QCheckBox* box : {Form1->CheckBox3, Form1->CheckBox5, Form1->CheckBox6, Form1->CheckBox7,
                           Form1->CheckBox8, Form1->CheckBox15, Form1->CheckBox17, Form1->CheckBox18,
                           Form1->CheckBox19})
        box->setChecked(false);
    Form1->CheckBox4->setChecked(true);
    Form1->CheckBox14->setChecked(true);
    Form1->CheckBox16->setChecked(true);
    Form1->CheckBox41->setChecked(true);
    Form1->Button122Click();
    Form1->Button129Click();

    const auto texts = [](auto... controls) { return QStringList{controls->text()...}; };
    EXPECT_EQ(texts(Form1->Edit33, Form1->Edit34, Form1->Edit35, Form1->Edit37, Form1->Edit38),
              (QStringList{"4", "0", "-2", "1", "3"}));
    EXPECT_FALSE(Form1->Edit38->isHidden());
    EXPECT_TRUE(Form1->Edit39->isHidden());
    EXPECT_EQ(texts(Form1->Label451, Form1->Label442, Form1->Label443, Form1->Label444, Form1->Label445,
                    Form1->Label446, Form1->Label586),
              (QStringList{"4", "-2", "0", "1", "3", "", "1"}));

    // typing into the edits writes the list
    Form1->Edit37->setText("5");
    EXPECT_EQ(neighbourOffsets[2], 5);
    Form1->Edit33->setText("2");
    EXPECT_EQ(neighbourCount, 2);
    EXPECT_TRUE(Form1->Edit38->isHidden());
    Form1->Edit33->setText("x");   // not a number: 0, every far edit hidden, no crash
    EXPECT_EQ(neighbourCount, 0);
    EXPECT_EQ(Form1->Edit33->text(), "0");

    // no direction: the first three labels show what "Nac 122" left, the rest empty
    Form1->Button122Click();   // mask1dOffsets = -2, 1, 3
    Form1->CheckBox41->setChecked(false);
    EXPECT_EQ(Form1->Label443->text(), "1");
    EXPECT_EQ(Form1->Label444->text(), "3");
    EXPECT_EQ(Form1->Label445->text(), "");
}

TEST_F(LayoutGaps, DoFromMaskRunsNpointOnlyForAPointCountItHas)
{
    int npointRuns = 0;
    QObject::connect(Form1->RadioGroup15, &RadioGroup::itemClicked, [&npointRuns] { ++npointRuns; });
    Form1->CheckBox3->setChecked(false);   // no offset: one point, no item of "Npoint"
    Form1->CheckBox14->setChecked(false);
    Form1->Button122Click();
    Form1->Button129Click();
    EXPECT_EQ(mask1dPointCount, 1);
    EXPECT_EQ(Form1->RadioGroup15->itemIndex(), -1);
    EXPECT_EQ(npointRuns, 0);
    EXPECT_EQ(Form1->Label453->text(), "0");

    Form1->CheckBox4->setChecked(true);    // left distances 2 and 1: three points, item 0
    Form1->CheckBox3->setChecked(true);
    Form1->Button228Click();
    EXPECT_EQ(Form1->RadioGroup15->itemIndex(), 0);
    EXPECT_EQ(npointRuns, 1);
}

TEST_F(LayoutGaps, TrialParameterEditsSetTheirGlobals)
{
    for (auto [edit, text] : {std::pair{Form1->Edit26, "12"}, {Form1->Edit27, "30"}, {Form1->Edit28, "5000"}, {Form1->Edit29, "7"}})
        edit->setText(text);
    EXPECT_EQ(std::vector<int32_t>({randomLengthMin, randomLengthMax, stepLimit, trialLimit}),
              std::vector<int32_t>({12, 30, 5000, 7}));
}

TEST_F(LayoutGaps, ViewSwitchesShowTheRichEditsAndPanels)
{
    Form1->F3x1Click();
    EXPECT_TRUE(Form1->F3x1->isChecked());
    EXPECT_FALSE(Form1->RichEdit3->isHidden());
    Form1->F3x1Click();
    EXPECT_TRUE(Form1->RichEdit3->isHidden());

    Form1->F2x1Click();
    EXPECT_FALSE(Form1->RichEdit10->isHidden());

    Form1->INTEGRATEDPanel1Click();
    EXPECT_TRUE(Form1->INTEGRATEDPanel1->isChecked());
    EXPECT_FALSE(Form1->Panel1->isHidden());

    Form1->PIntegrated1Click();
    EXPECT_FALSE(Form1->Panel2->isHidden());
    EXPECT_FALSE(Form1->PIntegrated1->isChecked());
    Form1->PIntegrated1Click();
    EXPECT_TRUE(Form1->Panel2->isHidden());
}
