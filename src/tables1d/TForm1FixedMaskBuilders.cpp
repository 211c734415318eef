// The builders of the fixed masks: (1,1) and (3,1) learn one run's windows
// into the layers of tt3 and tt4, forwards (the element one event row later)
// or backwards (one event row earlier); (7,3) is the six-point generation pass
// with its offsets wired in. "Stop 173" runs the mask (3,1) builder on Timer12.
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "runs/RecordedRun.h"
#include "tables1d/FixedTableFiles.h"
#include "tables1d/LayeredTables.h"
#include "tables1d/TableBlocks.h"
#include "tables1d/TableGenerator.h"
#include "widgets/Dialogs.h"

#include <optional>

namespace {

QString WarningText(LayeredMask mask, const LayeredWarning& warning)
{
    if (mask == LayeredMask::Mask11) return "IS UNLOCKED";
    if (warning.kind == LayeredWarning::Kind::SeenInOtherLayer)
        return warning.layer == 0 ? "WRONG MASK!!" : warning.layer == 1 ? "IIS 111111" : "IIS 22222";
    const char* const conflicts[6] = {"WRONG MASK!!", "IS 111111", "IS 222222", "IS 333333", "IS 444444", "IS 5555555"};
    return conflicts[warning.layer];
}

// One "Warning" box per warning, in the order they were met.
void ShowLayeredWarnings(LayeredMask mask, const LayeredLearnOutcome& learned)
{
    for (const LayeredWarning& warning : learned.warnings) ShowMessage(WarningText(mask, warning), "Warning");
}

// The learned layers listed into rt1Keys and on into block 0 of the list.
LayeredListing TakeLayeredList(LayeredMask mask)
{
    const LayeredListing listing = ListLayeredKeys(mask);
    TakeListedKeys(listing.recordCount, LayeredKeyCells(mask));
    return listing;
}

// False, after saying why, when the file could not be written.
bool WriteFixed(const FixedTableFile& file, const uint8_t (*keys)[kTableKeyBytes], int32_t count)
{
    const TableFileStatus status = WriteFixedTableFile(file, keys, count);
    if (status == TableFileStatus::Ok) return true;
    ShowMessage(QString::fromStdString(DescribeTableFileStatus(status, file.path, file.keyBytes)), "Warning");
    return false;
}

// The last run, when it ended with both strings stopped, learned into the
// mask (3,1) layers in the direction given, listed, and written to file. A
// value conflict stops the learning before anything is listed; it and a file
// that cannot be written end the loop of Timer12, which would otherwise
// report again on every tick. Returns the listing, or nothing when no list was made.
std::optional<LayeredListing> LearnMask31Run(TForm1& f, LearnDirection direction, const FixedTableFile& file)
{
    f.Label353->setText(isRunSuccessful ? "1" : "0");
    if (!isRunSuccessful) return std::nullopt;
    f.Button168Click();
    const LayeredLearnOutcome learned = LearnLayeredWindows(RecordedRunEventRows(), LayeredMask::Mask31, direction);
    if (learned.stopped) f.Timer12->setEnabled(false);
    ShowLayeredWarnings(LayeredMask::Mask31, learned);
    if (learned.stopped) return std::nullopt;
    const LayeredListing listing = TakeLayeredList(LayeredMask::Mask31);
    std::copy(listing.perLayer.begin(), listing.perLayer.end(), harvestClassCount);
    if (!WriteFixed(file, ttKeys, listing.recordCount)) f.Timer12->setEnabled(false);
    return listing;
}

} // namespace

// "TT 1d" of mask (1,1): every run is learned, whether or not it ended with
// both strings stopped; a conflicting value is reported window by window.
void TForm1::Button153Click()
{
    Button149Click();
    const LayeredLearnOutcome learned = LearnLayeredWindows(RecordedRunEventRows(), LayeredMask::Mask11,
                                                            LearnDirection::Forward);
    ShowLayeredWarnings(LayeredMask::Mask11, learned);
    const LayeredListing listing = TakeLayeredList(LayeredMask::Mask11);
    ShowTableCounters(listing.recordCount);
    FillFixedMaskGrid(3, false);
}

