// Drawing of strings A and B on the main window's canvas, the square frame,
// the guide grid, the large step digits and the time-offset controls.
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "base/StringLength.h"

#include "base/RunControls.h"
#include "base/ViewTransform.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "runs/RunViewState.h"

#include <string>

namespace {

// The marks of the string paint drawn as canvas ellipses; the pen and the
// brush stay set for the drawings that follow.
class CanvasMarks : public StringMarkSink {
public:
    explicit CanvasMarks(Canvas& canvas) : canvas_(canvas) {}

    void useOutline(uint32_t colour) override
    {
        canvas_.pen.color = colour;
        canvas_.pen.width = 4;
        canvas_.pen.style = PenStyle::Solid;
        canvas_.brush.style = BrushStyle::Clear;
    }

    void useFill(uint32_t colour) override
    {
        canvas_.pen.color = colour;
        canvas_.brush.color = colour;
        canvas_.pen.style = PenStyle::Clear;
        canvas_.pen.width = 0;
        canvas_.brush.style = BrushStyle::Solid;
    }

    void ellipse(int x1, int y1, int x2, int y2) override { canvas_.ellipse(x1, y1, x2, y2); }

private:
    Canvas& canvas_;
};

// Strokes of the large digits in world units: 'M' moves, 'L' draws.
struct Stroke { char op; int x, y; };

const std::vector<Stroke>& DigitStrokes(int digit)
{
    static const std::vector<Stroke> strokes[10] = {
        {{'M', 20, 20}, {'L', 40, 20}, {'L', 40, 60}, {'L', 20, 60}, {'L', 20, 20}},
        {{'M', 30, 20}, {'L', 30, 60}},
        {{'M', 20, 20}, {'L', 40, 20}, {'L', 40, 40}, {'L', 20, 60}, {'L', 40, 60}},
        {{'M', 20, 20}, {'L', 40, 20}, {'L', 20, 40}, {'L', 40, 40}, {'L', 20, 60}},
        {{'M', 20, 20}, {'L', 20, 40}, {'L', 40, 40}, {'M', 40, 20}, {'L', 40, 60}},
        {{'M', 40, 20}, {'L', 20, 20}, {'L', 20, 40}, {'L', 40, 40}, {'L', 40, 60}, {'L', 20, 60}},
        {{'M', 40, 20}, {'L', 20, 40}, {'L', 40, 40}, {'L', 40, 60}, {'L', 20, 60}, {'L', 20, 40}},
        {{'M', 20, 20}, {'L', 40, 20}, {'L', 20, 40}, {'L', 20, 60}},
        {{'M', 20, 20}, {'L', 40, 20}, {'L', 40, 60}, {'L', 20, 60}, {'L', 20, 20}, {'M', 20, 40}, {'L', 40, 40}},
        {{'M', 20, 60}, {'L', 40, 40}, {'L', 40, 20}, {'L', 20, 20}, {'L', 20, 40}, {'L', 40, 40}},
    };
    return strokes[digit];
}

} // namespace


void TForm1::Button3Click()
{
    if (notpaint1->isChecked())
        return;
    canvas().pen.mode = PenMode::Copy;
    canvas().pen.style = PenStyle::Solid;
    StringPaintSettings s;
    s.ordinary = CheckBox33->isChecked();
    s.mA = CheckBox1->isChecked();
    s.mB = CheckBox2->isChecked();
    s.mC = CheckBox29->isChecked();
    s.mdA = CheckBox30->isChecked();
    s.mdB = CheckBox31->isChecked();
    s.mdC = CheckBox32->isChecked();
    s.grey = CheckBox37->isChecked();
    s.notDraw = CheckBox43->isChecked();
    s.shiftItem = RadioGroup9->itemIndex();
    s.lowerItem = RadioGroup11->itemIndex();
    s.cellWidth = cellWidth;
    s.cellHeight = cellHeight;
    s.timeLimit = timeLimitC;
    CanvasMarks marks(canvas());
    PaintStrings(s, marks);
}

// The right and bottom border of the square area, 5 pixels per cell.
void TForm1::Button33Click()
{
    Canvas& c = canvas();
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.pen.color = ColorBlack;
    const int r = squareRowCount;
    const int col = squareColumnCount;
    c.moveTo(0, 5 * r + 5);
    c.lineTo(5 * col + 5, 5 * r + 5);
    c.moveTo(5 * col + 5, 0);
    c.lineTo(5 * col + 5, 5 * r + 5);
}

void TForm1::Button104Click()
{
    Canvas& c = canvas();
    c.pen.width = 1;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.pen.color = ColorBlack;
    for (int i = 0; i <= 24; ++i) {
        c.moveTo(i * cellWidth, 0);
        c.lineTo(i * cellWidth, 800);
    }
    for (int i = 0; i <= 29; ++i) {
        const int y = static_cast<int>(1.5 * i * cellHeight + (cellHeight - cellHeight / 2));
        c.moveTo(0, y);
        c.lineTo(700, y);
    }
}

void TForm1::DrawDigits(uint32_t value)
{
    DrawDigitsFrom(value, 0);
}

void TForm1::DrawDigitsFrom(uint32_t value, int firstCell)
{
    Canvas& c = canvas();
    const std::string text = std::to_string(value);
    for (size_t j = 0; j < text.size(); ++j) {
        for (const Stroke& s : DigitStrokes(text[j] - '0')) {
            const double cell = static_cast<double>(j) + firstCell;
            const int x = static_cast<int>(WorldToScreenX(35.0 * cell + s.x));
            const int y = static_cast<int>(WorldToScreenY(s.y));
            if (s.op == 'M')
                c.moveTo(x, y);
            else
                c.lineTo(x, y);
        }
    }
}

void TForm1::Button46Click()
{
    viewOffsetX = 0;
    viewOffsetY = 202;
    viewScale = 3.0;
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.color = ColorGreen;
    c.pen.width = 5;
    digitDisplayValue = stepsPerRun;
    DrawDigits(static_cast<uint32_t>(digitDisplayValue));
    c.pen.color = ColorBlack;
    c.pen.width = 5;
    viewOffsetX = 170;
    digitDisplayValue = stepCount;
    DrawDigits(static_cast<uint32_t>(digitDisplayValue));
    c.pen.width = 1;
}

void TForm1::UpDown5Click()
{
    paintTimeOffset = UpDown5->position();
    Label69->setText(QString::number(paintTimeOffset));
    if (RestartFromStoredString())
        Button6Click();
}

void TForm1::UpDown8Click()
{
    paintTimeOffset = UpDown8->position();
    Label225->setText(QString::number(paintTimeOffset));
    canvas().brush.color = ColorButtonFace;
    canvas().brush.style = BrushStyle::Solid;
    canvas().fillRect(0, 0, 1000, 800);
    Button142Click();
    Button143Click();
}

// "F(3)" and "F(2)" draw nothing.
void TForm1::Button142Click() {}
void TForm1::Button143Click() {}
