// The mask chooser: ring boxes and their panels, presets, the show handler,
// the result display and the pattern buttons.
#include "lattice/TForm13.h"

#include "app/TForm1.h"
#include "app/Workbench.h"
#include "lattice/T6Scan.h"
#include "widgets/Chart.h"
#include "../engine/TempWorkDir.h"

#include <QCheckBox>
#include <gtest/gtest.h>

#include <vector>

namespace {

// QObject::receivers is protected; a pointer to it taken through a class that makes it
// public lets the test count the connections of a control's signal.
struct ReceiverCount : QObject {
    using QObject::receivers;
};

int ToggleReceivers(const QCheckBox* box)
{
    const auto receivers = &ReceiverCount::receivers;
    return (box->*receivers)(SIGNAL(toggled(bool)));
}

}  // namespace

TEST(TForm13, RingBoxesThatStartUpUnticksStartTickedWithTheirHandlers)
{
    TForm13 form;
    // Start-up unticks these five, and each untick must reach its handler.
    for (QCheckBox* box : {form.CheckBox9, form.CheckBox10, form.CheckBox12, form.CheckBox13,
                           form.CheckBox14}) {
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_EQ(ToggleReceivers(box), 1) << box->objectName().toStdString();
    }
    for (QCheckBox* box : {form.CheckBox9, form.CheckBox10, form.CheckBox12, form.CheckBox13,
                           form.CheckBox14})
        box->setChecked(false);
    EXPECT_FALSE(form.CheckBox14->isChecked());
    // The panels follow the boxes; ring 11 is Panel10, rings 9 and 14 Panel11 and Panel15.
    EXPECT_TRUE(form.Panel11->isHidden());
    EXPECT_TRUE(form.Panel15->isHidden());
    EXPECT_FALSE(form.Panel10->isHidden());
    form.CheckBox2->setChecked(false);
    EXPECT_TRUE(form.Panel3->isHidden());
    form.CheckBox9->setChecked(true);
    EXPECT_FALSE(form.Panel11->isHidden());
}

TEST(TForm13, RingBoxesAreCaptionedByTheirRingNumbers)
{
    TForm13 form;
    const QCheckBox* boxes[] = {form.CheckBox1, form.CheckBox2, form.CheckBox3, form.CheckBox4,
                                form.CheckBox5, form.CheckBox6, form.CheckBox7, form.CheckBox8,
                                form.CheckBox9, form.CheckBox10, form.CheckBox11, form.CheckBox12,
                                form.CheckBox13, form.CheckBox14};
    for (int ring = 1; ring <= 14; ++ring)
        EXPECT_EQ(boxes[ring - 1]->text(), QString::number(ring));
}

namespace {

class MaskChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindows();
        Form1->show_();
    }
    // The ticked rings, and whether each ring's panel shows exactly then.
    static std::vector<int> TickedRings()
    {
        const char* panels[] = {"Panel2",  "Panel3",  "Panel4",  "Panel5",  "Panel6",  "Panel7",  "Panel8",
                                "Panel9",  "Panel11", "Panel12", "Panel10", "Panel13", "Panel14", "Panel15"};
        std::vector<int> rings;
        for (int k = 1; k <= 14; ++k) {
            const bool ticked = Form13->findChild<QCheckBox*>("CheckBox" + QString::number(k))->isChecked();
            EXPECT_EQ(ticked, !Form13->findChild<QFrame*>(panels[k - 1])->isHidden()) << "ring " << k;
            if (ticked)
                rings.push_back(k);
        }
        return rings;
    }
    TempWorkDir dir_;   // start-up writes a string file
};

using Rings = std::vector<int>;

} // namespace

TEST_F(MaskChooser, PresetBoxesApplyOnlyWhenLeftTickedAndButtonsAlways)
{
    EXPECT_EQ(TickedRings(), (Rings{1, 2, 3, 4, 5, 6, 7, 8, 11}));   // start-up
    Form13->CheckBox15->click();
    EXPECT_EQ(TickedRings().size(), 14u);
    Form13->CheckBox18->click();
    EXPECT_FALSE(Form13->CheckBox15->isChecked());
    EXPECT_EQ(TickedRings(), (Rings{9, 10, 12, 13, 14}));
    Form13->CheckBox18->click();   // unticking changes no ring
    EXPECT_EQ(TickedRings(), (Rings{9, 10, 12, 13, 14}));

    Form13->CheckBox19->click();
    Form13->Button9->click();      // a button unticks all seven preset boxes
    EXPECT_FALSE(Form13->CheckBox19->isChecked());
    EXPECT_EQ(TickedRings(), (Rings{6, 7}));

    // "2 dim." of "1 DUM" ticks rings 5 to 11 and unticks the presets.
    Form13->CheckBox21->click();
    Form1->RadioGroup8->setItemIndex(0);
    Form1->RadioGroup8->setItemIndex(1);
    EXPECT_EQ(TickedRings(), (Rings{5, 6, 7, 8, 9, 10, 11}));
    EXPECT_FALSE(Form13->CheckBox21->isChecked());
}

TEST_F(MaskChooser, ShowingSetsCircleUnticksPresetsAndShowsResults)
{
    Form::modalHook = [](Form&) {};
    Form1->RadioGroup2->setItemIndex(0);
    Form13->CheckBox16->click();
    Form1->Showt61Click();
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);
    EXPECT_FALSE(Form13->CheckBox16->isChecked());
    EXPECT_EQ(TickedRings(), (Rings{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Form13->Label17->text(), "0");
    EXPECT_EQ(Form13->Label13->text(), "0");

    t6Total = 9;
    t6Counters[5] = 6;
    t6Counters[119] = 2;
    t6Counters[132] = 8;
    Form13->Button2Click();
    Form13->Button3Click();
    EXPECT_FALSE(Form13->Label19->isHidden());
    EXPECT_EQ(Form13->Label1->text(), "9");
    EXPECT_EQ(Form13->Label7->text(), "6");
    EXPECT_EQ(Form13->Label11->text(), "2");
    EXPECT_EQ(Form13->Label13->text(), "132");
    EXPECT_EQ(Form13->Label17->text(), "8");
    EXPECT_EQ(Form13->Label16->text(), "12");
    EXPECT_EQ(Form13->Label15->text(), "15");
    // Two points per pair, replaced on every display.
    EXPECT_EQ(Form13->Chart1->pointCount(Form13->Series1), 270);
    Form::modalHook = nullptr;
}
