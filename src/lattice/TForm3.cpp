#include "lattice/TForm3.h"

#include "app/FormHelpers.h"
#include "app/TForm1.h"
#include "base/PointLists.h"
#include "base/RunControls.h"
#include "base/Square.h"
#include "base/SquareSize.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"
#include "widgets/Handlers.h"

#include <algorithm>
#include <limits>

TForm3* Form3 = nullptr;

namespace {

// A coordinate as its 16-bit list entry holds it: a typed number beyond the
// entry's range is cut to it rather than wrapped onto some other cell. The
// placing services skip a point outside the square.
void StoreCoordinate(const QLineEdit* edit, int16_t& entry)
{
    entry = static_cast<int16_t>(std::clamp<int32_t>(EditNumber(edit), std::numeric_limits<int16_t>::min(),
                                                     std::numeric_limits<int16_t>::max()));
}

} // namespace

TForm3::TForm3(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
    OnChange(Edit4, [this] { Edit4Change(); });
    OnChange(Edit5, [this] { Edit5Change(); });
    OnChange(Edit6, [this] { Edit6Change(); });
    OnChange(Edit7, [this] { Edit7Change(); });
    OnChange(Edit8, [this] { Edit8Change(); });
    OnChange(Edit9, [this] { Edit9Change(); });
    OnChange(Edit10, [this] { Edit10Change(); });
    OnChange(Edit11, [this] { Edit11Change(); });
    OnClick(Button1, [this] { Button1Click(); });
}

void TForm3::FormShow()
{
    cPointCount = PointListLength(requestedCPointCount);
    bPointCount = PointListLength(requestedBPointCount);
    ShowNumber(Edit1, requestedCPointCount);
    ShowNumber(Edit2, requestedBPointCount);
    ShowNumber(Edit11, squareColumnCount);
    // C points 0 and 1, then B points 0 to 7; only the first two of each list
    // are written back by their edits.
    const std::pair<QLineEdit*, QLineEdit*> cEdits[] = {{Edit3, Edit4}, {Edit5, Edit6}};
    for (int i = 0; i < 2; ++i) {
        ShowNumber(cEdits[i].first, cPointX[i]);
        ShowNumber(cEdits[i].second, cPointY[i]);
    }
    const std::pair<QLineEdit*, QLineEdit*> bEdits[] = {{Edit7, Edit8},   {Edit9, Edit10},  {Edit26, Edit27},
                                                        {Edit24, Edit25}, {Edit22, Edit23}, {Edit21, Edit20},
                                                        {Edit30, Edit31}, {Edit34, Edit35}};
    for (int i = 0; i < 8; ++i) {
        ShowNumber(bEdits[i].first, bPointX[i]);
        ShowNumber(bEdits[i].second, bPointY[i]);
    }
}

// The requested counts keep what was typed (the commands that use them cut
// them with a note); the list lengths stay within the 4900 entries.
void TForm3::Edit1Change()
{
    requestedCPointCount = EditNumber(Edit1);
    cPointCount = PointListLength(requestedCPointCount);
}

void TForm3::Edit2Change()
{
    requestedBPointCount = EditNumber(Edit2);
    bPointCount = PointListLength(requestedBPointCount);
}

void TForm3::Edit3Change() { StoreCoordinate(Edit3, cPointX[0]); }
void TForm3::Edit4Change() { StoreCoordinate(Edit4, cPointY[0]); }
void TForm3::Edit5Change() { StoreCoordinate(Edit5, cPointX[1]); }
void TForm3::Edit6Change() { StoreCoordinate(Edit6, cPointY[1]); }
void TForm3::Edit7Change() { StoreCoordinate(Edit7, bPointX[0]); }
void TForm3::Edit8Change() { StoreCoordinate(Edit8, bPointY[0]); }
void TForm3::Edit9Change() { StoreCoordinate(Edit9, bPointX[1]); }
void TForm3::Edit10Change() { StoreCoordinate(Edit10, bPointY[1]); }

// The one place that sets the column count without the row count; it stays
// within the square's storage.
void TForm3::Edit11Change()
{
    squareColumnCount = std::clamp(EditNumber(Edit11), 0, kSquareSide);
}

void TForm3::Button1Click()
{
    Form1->Button7Click();
    Form1->Button8Click();
    // The row count bounds both loops.
    const int side = UsedSquareRows();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            squareCells[SquareIndex(r, c)] = 2;
    cPointCount = 0;
    bPointCount = 8;
    PlaceCPointsInSquare();
    PlaceBPointsInSquare();
    Form1->Button3Click();
    Form1->Button33Click();
    cycleCount = stepCount = activitySamplePaintCount = 0;
}

void TForm3::UpDown1Click()
{
    ShowNumber(Edit2, requestedBPointCount);
    bPointCount = PointListLength(requestedBPointCount);
}

void TForm3::UpDown2Click()
{
    ShowNumber(Edit2, requestedBPointCount);
    bPointCount = PointListLength(requestedBPointCount);
}
