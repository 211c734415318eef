// "Mk. rand." and "+" of the group "Random", and the two rebuilds of the rule
// table on the lattice panel. The random commands end by seeding an empty
// square and starting the string engine's timer.
#include "app/TForm1.h"

#include "base/Square.h"
#include "engine/SquarePatterns.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/TForm6.h"
#include "widgets/Dialogs.h"

#include <algorithm>
#include <iterator>
#include <vector>

void TForm1::Button11Click()
{
    RadioGroup1->setItemIndex(5);
    ChRandom1Click();
}

// Redraws until the acceptance test takes the table, at most
// kMaxRandomRuleAttempts times. When none is taken, the table and the square
// the command started from come back (the draws stay drawn) and a box says so.
void TForm1::ChRandom1Click()
{
    std::vector<uint8_t> table(std::begin(latticeRuleTable), std::end(latticeRuleTable));
    std::vector<uint8_t> cells(std::begin(squareCells), std::end(squareCells));
    std::vector<uint8_t> next(std::begin(squareNextCells), std::end(squareNextCells));
    for (int attempt = 0; attempt < kMaxRandomRuleAttempts; ++attempt) {
        DrawWeightedRuleTable();
        isRuleAccepted = 0;   // a flag left set elsewhere must not accept an untested table
        Button31Click();
        if (isRuleAccepted) {
            FinishRandomRule();
            return;
        }
    }
    std::copy(table.begin(), table.end(), latticeRuleTable);
    std::copy(cells.begin(), cells.end(), squareCells);
    std::copy(next.begin(), next.end(), squareNextCells);
    ShowMessage(QString("No random rule table passed the acceptance test in %1 attempts: the weights give "
                        "too few excited entries. The rule table is unchanged.")
                    .arg(kMaxRandomRuleAttempts));
}

void TForm1::Button59Click()
{
    AddRandomExcitedEntries(improveProbabilityPercent);
    Button31Click();   // its verdict does not change what follows
    FinishRandomRule();
}

void TForm1::Button36Click()
{
    SpreadDiagonalEntries();
}

void TForm1::Button37Click()
{
    FillFormulaRuleTable();
}

// Clear, an empty square with the seed of "Begin", and the engine's timer.
void TForm1::FinishRandomRule()
{
    Button8Click();
    FillSquare(2);
    PlaceRuleSeed(Form6->RadioGroup1->itemIndex(), seedRow, seedColumn);
    isRuleAccepted = 0;
    Timer1->setEnabled(true);
}
