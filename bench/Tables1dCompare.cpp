// The one-dimensional closure check ("CHECK TT 1 dim") and the extension over
// the group ("1/6 => All") on nine-, eight- and seven-point tables generated
// by "TT 1d" until they stop growing, each recipe (the mask pair picked on
// "ANY I", the string length, the random state) below: the engine against the
// scan as first written (ClosureCheckComparison.h), with "/6" and with all
// start records, then the same table with one key broken, then the click of
// "CHECK TT 1 dim" as a user meets it (the check, the grid, the table file and
// the text export). Then the engine under Google Benchmark on the same
// tables. "--benchmarks-only" skips the comparisons; "--recipe=N" takes
// recipe N only.
#include "base/TableRecords.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TableBlocks.h"

#include "ClosureCheckComparison.h"
#include "HarvestedTables.h"
#include "ScanComparison.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const Generate1dRecipe kRecipes[] = {
    {"(27,23): distances 1,2,4,5 left, 1,2,3,5 right, string of 27", 27, 23, 27, 1},
    {"(23,23): distances 1,2,3,5 on both sides, string of 27", 23, 23, 27, 1},
    {"(31,11): distances 1-5 left, 1,2,4 right, string of 27", 31, 11, 27, 1},
    {"(27,27): distances 1,2,4,5 on both sides, string of 27", 27, 27, 27, 1},
    {"(19,31): distances 1,2,5 left, 1-5 right, string of 27", 19, 31, 27, 1},
    // Eight points far apart: the pair (15,7) picked, then the boxes of distances
    // 6, 8, 10 left and 4, 5, 7, 8 right ticked and "mk" (offsets -10 -8 -6 0 4 5 7 8);
    // its chain reaches the capacity in seven passes.
    {"(15,7) with the boxes 6,8,10 left, 4,5,7,8 right, string of 27", 15, 7, 27, 1, 0b1010100000, 0b11011000},
};

constexpr double kScanBudget = 1.5e9;

struct Generated {
    std::string name;
    ClosureMask mask;
    KeptTable kept;

    void lay() const { kept.lay(mask.pointCount); }
    ClosureScope scope(bool firstBlockOnly) const
    {
        return GeneralClosureScope(mask, int32_t(kept.keys.size()), firstBlockOnly);
    }
};

std::vector<std::unique_ptr<Generated>> generated;

double ClickSeconds(bool firstBlockOnly)
{
    Form1->CheckBox68->setChecked(firstBlockOnly);
    return BestOfThreeSeconds([] { Form1->Button200Click(); });
}

bool CompareRecipe(const Generate1dRecipe& recipe, bool compare)
{
    Generate1dToSaturation(recipe);
    auto table = std::make_unique<Generated>();
    table->name = recipe.name;
    table->mask = CurrentMask1d();
    table->kept.keepList();
    bool agree = true;
    if (compare) {
        const int n = table->mask.pointCount;
        for (const bool sixth : {true, false}) {
            table->lay();
            agree = CompareCheckWithScan(sixth ? "  check with \"/6\"" : "  check of all start records", table->mask,
                                         table->scope(sixth), kScanBudget) &&
                    agree;
        }
        for (const bool sixth : {true, false}) {
            table->lay();
            agree = CompareBrokenCheckWithScan(sixth ? "  one key broken, \"/6\"" : "  one key broken, all start records",
                                               table->mask, table->scope(sixth), kScanBudget) &&
                    agree;
        }
        table->lay();
        const double sixth = ClickSeconds(true), all = ClickSeconds(false);
        std::printf("  \"CHECK TT 1 dim\" click (check, grid, file, export): \"/6\" %.4f s, all %.4f s\n", sixth, all);
        agree = CompareExtensionForms("  extension over the group (\"1/6 => All\")", ExtendHitCountsByScan,
                                      ExtendHitCounts, n) &&
                agree;
    }
    generated.push_back(std::move(table));
    return agree;
}

void RegisterEngineBenchmarks()
{
    for (const auto& table : generated) {
        const Generated* t = table.get();
        for (const bool broken : {false, true})
            for (const bool sixth : {true, false})
                RegisterCheckBenchmark(t->name, sixth, broken, [t] { t->lay(); }, t->mask, t->scope(sixth));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const BenchOptions options = TakeBenchOptions(argc, argv);
    return RunWorkbenchBenchmarks(argc, argv, [options] {
        bool agree = true;
        for (int i = 0; i < int(std::size(kRecipes)); ++i)
            if (options.takes(i)) agree = CompareRecipe(kRecipes[i], options.beforeBenchmarks) && agree;
        RegisterEngineBenchmarks();
        return agree;
    });
}
