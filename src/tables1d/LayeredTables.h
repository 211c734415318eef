#pragma once
// The layered tables of the fixed masks (1,1) and (3,1): the key-indexed
// tables tt3 and tt4 keep one layer per group element L, layer L holding the
// windows seen next to L, each with the output value that followed it. A
// window is the cells of one event row at the mask's offsets; L is the
// element of the same column one event row later (learning forwards) or one
// event row earlier (learning backwards). Forward and backward entries share
// the layers.
#include "tables1d/TableGenerator.h"

#include <array>
#include <cstdint>
#include <vector>

enum class LayeredMask {
    Mask11,   // offsets -1, 0, +1: tt3; a value conflict is reported and learning goes on
    Mask31,   // offsets -2, -1, 0, +1: tt4; a key seen in another layer is reported,
              // a value conflict stops the learning
};

enum class LearnDirection { Forward = 1, Backward = -1 };

struct LayeredWarning {
    enum class Kind {
        SeenInOtherLayer,   // (3,1): the key is already marked in another layer
        ValueConflict,      // the key's stored value differs from the new one
    };
    Kind kind;
    int layer;        // the window's element L
    int32_t row;      // event row and column of the window
    int32_t column;
};

struct LayeredLearnOutcome {
    std::vector<LayeredWarning> warnings;   // in the order they were met
    bool stopped = false;                   // (3,1): a value conflict ended the learning
    int32_t windows = 0;                    // windows learned
};

// Key cells of the mask: 3 or 4.
int LayeredKeyCells(LayeredMask mask);

// Learns the windows of event rows 1 .. rowCount-2 and columns
// 0 .. stringLength-1 (neighbours wrapped cyclically): sets the used flag of
// (L, key), stores the low 8 bits of the output value into an empty entry and
// compares a stored one as a signed byte. A window whose cells or L lie
// outside 0..5 is skipped; rows beyond the stored rows are never read.
LayeredLearnOutcome LearnLayeredWindows(const EventRowsView& rows, LayeredMask mask, LearnDirection direction);

struct LayeredListing {
    int32_t recordCount = 0;
    std::array<int32_t, 6> perLayer{};   // records listed from each layer
};

// Lists the used entries layer by layer (layer 0 first, the last key cell
// fastest) into the rows of rt1Keys, with the stored value read as a signed
// byte into ttValues, and rt1Width := the key cells (3 or 4). A key seen next
// to several elements is listed once per layer. At most 6 * 6^4 = 7776
// records, within the list's capacity.
LayeredListing ListLayeredKeys(LayeredMask mask);
