#include "lattice/TForm1CanvasBlocks.h"

void FillBlock(Canvas& canvas, int x, int y, int width, int height, TColor color)
{
    if (width <= 0 || height <= 0)
        return;
    const Brush kept = canvas.brush;
    canvas.brush.color = color;
    canvas.brush.style = BrushStyle::Solid;
    canvas.fillRect(x, y, x + width, y + height);
    canvas.brush = kept;
}

PixelImage CanvasPixels(const Canvas& canvas)
{
    const QImage& image = canvas.image();
    return {image.constBits(), image.width(), image.height(), image.bytesPerLine()};
}
