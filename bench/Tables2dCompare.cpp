// The two-dimensional closure check ("Check TT 2 dim") and the extension over
// the group ("1/6 => All") on tables harvested by "TT 2d" until they stop
// growing, each recipe (mask, extra points, torus side, random state) below:
// the engine against the scan as first written (ClosureCheckComparison.h),
// with "/6" and with all start records, then the same table with one key
// broken, then the click of "Check TT 2 dim" as a user meets it (the check,
// the grid, the table file and the text export). Then the engine under Google
// Benchmark on the same tables. "--benchmarks-only" skips the comparisons
// (the scan samples take a few minutes); "--recipe=N" takes recipe N only.
#include "base/TableRecords.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TableBlocks.h"
#include "tables2d/ClosureCheck2d.h"

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

const Harvest2dRecipe kRecipes[] = {
    {"Cross +4, side 12", 4, {}, 12, 1},
    {"Cross +4 with (1,1) (-1,-1) (2,0) (-2,0), side 12", 4, {1, 1, -1, -1, 2, 0, -2, 0}, 12, 1},
    {"Cross +4 with (1,1) (-1,-1) (2,2) (-2,-2), side 12", 4, {1, 1, -1, -1, 2, 2, -2, -2}, 12, 1},
    {"Cross +3 with (1,1) (-1,-1) (2,0), side 12", 3, {1, 1, -1, -1, 2, 0}, 12, 1},
    {"Cross +2, side 12", 2, {}, 12, 1},
};

// The records the scan may try in a sample: about ten seconds of it.
constexpr double kScanBudget = 1.5e9;

// A harvested table kept to be laid again for each measurement.
struct Harvested {
    std::string name;
    int points = 0;
    KeptTable kept;
    ClosureCheck2d sixth, all;   // the check's mask and scope with and without "/6"

    void lay() const { kept.lay(points); }
};

std::vector<std::unique_ptr<Harvested>> harvested;

double ClickSeconds(bool firstBlockOnly)
{
    Form1->CheckBox68->setChecked(firstBlockOnly);
    Form1->CheckBox58->setChecked(true);   // "Npr=0": fresh counts, every start record
    return BestOfThreeSeconds([] { Form1->Button221Click(); });
}

bool CompareRecipe(const Harvest2dRecipe& recipe, bool compare)
{
    Harvest2dToSaturation(recipe);
    auto table = std::make_unique<Harvested>();
    table->name = recipe.name;
    table->points = mask2dPointCount;
    table->kept.keepList();
    table->sixth = PrepareClosureCheck2d({ttRecordCount, true, true});
    table->all = PrepareClosureCheck2d({ttRecordCount, false, true});
    bool agree = true;
    if (compare) {
        table->lay();
        agree = CompareCheckWithScan("  check with \"/6\"", table->sixth.mask, table->sixth.scope, kScanBudget) && agree;
        table->lay();
        agree = CompareCheckWithScan("  check of all start records", table->all.mask, table->all.scope, kScanBudget) &&
                agree;
        table->lay();
        agree = CompareBrokenCheckWithScan("  one key broken, \"/6\"", table->sixth.mask, table->sixth.scope,
                                           kScanBudget) &&
                agree;
        table->lay();
        agree = CompareBrokenCheckWithScan("  one key broken, all start records", table->all.mask, table->all.scope,
                                           kScanBudget) &&
                agree;
        table->lay();
        const double sixth = ClickSeconds(true), all = ClickSeconds(false);
        std::printf("  \"Check TT 2 dim\" click (check, grid, file, export): \"/6\" %.4f s, all %.4f s\n", sixth, all);
        agree = CompareExtensionForms("  extension over the group (\"1/6 => All\")", ExtendHitCounts2dByScan,
                                      ExtendHitCounts2d, table->points) &&
                agree;
    }
    harvested.push_back(std::move(table));
    return agree;
}

void RegisterEngineBenchmarks()
{
    for (const auto& table : harvested) {
        const Harvested* t = table.get();
        for (const bool broken : {false, true})
            for (const bool sixth : {true, false}) {
                const ClosureCheck2d& c = sixth ? t->sixth : t->all;
                RegisterCheckBenchmark(t->name, sixth, broken, [t] { t->lay(); }, c.mask, c.scope);
            }
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
