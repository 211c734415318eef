#include "lattice/StartPatterns.h"

#include <algorithm>

#include "base/PointLists.h"
#include "base/Random.h"
#include "base/Square.h"

void DrawRandomPoints(int16_t* xs, int16_t* ys, int32_t count, int rows, int columns)
{
    if (rows <= 0 || columns <= 0)
        return;
    count = PointListLength(count);
    for (int32_t i = 0; i < count; ++i) {
        ys[i] = static_cast<int16_t>(Rand() % rows);
        xs[i] = static_cast<int16_t>(Rand() % columns);
    }
}

void LayRandomPointBatch(int batch, int32_t n)
{
    if (batch < 0 || batch > 5)
        return;
    n = std::clamp(n, 0, kMaxSixBatchPoints);
    for (int32_t i = 0; i < n; ++i) {
        const int row = Rand() % kSquareSide;
        const int column = Rand() % kSquareSide;
        cPointY[batch * n + i] = static_cast<int16_t>(row);
        cPointX[batch * n + i] = static_cast<int16_t>(column);
        squareCells[SquareIndex(row, column)] = 0;
    }
}

void LayAlternatingRow(int32_t count)
{
    const int h = UsedSquareRows() / 2;
    for (int32_t i = 0; i < count && h + i < kSquareSide; ++i)
        squareCells[SquareIndex(h, h + i)] = i % 2 == 0 ? 0 : 1;
}

void FillSquareRandomly()
{
    const int rows = UsedSquareRows();
    const int columns = UsedSquareColumns();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            uint8_t cell = 2;
            if (Rand() < 10001)
                cell = Rand() < 20001 ? 0 : 1;
            squareCells[SquareIndex(r, c)] = cell;
        }
}
