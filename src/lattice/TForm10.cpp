#include "lattice/TForm10.h"

#include "app/FormHelpers.h"
#include "base/PointLists.h"
#include "base/Square.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/HeatMap.h"
#include "widgets/Handlers.h"

#include <QImage>
#include <algorithm>

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    setMenuBar(MainMenu1);
    chart5Series_ = Chart5->addSeries(SeriesKind::Bar, ColorGreen);
    chart6Series_ = Chart6->addSeries(SeriesKind::Bar, ColorGreen);

    const std::pair<QAbstractButton*, void (TForm10::*)()> buttons[] = {
        {Button1, &TForm10::Button1Click}, {Button2, &TForm10::Button2Click}, {Button3, &TForm10::Button3Click},
        {Button4, &TForm10::Button4Click}, {Button5, &TForm10::Button5Click}, {Button6, &TForm10::Button6Click},
        {Button7, &TForm10::Button7Click}, {Button8, &TForm10::Button8Click}, {Button9, &TForm10::Button9Click},
    };
    for (const auto& [button, handler] : buttons)
        OnClick(button, [this, handler = handler] { (this->*handler)(); });
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
    OnClick(RadioGroup1, [this] { KindClick(); });
    OnClick(Click121, [this] { Click121Click(); });
}

void TForm10::FormShow()
{
    ShowNumber(Edit1, heatEditValue1);
    ShowNumber(Edit2, heatEditValue2);
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup1, RadioGroup2, Button1, Button2})
        w->setVisible(false);
}

void TForm10::ClearMap()
{
    Canvas& c = canvas();
    c.brush.color = ColorButtonFace;
    c.brush.style = BrushStyle::Solid;
    c.fillRect(0, 0, 700, 700);
}

// The 4900 cells go into one picture, scan line by scan line, which reaches
// the canvas in one transfer instead of 4900 rectangles.
void TForm10::DrawHeatMap(int32_t min, int32_t max)
{
    if (!HasHeatMap(max, min))
        return;   // all cells equal: no grey to tell them apart
    int32_t colours[kStatSide][kStatSide];
    HeatMapColours(cellStatMap, min, max, colours);
    QImage picture(kHeatMapPixels, kHeatMapPixels, QImage::Format_RGB32);
    for (int y = 0; y < kHeatMapPixels; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(picture.scanLine(y));
        const int32_t* row = colours[y / kHeatCellPixels];
        for (int c = 0; c < kStatSide; ++c)
            std::fill_n(line + c * kHeatCellPixels, kHeatCellPixels, ToRgb32(static_cast<TColor>(row[c])));
    }
    canvas().draw(0, 0, picture);
}

void TForm10::Button3Click()
{
    ClearMap();
    const HeatMapSummary s = SummariseHeatMap(cellStatMap);
    Label1->setText(QString::number(s.sum));
    DrawHeatMap(s.min, s.max);
}

void TForm10::Button5Click()
{
    StatMapDifference(cellStatMap, vanishCountY1, appearCountY1);
    Button3Click();
}

void TForm10::Button7Click()
{
    StatMapFromSquare(cellStatMap);
    Button3Click();
}

void TForm10::Button6Click()
{
    ClearMap();
    const HeatMapSummary s = SummariseHeatMap(cellStatMap);
    Label1->setText(QString::number(s.sum));
    heatMapMax = s.max;
    heatMapMin = s.min;
    Label2->setText(QString::number(heatMapMax));
    Label4->setText(QString::number(heatMapMin));
}

void TForm10::Button8Click()
{
    Button6Click();
    DrawHeatMap(heatMapMin, heatMapMax);
}

void TForm10::Button9Click() { Button8Click(); }

void TForm10::Button4Click()
{
    Canvas& c = canvas();
    c.brush.style = BrushStyle::Solid;
    const int32_t count = PointListLength(bPointCount);
    for (int32_t k = 0; k < count; ++k) {
        const int row = bPointY[k], column = bPointX[k];
        c.brush.color = (row + column) % 2 != 0 ? ColorRed : ColorLime;
        c.fillRect(6 * column, 6 * row, 6 * column + 6, 6 * row + 6);
    }
    Label2->setText(QString::number(bPointX[0]));
}

void TForm10::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    Canvas& c = canvas();
    c.pen.color = ColorGreen;
    const int crossX = HeatMapCrossHair(x), crossY = HeatMapCrossHair(y);
    c.moveTo(0, crossY);
    c.lineTo(420, crossY);
    c.moveTo(crossX, 0);
    c.lineTo(crossX, 420);

    const int i = HeatMapCellAt(x), j = HeatMapCellAt(y);
    Label9->setText(QString::number(i));
    Label10->setText(QString::number(j));
    Label1->setText(QString::number(cellStatMap[j][i]));

    const int cells = std::min(UsedSquareColumns(), kStatSide);
    Chart5->clearSeries(chart5Series_);
    Chart6->clearSeries(chart6Series_);
    for (int k = 0; k < cells; ++k) {
        Chart5->addXY(chart5Series_, k, cellStatMap[j][k], QString(), ColorGreen);
        Chart6->addXY(chart6Series_, k, cellStatMap[i][k], QString(), ColorGreen);
    }
}

void TForm10::Edit1Change() { heatEditValue1 = EditNumber(Edit1); }
void TForm10::Edit2Change() { heatEditValue2 = EditNumber(Edit2); }
void TForm10::Edit3Change() { heatEditValue3 = EditNumber(Edit3); }

void TForm10::Button1Click() {}
void TForm10::Button2Click() {}
void TForm10::KindClick() {}
void TForm10::Click121Click() {}
