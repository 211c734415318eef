// "READ FROM FILE" and "READ FROM FILE (R)" of the menu Initial: the bright
// pixels of "data/1_1.BMP", over the video frame size, become C cells of the
// square or blue pixels of the drawing. The picture is opened read-only under
// a path of its own, so the frame writer's path is left alone.
#include "app/TForm1.h"

#include "base/BinaryFile.h"
#include "lattice/BitmapImport.h"
#include "lattice/VideoFrameSize.h"

#include <QImage>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct CheckedBitmap {
    std::optional<std::vector<uint8_t>> bytes;
    BitmapImportArea area;
    BitmapImportStatus status = BitmapImportStatus::Missing;
    QString message;   // for the status bar; empty for a plain success
};

CheckedBitmap ReadImportBitmap()
{
    CheckedBitmap b;
    b.bytes = ReadWholeFile(kBitmapImportPath);
    if (b.bytes)
        b.status = CheckImportBitmap(*b.bytes, frameWidth, frameHeight, b.area);
    b.message = QString::fromStdString(
        BitmapImportMessage(b.status, kBitmapImportPath, b.area, frameWidth, frameHeight));
    return b;
}

} // namespace

void TForm1::READFROMFILE1Click()
{
    const CheckedBitmap b = ReadImportBitmap();
    if (!b.message.isEmpty())
        StatusBar1->setSimpleText(b.message);
    if (b.status != BitmapImportStatus::Ok)
        return;   // refused: the square is as it was
    MarkBrightCells(*b.bytes, b.area);
    Button3Click();
}

// The bright pixels go into a copy of the drawing's top-left corner through
// its scan lines, and the copy back onto the drawing in one transfer.
void TForm1::READFROMFILER1Click()
{
    const CheckedBitmap b = ReadImportBitmap();
    if (!b.message.isEmpty())
        StatusBar1->setSimpleText(b.message);
    if (b.status != BitmapImportStatus::Ok)
        return;
    // Pixels beyond the drawing would be dropped anyway.
    const int width = std::min<int>(b.area.width, canvas().width());
    const int height = std::min<int>(b.area.height, canvas().height());
    if (width > 0 && height > 0) {
        QImage corner = canvas().copy(QRect(0, 0, width, height));
        const uint32_t blue = ToRgb32(ColorBlue);
        for (int y = 0; y < height; ++y) {
            const uint8_t* pixel = ImportRow(*b.bytes, b.area, y);
            auto* line = reinterpret_cast<uint32_t*>(corner.scanLine(y));
            for (int x = 0; x < width; ++x, pixel += 3)
                if (IsBrightPixel(pixel))
                    line[x] = blue;
        }
        canvas().draw(0, 0, corner);
    }
    Button3Click();
}
