#include "lattice/TForm6.h"

#include "app/FormHelpers.h"
#include "base/NumericHelpers.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RandomRuleTable.h"
#include "lattice/RuleTableWindow.h"
#include "lattice/RuleWeightsFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"

#include <algorithm>
#include <cmath>

TForm6* Form6 = nullptr;

namespace {

constexpr int kCanvasRight = 729;    // the drawing covers (0, 0)-(729, 449)
constexpr int kCanvasBottom = 449;

void Line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// 70 pixels per unit of weight; a weight is a probability, held to 0..1 here
// so that no value can put the curve out of its strip.
int CurveOffset(double weight)
{
    return static_cast<int>(70.0 * (std::isnan(weight) ? 0.0 : std::clamp(weight, 0.0, 1.0)));
}

void FillCircle(Canvas& c, int x1, int y1, int x2, int y2, TColor color)
{
    c.pen.style = PenStyle::Clear;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = color;
    c.ellipse(x1, y1, x2, y2);
}

} // namespace

TForm6::TForm6(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    chart1Green_ = Chart1->addSeries(SeriesKind::Point, ColorGreen);
    chart1Red_ = Chart1->addSeries(SeriesKind::Point, ColorRed);
    chart2Green_ = Chart2->addSeries(SeriesKind::Point, ColorGreen);
    chart2Red_ = Chart2->addSeries(SeriesKind::Point, ColorRed);

    OnClick(Button1, [this] { Button1Click(); });
    OnClick(Button2, [this] { Button2Click(); });
    OnClick(Button3, [this] { Button3Click(); });
    OnClick(Button4, [this] { Button4Click(); });
    OnClick(Button5, [this] { Button5Click(); });
    OnClick(Button6, [this] { Button6Click(); });
    OnClick(Button7, [this] { Button7Click(); });
    OnClick(Button8, [this] { Button8Click(); });
    OnClick(Button9, [this] { Button9Click(); });
    OnClick(Button10, [this] { Button10Click(); });
    OnClick(Button11, [this] { Button11Click(); });
    OnClick(Button12, [this] { Button12Click(); });
    OnClick(Button13, [this] { Button13Click(); });
    OnClick(Button14, [this] { Button14Click(); });
    OnClick(Button15, [this] { Button15Click(); });
    OnClick(Button16, [this] { Button16Click(); });
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
    OnChange(Edit4, [this] { Edit4Change(); });
    OnClick(CheckBox1, [this] { CheckBox1Click(); });
    OnClick(UpDown2, [this](bool) { UpDown2Click(); });
    OnClick(UpDown3, [this](bool) { UpDown3Click(); });
    OnClick(UpDown4, [this](bool) { UpDown4Click(); });
    OnClick(UpDown5, [this](bool) { UpDown5Click(); });
}

void TForm6::FormShow()
{
    drawOnPaint_ = true;
    UpDown2->setPosition(chartRowX1);
    UpDown3->setPosition(chartRowX2);
    UpDown4->setPosition(chartRowY2);
    UpDown5->setPosition(chartRowY1);
}

// The canvas keeps every drawing, so only the paint that follows a showing
// draws; a drawing a command made (the canvas "Read" leaves cleared) stays
// until the next command.
void TForm6::FormPaint()
{
    if (!drawOnPaint_)
        return;
    drawOnPaint_ = false;
    Button1Click();
}

void TForm6::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    const int entry = RuleWindowMouseDown(x, y);
    if (entry < 0)
        return;
    if (button == Qt::LeftButton) {
        ToggleRuleTableEntry(entry);
    } else if (button == Qt::RightButton) {
        Label1->setText(QString::number(ruleEntryCounts[entry]));
        Label2->setText(QString::number(entry / 225));
        Label3->setText(QString::number(entry / 45 % 5));
        Label4->setText(QString::number(entry / 9 % 5));
        Label5->setText(QString::number(entry % 9));
    }
    ClearAndDraw();
}

void TForm6::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    RuleWindowMouseUp(x, y);
    ClearAndDraw();
}

void TForm6::ClearAndDraw()
{
    Button2Click();
    Button1Click();
}

void TForm6::Button1Click()
{
    DrawGrid();
    DrawCharts();
}

