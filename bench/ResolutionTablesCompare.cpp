// "Comp.+" and its ambiguity check "CH !!!" on two resolution tables of 10000
// rows: the specified linear scan and the map search on the same tables in one
// run, their agreement checked and their ratio printed; then the commands that
// list 10000 rows in the rich edits ("Copy 1=> 2", "Copy 1=> Inv 2", "Comp.+"
// with and without "CH !!!", "Copy 1 => U") on the started workbench, each
// timed with the work it leaves for the event loop and the paint of the edits
// it filled; then the map search under Google Benchmark.
#include "base/ResolutionProbe.h"
#include "runs/ResolutionTables.h"

#include "StartedWorkbench.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kWidth = 6;

// Random six-cell rows; table 2 shares every third row with table 1, so that
// about a third of its rows find a partner.
void LayTables()
{
  std::mt19937 rng(2024);
  ttRecordCount = rt2Count = kRows;
  rt1Width = rt2Width = kWidth;
  for (int i = 0; i < kRows; ++i) {
    for (int c = 0; c < kWidth; ++c) {
      rt1Keys[i][c] = uint8_t(rng() % 6);
      rt2Keys[i][c] = uint8_t(rng() % 6);
    }
    if (i % 3 == 0) std::copy(rt1Keys[(i * 7) % kRows], rt1Keys[(i * 7) % kRows] + kWidth, rt2Keys[i]);
  }
}

template <class F>
double Seconds(F&& f)
{
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Outcome {
  int32_t unmatched = 0;
  std::vector<int32_t> matches1, matches2;
  long boxes = 0;
};

Outcome RunCommand(const ResolutionSearch& search)
{
  Outcome o;
  o.unmatched = MatchTables(search);
  o.matches1.assign(rt1MatchIndex, rt1MatchIndex + kRows);
  o.matches2.assign(rt2MatchIndex, rt2MatchIndex + kRows);
  CheckAmbiguity(search, [&](const char*) { ++o.boxes; });
  return o;
}

void CompareWithTheScan()
{
  LayTables();
  Outcome scanned, indexed;
  const double scanSeconds = Seconds([&] { scanned = RunCommand(ResolutionScan()); });
  const double indexSeconds = Seconds([&] { indexed = RunCommand(ResolutionIndex()); });
  const bool same = scanned.unmatched == indexed.unmatched && scanned.matches1 == indexed.matches1 &&
                    scanned.matches2 == indexed.matches2 && scanned.boxes == indexed.boxes;
  std::printf("Comp.+ with CH !!! on %d x %d rows: scan %.3f s, map %.4f s, ratio %.0f, %s "
              "(unmatched %d, boxes %ld)\n",
              kRows, kRows, scanSeconds, indexSeconds, scanSeconds / indexSeconds, same ? "same results" : "DIFFERENT",
              indexed.unmatched, indexed.boxes);
}

// A command as the user meets it: the handler, what it posted for the event
// loop, and the paint of the two listings.
double CommandSeconds(void (TForm1::*command)())
{
  return Seconds([&] {
    (Form1->*command)();
    QCoreApplication::sendPostedEvents();
    Form1->RichEdit5->viewport()->repaint();
    Form1->RichEdit6->viewport()->repaint();
  });
}

void TimeTheListingCommands()
{
  struct Command {
    const char* name;
    void (TForm1::*run)();
    bool ambiguityCheck;
  };
  const Command commands[] = {
      {"\"Copy 1=> 2\"", &TForm1::Copy121Click, false},
      {"\"Copy 1=> Inv 2\"", &TForm1::Copy1Inv21Click, false},
      {"\"Comp.+\"", &TForm1::Button132Click, false},
      {"\"Comp.+\" with \"CH !!!\"", &TForm1::Button132Click, true},
      {"\"Copy 1 => U\"", &TForm1::Copy1U1Click, false},
  };
  for (const Command& c : commands) {
    LayTables();
    Form1->Copy121Click();   // table 2 from table 1, as before a "Comp.+"
    Form1->Cytcr1->setChecked(c.ambiguityCheck);
    const double seconds = CommandSeconds(c.run);
    std::printf("%-28s %d rows listed in RichEdit5, %d in RichEdit6: %.3f s\n", c.name,
                int(Form1->RichEdit5->lineCount()), int(Form1->RichEdit6->lineCount()), seconds);
  }
}

void CompPlusIndexed(benchmark::State& state)
{
  LayTables();
  for (auto _ : state) {
    const ResolutionIndex index;
    benchmark::DoNotOptimize(MatchTables(index));
  }
}

void AmbiguityCheckIndexed(benchmark::State& state)
{
  LayTables();
  long boxes = 0;
  for (auto _ : state) {
    const ResolutionIndex index;
    CheckAmbiguity(index, [&](const char*) { ++boxes; });
  }
  benchmark::DoNotOptimize(boxes);
}

}  // namespace

BENCHMARK(CompPlusIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(AmbiguityCheckIndexed)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  return RunWorkbenchBenchmarks(argc, argv, [] {
    CompareWithTheScan();
    TimeTheListingCommands();
    return true;
  });
}
