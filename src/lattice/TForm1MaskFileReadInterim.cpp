// "Read mask" as the Qhist batch needs it, kept until the mask file commands,
// which own this handler, are merged: their ordinary definition then takes
// the place of this weak one at link time, and this file goes. It reads
// "MA/mafin.dat" (side x side bytes, the current side as the row stride) into
// the freeze mask; a missing or short file leaves the mask as it was.
#include "app/TForm1.h"

#include "engine/BinaryFile.h"
#include "engine/StringState.h"
#include "lattice/Square.h"

[[gnu::weak]] void TForm1::Readmask1Click()
{
    const int side = UsedSquareRows();
    const auto bytes = ReadWholeFile("MA/mafin.dat");
    if (!bytes || bytes->size() < size_t(side) * size_t(side)) {
        StatusBar1->setSimpleText(bytes ? "MA/mafin.dat is shorter than the square: the mask is kept"
                                        : "MA/mafin.dat is missing: the mask is kept");
        return;
    }
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            frozenMask[SquareIndex(r, c)] = (*bytes)[size_t(r) * size_t(side) + size_t(c)];
    isRedrawNeeded = 1;
    Button3Click();
}
