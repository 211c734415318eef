// "Check TT 2 dim" over a range of start records that reaches past the list:
// the rows there hold what earlier lists left. Recipe, all with the
// program's own chains and commands:
//  1. "TT 1d" on the mask (15,1) of "ANY I" (six points), string of 27,
//     random state 1, until the table stops growing (1458 records), and
//     "BEZ DEL! 181" (8748 records): the earlier list;
//  2. the same with random state 2 (1434 records), "BEZ DEL! 181": 8604
//     records, the rows from there on keeping what the earlier lists left;
//  3. "Npr=0" unchecked (the list survives a change of mask), the
//     two-dimensional mask "Cross +1" with extra point (0,7) chosen;
//  4. "FROM" 8625, "TO" 32767 (the check reads 8625..9999), "Check TT 2 dim".
// Rows 8625..8657 have no complete placement, with 8.4e7 partial ones:
// walked placement by placement they took seconds and froze the window; row
// 8658 ends the check with "IS UNLOCKED" at its first complete placement. Printed: the click, the
// check alone and the check walked throughout, with their agreement; then
// the same for the range typed as "FROM" -70 (the check stops inside the
// list) and from the list's end.
#include "base/TableRecords.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/ClosureCheck.h"
#include "tables2d/ClosureCheck2d.h"

#include "ClosureCheckComparison.h"
#include "HarvestedTables.h"
#include "ScanComparison.h"

#include <cstdio>

namespace {

void LayRecipe()
{
    Form1->CheckBox58->setChecked(true);
    for (const uint32_t state : {1u, 2u}) {
        Generate1dToSaturation({"(15,1): distances 1-4 left, 1 right, string of 27", 15, 1, 27, state});
        Form1->Button181Click();
    }
    Form1->CheckBox58->setChecked(false);
    Form1->RadioGroup20->setItemIndex(1);
    Form1->Edit54->setText("0");
    Form1->Edit55->setText("7");
    std::printf("\"BEZ DEL! 181\", then the mask Cross +1 with (0,7): %d records, %d points\n", ttRecordCount,
                mask2dPointCount);
}

// The check over FROM .. TO as the click prepares it, the engine against the
// walk; the click itself timed when asked.
bool CompareRange(const char* from, bool click)
{
    Form1->Edit68->setText(from);
    Form1->Edit69->setText("32767");
    const ClosureCheck2d check = PrepareClosureCheck2d({ttRecordCount, Form1->CheckBox68->isChecked(), false});
    BuildPermutedCopy(mask2dPointCount);
    const std::vector<int32_t> before(ttHitCount, ttHitCount + kTableCapacity);
    const CheckResult engine = RunCheck(false, check.mask, check.scope, before);
    ClosureScope walked = check.scope;
    walked.walkBeforeSummarising = 0;
    walked.way = ClosureWay::Walk;
    const CheckResult walk = RunCheck(false, check.mask, walked, before);
    const bool agree = engine.sameAs(walk);
    double records = 0;
    for (const int64_t fits : engine.outcome.levelFits) records += double(fits);
    std::printf("FROM %s: start records %d..%d: %s at start record %d, %.3g records placed by the walk\n", from,
                check.scope.startFrom, check.scope.startCount - 1, VerdictText(engine.outcome.verdict),
                engine.outcome.lastPlacement[0], records);
    std::printf("  engine           %9.4f s\n  walked           %9.4f s   %s\n", engine.seconds, walk.seconds,
                agree ? "(the engine's result)" : "DIFFERENT RESULTS");
    if (click) {
        std::copy(before.begin(), before.end(), ttHitCount);
        const double seconds = Seconds([] { Form1->Button221Click(); });
        std::printf("  \"Check TT 2 dim\" click (check, grid, file, export) %.4f s, status bar \"%s\"\n", seconds,
                    Form1->StatusBar1->simpleText().toStdString().c_str());
    }
    std::copy(before.begin(), before.end(), ttHitCount);
    return agree;
}

} // namespace

int main(int argc, char** argv)
{
    TakeBenchOptions(argc, argv);
    return RunWorkbenchBenchmarks(argc, argv, [] {
        LayRecipe();
        bool agree = CompareRange("8625", true);
        agree = CompareRange("-70", false) && agree;
        agree = CompareRange(std::to_string(ttRecordCount).c_str(), false) && agree;
        return agree;
    });
}