void TForm6::DrawGrid()
{
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    const int32_t largest = LargestRuleEntryCount();
    const bool ringInterval = CheckBox1->isChecked();
    for (int c1 = 0; c1 < 5; ++c1)
        for (int c2 = 0; c2 < 5; ++c2)
            for (int c3 = 0; c3 < 5; ++c3)
                for (int c4 = 0; c4 < 9; ++c4) {
                    const int e = RuleEntryIndex(c1, c2, c3, c4);
                    const int x0 = RuleCellLeft(c3, c4);
                    const int y0 = RuleCellTop(c1, c2);
                    if (latticeRuleTable[kLatticeRuleHalf + e] != 0) {
                        c.brush.style = BrushStyle::Solid;
                        c.brush.color = ColorAqua;
                        c.fillRect(x0, y0, x0 + kRuleCellSize, y0 + kRuleCellSize);
                    }
                    if (latticeRuleTable[e] != 0) {
                        c.pen.style = PenStyle::Solid;
                        c.pen.width = 2;
                        c.pen.color = ColorOlive;
                        c.brush.style = BrushStyle::Clear;
                        c.ellipse(x0, y0, x0 + kRuleCellSize, y0 + kRuleCellSize);
                    }
                    const int32_t count = ruleEntryCounts[e];
                    // Only entry 0 can hold a count while the others are all 0:
                    // it has no grey then.
                    if (count != 0 && largest > 0) {
                        const double t = std::clamp(1.0 - static_cast<double>(count) / largest, 0.0, 1.0);
                        FillCircle(c, x0 + 2, y0 + 2, x0 + 12, y0 + 12, static_cast<TColor>(GreyScaleColor(t)));
                    }
                    if (ringInterval && IsCountInInterval(count))
                        FillCircle(c, x0 + 1, y0 + 1, x0 + 13, y0 + 13, ColorRed);
                }

    c.pen.style = PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = ColorRed;
    for (int y : {70, 140, 210, 280, 350})
        Line(c, 0, y, 728, y);
    for (int i = 1; i <= 24; ++i)
        Line(c, 630, 14 * i, 714, 14 * i);
    for (int y : {420, 434, 448})
        Line(c, 0, y, 630, y);
    for (int x : {126, 252, 378, 504, 630})
        Line(c, x, 0, x, 448);
    for (int i = 1; i <= 44; ++i)
        Line(c, 14 * i, 350, 14 * i, 434);
    for (int x : {700, 714, 728})
        Line(c, x, 0, x, 350);

    c.pen.width = 3;
    c.pen.color = ColorGreen;
    for (int i = 0; i < kRuleWeightXCount; ++i) {
        const int y = 350 + CurveOffset(ruleWeightsX[i]);
        Line(c, 14 * i, y, 14 * i + 14, y);
    }
    for (int i = 0; i < kRuleWeightYCount; ++i) {
        const int x = 630 + CurveOffset(ruleWeightsY[i]);
        Line(c, x, 14 * i, x, 14 * i + 14);
    }
}

// Chart1: the counts of the Y rows chartRowY2 (green) and chartRowY1 (red)
// over the 45 X indices, both rows marked on the Y strip; Chart2: the counts
// of the X columns chartRowX1 (green) and chartRowX2 (red) over the 25 Y indices.
void TForm6::DrawCharts()
{
    Canvas& c = canvas();
    auto plot = [](Chart* chart, int series, const std::vector<int32_t>& counts) {
        chart->clearSeries(series);
        for (size_t k = 0; k < counts.size(); ++k)
            chart->addXY(series, static_cast<double>(k), counts[k]);
    };
    auto markRow = [&c](int32_t row, TColor color) {
        if (row < 0 || row >= kRuleWeightYCount)
            return;
        const int y = RuleCellTop(row / 5, row % 5) + 7;
        c.brush.style = BrushStyle::Solid;
        c.brush.color = color;
        c.fillRect(626, y - 4, 634, y + 4);
    };
    plot(Chart1, chart1Green_, RuleCountsOfRow(chartRowY2));
    plot(Chart1, chart1Red_, RuleCountsOfRow(chartRowY1));
    markRow(chartRowY2, ColorGreen);
    markRow(chartRowY1, ColorRed);
    plot(Chart2, chart2Green_, RuleCountsOfColumn(chartRowX1));
    plot(Chart2, chart2Red_, RuleCountsOfColumn(chartRowX2));
    // At once, not when the handler returns: a paint event that redraws the
    // charts must not show them empty.
    Chart1->flushNow();
    Chart2->flushNow();
}

