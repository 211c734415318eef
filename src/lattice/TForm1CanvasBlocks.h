#pragma once
// Small bridges between the lattice experiments and the main window's canvas:
// solid pixel blocks written straight into the backing image's rows, and the
// image as the frame writers read it.
#include "lattice/VideoFrames.h"
#include "widgets/Canvas.h"

// Sets the pixels x .. x + width - 1, y .. y + height - 1 to color, as the
// same number of single pixel writes would; pen and brush stay as they were.
void FillBlock(Canvas& canvas, int x, int y, int width, int height, TColor color);

// The canvas's backing image from the canvas's origin on, as the frame writers
// read it: pixel (0, 0) is canvas point (0, 0) (valid until the canvas is drawn
// on or resized).
PixelImage CanvasPixels(const Canvas& canvas);