// "TT 1d" of mask (3,1): a run that ended with both strings stopped is
// learned and the table written to "RT/RT31.dat"; a value conflict ends the
// loop of Timer12 and leaves the list as it was.
void TForm1::Button171Click()
{
    Button149Click();
    if (const auto listing = LearnMask31Run(*this, LearnDirection::Forward, kTableFileRT31))
        ShowTableCounters(listing->recordCount);
    FillFixedMaskGrid(4, CheckBox62->isChecked());
}

// "Stop 173"
void TForm1::Button173Click()
{
    Timer12->setEnabled(!Timer12->enabled());
}

// Two recorded runs per tick: the refresh entry, then the builder's own.
void TForm1::Timer12Timer()
{
    Button149Click();
    Button171Click();
}

// "mk OB 189": the windows of the last run learned backwards into the
// mask (1,1) layers; "RT/RT11OB.dat" gets the listed table.
void TForm1::Button189Click()
{
    const LayeredLearnOutcome learned = LearnLayeredWindows(RecordedRunEventRows(), LayeredMask::Mask11,
                                                            LearnDirection::Backward);
    ShowLayeredWarnings(LayeredMask::Mask11, learned);
    const LayeredListing listing = TakeLayeredList(LayeredMask::Mask11);
    WriteFixed(kTableFileRT11OB, ttKeys, listing.recordCount);
    ShowTableCounters(6 * listing.recordCount);
    FillFixedMaskGrid(3, false);
}

// "mk OB 190": the windows of the last run learned backwards into the
// mask (3,1) layers and written to "RT/RT31OB.dat". A run that did not end
// with both strings stopped, or a value conflict, leaves the list as it was
// and shows it again.
void TForm1::Button190Click()
{
    LearnMask31Run(*this, LearnDirection::Backward, kTableFileRT31OB);
    ShowTableCounters(6 * ttRecordCount);
    FillFixedMaskGrid(4, false);
}

// "II mk AL 195": the six-point pass with the offsets -3..+2. Its keys are
// multiplied by the group and shown with their own six cells and centre
// (index 3), whatever mask is current; the table goes to "RT/RT73.dat" and,
// through WRITE 1, to the current table file. It never arms Timer17.
void TForm1::Button195Click()
{
    Button149Click();
    Label353->setText(isRunSuccessful ? "1" : "0");
    if (!isRunSuccessful) return;
    Button168Click();

    GeneratorMask mask;
    mask.pointCount = 6;
    const int32_t offsets[6] = {-3, -2, -1, 0, 1, 2};
    std::copy(offsets, offsets + 6, mask.offsets);
    const LearnOutcome learned = LearnWindows(RecordedRunEventRows(), mask);
    if (learned.contradiction) {
        Timer12->setEnabled(false);
        ShowMessage("WRONG MASK!!", "Warning");
        return;
    }
    const std::optional<int32_t> listed = ListLearnedKeys(6);
    if (!listed) {
        ShowMessage(QString("More than %1 keys have been learned: the table of six times as many records would "
                            "exceed the capacity of %2 records. Nothing was listed or written.")
                        .arg(kGeneratorMaxKeys)
                        .arg(kTableCapacity));
        return;
    }
    const int32_t keyCount = *listed;
    harvestClassCount[0] = keyCount;
    ShowTableCounters(6 * keyCount);
    TakeListedKeys(keyCount, 6);
    MultiplyListByGroup(6);   // fits: the listing refused more keys than a sixth of the capacity
    WriteFixed(kTableFileRT73, ttKeys, ttRecordCount);
    FillTable1dGridCentred(6, 3);
    Button231Click();
}
