#include "lattice/VideoFrameSize.h"

int32_t frameWidth = 352;
int32_t frameHeight = 704;

namespace {

struct FrameSize {
    int32_t width;
    int32_t height;
};

// In the order of the "Size" items, whose captions name the same sizes.
constexpr FrameSize kFrameSizes[kFrameSizeItemCount] = {
    {352, 704}, {864, 656}, {8448, 704}, {352, 352}, {512, 512}, {352, 100},
    {704, 704}, {120, 100}, {704, 432}, {432, 432}, {792, 432}, {792, 640},
};

}  // namespace

void SetFrameSizeFromItem(int item)
{
    if (item < 0 || item >= kFrameSizeItemCount)
        return;   // no item chosen (or none that exists): keep the last size
    frameWidth = kFrameSizes[item].width;
    frameHeight = kFrameSizes[item].height;
}