void TForm6::Button2Click()
{
    Canvas& c = canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = ColorButtonFace;
    c.fillRect(0, 0, kCanvasRight, kCanvasBottom);
}

void TForm6::Button3Click()
{
    canvas().pen.width = 2;
    canvas().pen.color = ColorOlive;
    std::fill_n(latticeRuleTable, kLatticeRuleHalf, uint8_t{1});
}

void TForm6::Button4Click()
{
    DrawRandomRuleWeights();
    ClearAndDraw();
}

void TForm6::Button5Click()
{
    DrawWeightedRulePairs();
    Button6Click();
    ClearAndDraw();
    Label31->setText(QString::number(rulePairCount));
}

void TForm6::Button6Click()
{
    BuildRuleTableFromPairs();
}

void TForm6::Button7Click()
{
    SetFreeRuleEntries(0);
    ClearAndDraw();
}

void TForm6::Button8Click()
{
    SetFreeRuleEntries(1);
    ClearAndDraw();
}

void TForm6::Button9Click()
{
    ClearRuleFixedMarks();
    ClearAndDraw();
}

void TForm6::Button10Click()
{
    RuleFixedMarksFromCounts();
    ClearAndDraw();
}

void TForm6::Button11Click()
{
    countInterval = ScaledCountInterval(countInterval, countIntervalPercent, -1);
    ShowNumber(Edit1, countInterval);
    ClearAndDraw();
}

void TForm6::Button12Click()
{
    countInterval = ScaledCountInterval(countInterval, countIntervalPercent, +1);
    ShowNumber(Edit1, countInterval);
    ClearAndDraw();
}

void TForm6::Button13Click()
{
    std::fill(std::begin(ruleEntryCounts), std::end(ruleEntryCounts), 0);
    ClearAndDraw();
}

void TForm6::Button14Click()
{
    DrawEvenRuleTable();
    ClearAndDraw();
}

// A weights file that cannot be taken leaves the weights and the canvas as
// they were, and a box says why.
void TForm6::Button15Click()
{
    const RuleWeightsFileStatus status = ReadRuleWeightsFile(kRuleWeightsFileName);
    if (status != RuleWeightsFileStatus::Ok) {
        ShowMessage(QString::fromStdString(RuleWeightsFileMessage(status, kRuleWeightsFileName)));
        return;
    }
    Button2Click();
}

void TForm6::Button16Click()
{
    const RuleWeightsFileStatus status = WriteRuleWeightsFile(kRuleWeightsFileName);
    if (status != RuleWeightsFileStatus::Ok)
        ShowMessage(QString::fromStdString(RuleWeightsFileMessage(status, kRuleWeightsFileName)));
}

void TForm6::Edit1Change() { countInterval = EditNumber(Edit1); }
void TForm6::Edit2Change() { countIntervalPercent = EditNumber(Edit2); }
void TForm6::Edit3Change() { seedColumn = EditNumber(Edit3); }
void TForm6::Edit4Change() { seedRow = EditNumber(Edit4); }

// The drawing reads the box.
void TForm6::CheckBox1Click() {}

void TForm6::UpDown2Click()
{
    chartRowX1 = UpDown2->position();
    Label6->setText(QString::number(chartRowX1));
    ClearAndDraw();
}

void TForm6::UpDown3Click()
{
    chartRowX2 = UpDown3->position();
    Label7->setText(QString::number(chartRowX2));
    ClearAndDraw();
}

void TForm6::UpDown4Click()
{
    chartRowY2 = UpDown4->position();
    Label8->setText(QString::number(chartRowY2));
    ClearAndDraw();
}

void TForm6::UpDown5Click()
{
    chartRowY1 = UpDown5->position();
    Label9->setText(QString::number(chartRowY1));
    ClearAndDraw();
}
