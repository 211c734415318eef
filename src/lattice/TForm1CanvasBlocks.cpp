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
    const QPoint o = canvas.origin();
    return {image.constBits() + o.y() * image.bytesPerLine() + o.x() * 4, image.width() - o.x(), image.height() - o.y(),
            image.bytesPerLine()};
}
