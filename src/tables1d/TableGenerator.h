#pragma once
// Learning a one-dimensional transition table from the event rows of one
// recorded run: every window of group elements around a cell, with the
// element that follows it at the centre, goes into the key-indexed table of
// the mask's point count (5 to 9). A window followed by the identity is stored
// as seen and tested against the value already stored for it; any other
// window is left-divided by its next element first and its value taken as it
// is (next element 1 or 2) or negated (3, 4 or 5). The learned keys are then
// listed, in index order, as the records of block 0 of the table list.
#include "tables1d/TableFile.h"

#include <cstdint>
#include <optional>
#include <string>

// 1 while the generator chain runs ("TT 1d" pressed, "Stop " not yet).
extern uint8_t isGenerating1d;

constexpr int kGeneratorMinPoints = 5;
constexpr int kGeneratorMaxPoints = 9;
// Keys a listing may yield: the group multiplication makes six records of each.
constexpr int32_t kGeneratorMaxKeys = 10000 / 6;

// The event rows a pass reads: element(t, c) = elements[t * stride + c] is the
// group element of event t of column c, output(t, c) the output value after it.
// rowCount is the number of event rows the run produced; at most rowCapacity
// rows are stored.
struct EventRowsView {
    const int32_t* elements = nullptr;
    const int32_t* outputs = nullptr;
    int stride = 0;
    int rowCapacity = 0;
    int32_t rowCount = 0;
};

// The event rows of the last recorded run: eventElementA, its output values
// eventFrontDiffIncrement and historyRowCount rows.
EventRowsView RecordedRunEventRows();

// The window: pointCount offsets around the centre, ascending, 0 included.
struct GeneratorMask {
    int pointCount = 0;
    int32_t offsets[kGeneratorMaxPoints] = {};
};

// The first pointCount of these offsets form a mask the generator can learn
// with: pointCount 5..9, strictly ascending, the centre 0 among them.
bool IsGeneratorMaskUsable(int pointCount, const int32_t* offsets);

struct LearnOutcome {
    bool contradiction = false;     // a window followed by 0 met another stored value
    int32_t contradictionRow = -1;  // where it was met (event row, column)
    int32_t contradictionColumn = -1;
    int32_t planeHits = 0;          // five points: windows whose raw key a two-dimensional plane holds
    int32_t windows = 0;            // windows learned
    int32_t skippedWindows = 0;     // windows with a cell or next element outside 0..5
};

// Learns every window of event rows 1 .. rowCount-2 and columns
// 0 .. stringLength-1 (cyclic neighbours, WrapStringIndex) into the table of
// mask.pointCount cells. Stops at the first contradiction, keeping what was
// learned before it. Rows beyond rowCapacity and columns beyond stride are
// never read; windows with cells outside the group are skipped and counted.
LearnOutcome LearnWindows(const EventRowsView& rows, const GeneratorMask& mask);

// Lists the keys whose used flag is set in the table of pointCount cells (plane
// 0 for five cells) in increasing index order: key bytes into rt1Keys, the
// stored value read as a signed byte into ttValues (0 for eight and nine
// cells), and rt1Width := pointCount, the width of those rows. Returns the
// number listed, or nullopt, with nothing written, when there are more than
// maxKeys.
std::optional<int32_t> ListLearnedKeys(int pointCount, int32_t maxKeys = kGeneratorMaxKeys);

// Block 0 of the table list := the first keyCount rows of rt1Keys
// (pointCount bytes each); N := keyCount.
void TakeListedKeys(int32_t keyCount, int pointCount);

// The message of a chain stopped because more keys were gathered ("learned",
// "harvested") than the list holds once multiplied by the group. `file` is what
// PutBackEmptiedTable said of the table file at path that the chain writes:
// the message says what the list and that file hold now.
std::string CapacityStopMessage(const std::string& gathered, TableFileStatus file, const std::string& path);
