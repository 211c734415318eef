// The mask chooser: ring boxes and their panels, presets, the show handler and
// the result display.
#include "../widgets/ChartImage.h"
#include "LatticeFormFixture.h"
#include "lattice/T6Scan.h"
#include "lattice/TForm13.h"
#include "widgets/Chart.h"

#include <QCheckBox>

namespace {

class MaskChooser : public StartedWindows {
protected:
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
};

using Rings = std::vector<int>;

} // namespace

TEST_F(MaskChooser, PresetBoxesApplyOnlyWhenLeftTickedAndButtonsAlways)
{
    // Start-up unticks five rings, and each untick must reach its panel.
    EXPECT_EQ(TickedRings(), (Rings{1, 2, 3, 4, 5, 6, 7, 8, 11}));
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
    Form13->CheckBox2->click();   // a ring box alone moves its panel
    EXPECT_EQ(TickedRings(), (Rings{2, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(MaskChooser, ShowingSetsCircleUnticksPresetsAndShowsResults)
{
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
}

// The chart of "Show Results": each counter a red dot, each reference a green
// dot drawn after it, so a counter of 0 hides under its green reference; no
// colour of the chart's theme shows.
TEST_F(MaskChooser, ResultChartDrawsCountersRedAndReferencesGreen)
{
    t6Counters[40] = 300;
    t6Counters[90] = 200;
    Form13->Button3Click();
    const ChartImage drawn(*Form13->Chart1);
    for (const auto& [x, y] : {std::pair(40, 300), std::pair(90, 200)})
        EXPECT_TRUE(drawn.coloursAround(x, y).count(ColorRed)) << x;
    for (const auto& [x, y] : {std::pair(45, 500), std::pair(120, 500), std::pair(40, 0), std::pair(50, 0)}) {
        const std::set<TColor> around = drawn.coloursAround(x, y);
        EXPECT_TRUE(around.count(ColorGreen)) << x;
        EXPECT_FALSE(around.count(ColorRed)) << x;
    }
    // Nothing but the dots and the greys of the background and grid.
    for (const TColor found : drawn.colours()) {
        const bool grey = (found & 0xFF) == ((found >> 8) & 0xFF) && (found & 0xFF) == (found >> 16);
        EXPECT_TRUE(grey || found == ColorRed || found == ColorGreen) << std::hex << found;
    }
}

// Each display replaces the points, and the axes fit the new ones.
TEST_F(MaskChooser, ResultChartAxesFollowEachDisplay)
{
    t6Counters[3] = 700;
    Form13->Button3Click();
    Form13->Chart1->flushNow();
    EXPECT_DOUBLE_EQ(ChartAxis(*Form13->Chart1, Qt::Vertical).max, 735);
    t6Counters[3] = 0;
    t6Counters[40] = 300;
    Form13->Button3Click();
    Form13->Chart1->flushNow();
    const AxisRange x = ChartAxis(*Form13->Chart1, Qt::Horizontal), y = ChartAxis(*Form13->Chart1, Qt::Vertical);
    EXPECT_DOUBLE_EQ(x.min, 0);
    EXPECT_DOUBLE_EQ(x.max, 134);
    EXPECT_DOUBLE_EQ(y.min, -25);   // references 0 and 500, with 5% more each way
    EXPECT_DOUBLE_EQ(y.max, 525);
    EXPECT_EQ(Form13->Chart1->pointCount(Form13->Series1), 270);
}
