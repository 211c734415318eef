// FREEZE's "X ma" as the square pattern loaders need it, kept until the
// FREEZE commands, which own this handler, are merged: their ordinary
// definition then takes the place of this weak one at link time, and this
// file goes. It clears the freeze mask as "X ma" does; the second mask of the
// string case belongs to IMPROVE and is left to that definition.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "engine/StringLength.h"
#include "lattice/Square.h"

[[gnu::weak]] void TForm1::Button39Click()
{
    if (RadioGroup8->itemIndex() != 0) {
        const int rows = UsedSquareRows();
        const int columns = UsedSquareColumns();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                frozenMask[SquareIndex(r, c)] = 0;
        isRedrawNeeded = 1;
        Button69Click();
        Button3Click();
        return;
    }
    // The mask cells of the string's cells: bytes 1 .. stringLength of row 0.
    const int32_t length = UsedStringLength();
    for (int32_t i = 1; i <= length; ++i)
        frozenMask[i] = 0;
    isRedrawNeeded = 1;
    Button69Click();
}
