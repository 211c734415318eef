// Tab "ANY II" from the start-up mask (extra point (-1, 1)): the chooser, the
// extra point edits, the picker, and their refusal under a generator.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "base/StringLength.h"
#include "base/TableRecords.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/TwoDimState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Points = std::vector<std::pair<int, int>>;

class TForm1Mask2dTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
    }
    static void choose(int item) { Form1->RadioGroup20->setItemIndex(item); }
    static void press(int x, int y)
    {
        Form1->z->onMouseMove(Qt::NoModifier, x, y);
        Form1->z->onMouseDown(Qt::LeftButton, Qt::NoModifier, 0, 0);
    }
    static std::string pathName()
    {
        EXPECT_EQ(Form1->Label512->text().toStdString(), ttFileName2d);
        return ttFileName2d.substr(programDir.size());
    }
    static Points extraPoints(int t)
    {
        Points p;
        for (int i = 5; i < 5 + t; ++i) p.emplace_back(mask2dPointTables[t][i].x, mask2dPointTables[t][i].y);
        return p;
    }
    // The eight edits, hidden ones in brackets.
    static QStringList editTexts()
    {
        QStringList texts;
        for (QLineEdit* e : {Form1->Edit54, Form1->Edit55, Form1->Edit56, Form1->Edit57, Form1->Edit58,
                             Form1->Edit59, Form1->Edit60, Form1->Edit61})
            texts << (e->isHidden() ? "(" + e->text() + ")" : e->text());
        return texts;
    }
};

// Every item in turn, from the largest down: each choice rebuilds its table,
// and the edits it rewrites carry the first extra point along to the next.
TEST_F(TForm1Mask2dTest, EachItemSetsTheTorusTheCountTheEditsAndThePath)
{
    struct Expected {
        int item, side;
        QStringList edits;
        std::string path;
    };
    const Expected steps[] = {
        {4, 8, {"1", "1", "1", "-1", "-1", "1", "-1", "-1"}, "RT2/T8_+1+1_+1-1_-1+1_-1-1.dat"},
        {3, 8, {"1", "1", "1", "-1", "-1", "1", "(X)", "(X)"}, "RT2/T7_+1+1_+1-1_-1+1.dat"},
        {2, 8, {"1", "1", "-1", "-1", "(X)", "(X)", "(X)", "(X)"}, "RT2/T6_+1+1_-1-1.dat"},
        {1, 6, {"1", "1", "(X)", "(X)", "(X)", "(X)", "(X)", "(X)"}, "RT2/T5_+1+1.dat"},
        {0, 6, {"(X)", "(X)", "(X)", "(X)", "(X)", "(X)", "(X)", "(X)"}, "RT2/T4.dat"},
    };
    for (const Expected& e : steps) {
        SCOPED_TRACE(e.item);
        choose(e.item);
        EXPECT_EQ(stringLength, e.side);
        EXPECT_EQ(Form1->Edit1->text(), QString::number(e.side));
        EXPECT_EQ(mask2dPointCount, 5 + e.item);
        EXPECT_EQ(Form1->Label455->text(), QString::number(4 + e.item));
        EXPECT_EQ(editTexts(), e.edits);
        EXPECT_EQ(pathName(), e.path);
        EXPECT_EQ(isTwoDimMode, 1);
    }
    EXPECT_EQ(Form1->Label513->text().toStdString(), programDir + "RT2/T7_+1+1_+1-1_-1+1.dat");
    // The "X" that "Cross" wrote into "X5=" and "Y5=" stored 0 there.
    choose(1);
    EXPECT_EQ(pathName(), "RT2/T5_+0+0.dat");
}

TEST_F(TForm1Mask2dTest, EditsChangeSingleCoordinatesUntilTheChooserRebuilds)
{
    choose(2);
    EXPECT_EQ(extraPoints(2), (Points{{-1, 1}, {1, -1}}));
    // Back to "Cross +1": "X6=" turns to "X", storing 0 in tables 2 to 4; "Y6=" stores nothing.
    choose(1);
    EXPECT_EQ(mask2dPointTables[3][6].x, 0);
    EXPECT_EQ(mask2dPointTables[2][6].y, -1);

    const std::pair<QString, QString> typed[] = {{"12abc", "12"}, {"+7", "7"}, {"-", "0"},
                                                 {"150", "99"}, {"-2", "-2"}};
    for (const auto& [text, shown] : typed) {
        Form1->Edit54->setText(text);
        EXPECT_EQ(Form1->Edit54->text(), shown) << text.toStdString();
        EXPECT_EQ(QString::number(mask2dPointTables[1][5].x), shown);
    }
    EXPECT_EQ(pathName(), "RT2/T5_-2+1.dat");
    Form1->Edit54->setText("3");
    EXPECT_EQ(mask2dSpanX, 9);
    EXPECT_EQ(Form1->Label534->text(), "9");

    choose(2);
    Form1->Edit55->setText("2");   // point 5 alone moves
    EXPECT_EQ(extraPoints(2), (Points{{3, 2}, {-3, -1}}));
    Form1->Edit60->setText("5");   // "Cross +2" has no point 8
    EXPECT_EQ(Form1->Edit60->text(), "X");
}

TEST_F(TForm1Mask2dTest, APressPlacesTheFirstExtraPointAndStartsAFreshTable)
{
    Form1->z->onMouseDown(Qt::RightButton, Qt::NoModifier, 120, 120);   // no move yet: (0, 0)
    EXPECT_EQ(pathName(), "RT2/T5_+0+6.dat");

    choose(2);
    ttRecordCount = 12;
    Form1->CheckBox61->setChecked(false);
    press(100, 100);
    EXPECT_EQ(extraPoints(2), (Points{{2, 3}, {-2, -3}}));
    EXPECT_EQ((std::vector<int>{mask2dMinX, mask2dMinY, mask2dSpanX, mask2dSpanY}), (std::vector<int>{-2, -3, 9, 13}));
    EXPECT_EQ(ttRecordCount, 0);   // the two-dimensional clear ("Npr=0" is checked)
    EXPECT_TRUE(Form1->CheckBox61->isChecked());

    // "Cross" lays the cross in the reset order, which later rebuilds take.
    choose(0);
    press(10, 230);
    choose(1);
    EXPECT_EQ(mask2dPointTables[1][1].y, 1);
    EXPECT_EQ(mask2dPointTables[1][2].x, -1);
}

// While "TT 1d" or "TT 2d" runs, the chooser, the edits and the picker change nothing.
TEST_F(TForm1Mask2dTest, NoChangeWhileAGeneratorRuns)
{
    for (int generator = 0; generator < 2; ++generator) {
        SCOPED_TRACE(generator);
        if (generator == 0)
            isGenerating1d = 1;
        else
            Form1->Timer18->setEnabled(true);
        Form1->StatusBar1->setSimpleText("");
        ttRecordCount = 7;

        choose(3);
        Form1->Edit54->setText("5");
        Form1->Edit56->setText("5");
        press(100, 100);
        EXPECT_EQ(Form1->RadioGroup20->itemIndex(), 1);
        EXPECT_EQ(stringLength, 6);
        EXPECT_EQ(editTexts().mid(0, 3), (QStringList{"-1", "1", "(X)"}));
        EXPECT_EQ(extraPoints(1), (Points{{-1, 1}}));
        EXPECT_EQ(ttRecordCount, 7);
        EXPECT_FALSE(Form1->StatusBar1->simpleText().isEmpty());

        isGenerating1d = 0;
        Form1->Timer18->setEnabled(false);
    }
    choose(3);
    EXPECT_EQ(mask2dPointCount, 8);
}

} // namespace
