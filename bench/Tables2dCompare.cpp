// The two-dimensional closure check ("Check TT 2 dim") and the extension over
// the group ("1/6 => All") on tables harvested by "TT 2d" until they stop
// growing, each recipe (mask, extra points, torus side, random state) below:
// the engine against the scan as first written (ClosureCheckComparison.h),
// with "/6" and with all start records, then the same table with one key
// broken, then the click of "Check TT 2 dim" as a user meets it (the check,
// the grid, the table file and the text export). Then the engine under Google
// Benchmark on the same tables. "--benchmarks-only" skips the comparisons
// (the scan samples take a few minutes); "--recipe=N" takes recipe N only;
// "--table=PATH" adds the table of a file (its mask from its name, as "Open TT
// (2 dim.)" reads it), checked as it is. Every check is also timed walked
// throughout, placement by placement, with the same result.
//
// The last two recipes are nine-point masks with wide extra points: their
// harvests reach the capacity within a few runs and their checks stop at the
// first start record, after a search that summaries serve worse than a walk.
// A table file of such a mask that checks long (for one,
// T8_-4-2_-9-1_-7+5_+1+8.dat, 1800 records, "/6") is given with --table.
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
    {"Cross +4 with (6,-4) (-5,7) (-8,-3) (-4,-9), side 12", 4, {6, -4, -5, 7, -8, -3, -4, -9}, 12, 1},
    {"Cross +4 with (-2,9) (8,1) (-5,2) (-1,-2), side 12", 4, {-2, 9, 8, 1, -5, 2, -1, -2}, 12, 1},
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

// The table in the list, kept under `name`; compared as it is, and unless
// `asItIs` with one key broken, then clicked.
bool CompareTable(const std::string& name, bool compare, bool asItIs)
{
    auto table = std::make_unique<Harvested>();
    table->name = name;
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
        if (!asItIs) {
            table->lay();
            agree = CompareBrokenCheckWithScan("  one key broken, \"/6\"", table->sixth.mask, table->sixth.scope,
                                               kScanBudget) &&
                    agree;
            table->lay();
            agree = CompareBrokenCheckWithScan("  one key broken, all start records", table->all.mask, table->all.scope,
                                               kScanBudget) &&
                    agree;
        }
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

bool CompareRecipe(const Harvest2dRecipe& recipe, bool compare)
{
    Harvest2dToSaturation(recipe);
    return CompareTable(recipe.name, compare, false);
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
    // "--table=PATH" first, then the options every benchmark program takes.
    std::string tableFile;
    if (argc > 1 && std::string(argv[1]).rfind("--table=", 0) == 0) {
        tableFile = argv[1] + 8;
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    const BenchOptions options = TakeBenchOptions(argc, argv);
    return RunWorkbenchBenchmarks(argc, argv, [options, tableFile] {
        bool agree = true;
        for (int i = 0; i < int(std::size(kRecipes)); ++i)
            if (options.takes(i)) agree = CompareRecipe(kRecipes[i], options.beforeBenchmarks) && agree;
        // Last: the file's mask stays in the coordinate edits, which a recipe of
        // the item's own points would read.
        if (!tableFile.empty())
            agree = OpenTable2dFile(tableFile) && CompareTable(tableFile, options.beforeBenchmarks, true) && agree;
        RegisterEngineBenchmarks();
        return agree;
    });
}
