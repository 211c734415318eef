// The small "mk" buttons beside the fixed-mask builders: each sets the mask
// check boxes for one mask, its point count and (for some) the string length,
// and empties the learned tables so the next builder or generator starts anew.
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/Mask1d.h"
#include "engine/StringStart.h"

#include <vector>
#include <optional>

namespace {

enum class PresetClear { All, TwoDimOnly };

// What one preset does; distances are 2..6 (the distance-1 boxes and the far
// boxes are never touched).
struct MaskPreset {
    int32_t pointCount = 0;
    bool zeroCounters = true;
    PresetClear clear = PresetClear::All;
    std::optional<int32_t> length;
    std::vector<int> leftOn, leftOff, rightOn, rightOff;
    bool buildMaskTwice = false;
};

void ApplyPreset(TForm1& f, const MaskPreset& p)
{
    mask1dPointCount = p.pointCount;
    if (p.zeroCounters)
        for (QLabel* label : {f.Label303, f.Label449, f.Label450}) label->setText("0");
    if (p.clear == PresetClear::All)
        f.Button163Click();
    else
        f.Button170Click();
    if (p.length) {
        // Written directly: the toolbar's length edit keeps the text the user typed.
        stringLength = *p.length;
        squareRowCount = *p.length;
        squareColumnCount = *p.length;
    }
    for (int d : p.leftOn) f.LeftMaskBox(d)->setChecked(true);
    for (int d : p.leftOff) f.LeftMaskBox(d)->setChecked(false);
    for (int d : p.rightOn) f.RightMaskBox(d)->setChecked(true);
    for (int d : p.rightOff) f.RightMaskBox(d)->setChecked(false);
    if (p.buildMaskTwice) {
        f.Button127Click();
        f.Button127Click();
    }
    isRandomInitialString = 1;
    f.CheckBox61->setChecked(true);
}

} // namespace

// "mk " of "mask(1,1) 35"
void TForm1::Button202Click()
{
    ApplyPreset(*this, {.pointCount = 3, .length = 10, .leftOff = {2, 3, 4, 5, 6}, .rightOff = {2, 3, 4, 5, 6}});
}

// "mk" of "mask(3,1)"
void TForm1::Button201Click()
{
    ApplyPreset(*this, {.pointCount = 4,
                        .length = 13,
                        .leftOn = {2},
                        .leftOff = {3, 4, 5, 6},
                        .rightOff = {2, 3, 4, 5, 6}});
}

// "mk" of "mask (5,3)"
void TForm1::Button187Click()
{
    ApplyPreset(*this, {.pointCount = 5,
                        .length = 20,
                        .leftOn = {3},
                        .leftOff = {2, 4, 5, 6},
                        .rightOn = {2},
                        .rightOff = {3, 4, 5, 6}});
}

// "mk 7,3": also builds the mask at once, so the six-point pass and the (7,3)
// builder find the centre at index 3.
void TForm1::Button193Click()
{
    ApplyPreset(*this, {.pointCount = 6,
                        .leftOn = {2, 3},
                        .leftOff = {4, 5, 6},
                        .rightOn = {2},
                        .rightOff = {3, 4, 5, 6},
                        .buildMaskTwice = true});
}

// "mk 13,9"
void TForm1::Button206Click()
{
    ApplyPreset(*this, {.pointCount = 6,
                        .leftOn = {3, 4},
                        .leftOff = {2, 5, 6},
                        .rightOn = {4},
                        .rightOff = {2, 3, 5, 6}});
}

// "mk" of "Mask crest" (tab "CH II")
void TForm1::Button207Click()
{
    ApplyPreset(*this, {.pointCount = 5, .zeroCounters = false, .clear = PresetClear::TwoDimOnly});
}

// "Button203": the (7,3) boxes without switching the others off.
void TForm1::Button203Click()
{
    ApplyPreset(*this, {.pointCount = 6, .zeroCounters = false, .leftOn = {2, 3}, .rightOn = {2}});
}
