// "TT 1d" and its chain of generation passes on Timer17: each pass records one
// random run, learns its windows into the key-indexed table of the mask's
// point count, lists the learned keys, multiplies them by the group, shows
// them and writes the table file. "Stop " ends the chain.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/Random.h"
#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "runs/RecordedRun.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "widgets/Dialogs.h"

#include <algorithm>

namespace {

// The five-point pass writes its table here (relative to the current
// directory) with five key bytes per record, and only when the file exists.
const char* const kFivePointTableFile = "RT/RT53.dat";
constexpr int kFivePoints = 5;

} // namespace

// Whether the generator can learn the current mask into the current table
// file; empty when it can, else why not. Nothing is touched here, so a refused
// start leaves the file and the chain as they were. Five-point passes write
// only "RT/RT53.dat", so they start without a table file; a chosen file must
// still be named for the mask's points, since the start empties it.
QString TForm1::WhyGeneratorCannotStart() const
{
    const int n = mask1dPointCount;
    if (ttFileName1d.empty() && n != kFivePoints)
        return "No table file is chosen: pick a mask on \"ANY I\" or open a table first.";
    GeneratorMask mask;
    std::copy(mask1dOffsets, mask1dOffsets + std::clamp(n, 0, kGeneratorMaxPoints), mask.offsets);
    if (!IsGeneratorMaskUsable(n, mask.offsets))
        return QString("The generator learns masks of %1 to %2 points, built from the \"Mask\" boxes; the mask "
                       "has %3 points or is not built yet (press \"mk\" or pick it on \"ANY I\").")
            .arg(kGeneratorMinPoints)
            .arg(kGeneratorMaxPoints)
            .arg(n);
    if (ttFileName1d.empty()) return {};
    const auto name = ParseTableFileName(ttFileName1d);
    if (!name || name->pointCount != n)
        return Text("The table file " + ttFileName1d + " is not a table of the mask's " + std::to_string(n) +
                    " points: pick the mask on \"ANY I\" or open a table of this mask, so that its file is "
                    "named for it. The file was not touched.");
    return {};
}

// "TT 1d": the table file is created empty, then the chain starts. With five
// points and no table file chosen there is nothing to create. The table the
// file held is kept for a chain that ends before it writes one of its own.
void TForm1::Button204Click()
{
    if (const QString why = WhyGeneratorCannotStart(); !why.isEmpty()) {
        ShowMessage(why);
        return;
    }
    if (!ttFileName1d.empty() && !EmptyTableFileKeepingItsTable(ttFileName1d)) {
        ShowMessage(Text("The table file " + ttFileName1d + " could not be created; the generator did not start."));
        return;
    }
    Button211->setVisible(true);
    Button204->setVisible(false);
    Timer17->setEnabled(true);
    isGenerating1d = 1;
}

// "Stop ": a pass in progress finishes and then does not arm the timer.
void TForm1::Button211Click()
{
    Button211->setVisible(false);
    Button204->setVisible(true);
    Timer17->setEnabled(false);
    isGenerating1d = 0;
}

void TForm1::Timer17Timer()
{
    Timer17->setEnabled(false);
    Label579->setText(QString::number(Rand()));
    const int n = mask1dPointCount;
    if (n < kGeneratorMinPoints || n > kGeneratorMaxPoints) {
        // A chain that can run no pass would stand still with "Stop " shown.
        Button211Click();
        ShowMessage(QString("The generator learns masks of 5 to 9 points; the mask has %1. The generator stopped.")
                        .arg(n));
        return;
    }
    GenerationPass(n);
}

void TForm1::Button167Click() { GenerationPass(5); }
void TForm1::Button205Click() { GenerationPass(6); }
void TForm1::Button212Click() { GenerationPass(7); }
void TForm1::Button229Click() { GenerationPass(8); }
void TForm1::Button230Click() { GenerationPass(9); }

void TForm1::GenerationPass(int n)
{
    // The chain goes on after this pass unless something below ends it.
    struct Rearm {
        TForm1& f;
        ~Rearm()
        {
            if (isGenerating1d == 1) f.Timer17->setEnabled(true);
        }
    } rearm{*this};

    GeneratorMask mask;
    mask.pointCount = n;
    std::copy(mask1dOffsets, mask1dOffsets + std::min(n, kGeneratorMaxPoints), mask.offsets);
    if (mask1dPointCount != n || !IsGeneratorMaskUsable(n, mask.offsets)) {
        if (isGenerating1d) Button211Click();
        ShowMessage(QString("The mask is not built for a table of %1 points (it has %2): choose it on \"ANY I\" "
                            "or press \"mk\" first. Nothing was learned.")
                        .arg(n)
                        .arg(mask1dPointCount));
        return;
    }

    Button149Click();
    Label353->setText(isRunSuccessful ? "1" : "0");
    if (!isRunSuccessful) return;
    Button168Click();

    const LearnOutcome learned = LearnWindows(RecordedRunEventRows(), mask);

    if (learned.planeHits > 0) {
        StatusBar1->setSimpleText(
            QString("%1 windows are held by the two-dimensional planes with another next value.").arg(learned.planeHits));
        ShowMessage("WRONG MASK!!", "Warning");
    }
    if (learned.contradiction) {
        // A mask that contradicts itself would report again on every later
        // pass, a box every few milliseconds: the chain ends here.
        Timer12->setEnabled(false);
        if (isGenerating1d) Button211Click();
        StatusBar1->setSimpleText(QString("Contradiction at event row %1, column %2; the generator stopped.")
                                      .arg(learned.contradictionRow)
                                      .arg(learned.contradictionColumn));
        ShowMessage("WRONG MASK!!", "Warning");
        return;
    }

    const std::optional<int32_t> listed = ListLearnedKeys(n);
    if (!listed) {
        if (isGenerating1d) Button211Click();
        // The list keeps the last table that fitted; so does the file this pass
        // writes, which the chain's start emptied if no pass has written it since.
        const std::string file = n == kFivePoints ? std::string(kFivePointTableFile) : ttFileName1d;
        ShowMessage(Text(CapacityStopMessage("learned", PutBackEmptiedTable(file), file)));
        return;
    }
    const int32_t keyCount = *listed;
    ShowTableCounters(6 * keyCount);
    TakeListedKeys(keyCount, n);
    Button181Click();
    // A fresh table has been checked by nothing: no count of an earlier check
    // (in the list's rows before, or under the blocks the multiplication made)
    // may reach its file.
    std::fill_n(ttHitCount, ListedRecordCount(), 0);

    // A failed write is reported once: the chain ends rather than report again
    // on every tick.
    bool written = true;
    if (n == 5) {
        const TableFileStatus status = WriteListToTableFile(kFivePointTableFile, 5);
        written = status == TableFileStatus::Ok || status == TableFileStatus::Missing;
        if (!written) ShowMessage(Text(DescribeTableFileStatus(status, kFivePointTableFile, 5)));
    }
    FillTable1dGrid(n);
    if (n >= 6 && !WriteTable1dFile()) written = false;
    if (!written && isGenerating1d) Button211Click();

    // A five-point window held by another plane contradicts the mask as well:
    // the pass is written, and the chain ends rather than report on every pass.
    if (learned.planeHits > 0 && isGenerating1d) Button211Click();
}
