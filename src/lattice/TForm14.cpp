#include "lattice/TForm14.h"

#include "app/FormHelpers.h"
#include "app/TForm1.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "engine/StringState.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/TForm15.h"
#include "widgets/Handlers.h"

TForm14* Form14 = nullptr;

TForm14::TForm14(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    Series1 = {Chart1, Chart1->addSeries(SeriesKind::Line, kChartGreen)};
    Series2 = {Chart1, Chart1->addSeries(SeriesKind::Line, kChartBlue)};
    Series3 = {Chart1, Chart1->addSeries(SeriesKind::Line, kChartRed)};
    Series7 = {Chart1, Chart1->addSeries(SeriesKind::Line, kChartBlack)};
    Series4 = {Chart2, Chart2->addSeries(SeriesKind::Line, kChartBlack)};
    Series5 = {Chart2, Chart2->addSeries(SeriesKind::Line, kChartGreen)};
    Series6 = {Chart2, Chart2->addSeries(SeriesKind::Line, kChartBlue)};

    const std::pair<QPushButton*, void (TForm14::*)()> buttons[] = {
        {Button1, &TForm14::Button1Click},   {Button2, &TForm14::Button2Click},   {Button3, &TForm14::Button3Click},
        {Button4, &TForm14::Button4Click},   {Button5, &TForm14::Button5Click},   {Button6, &TForm14::Button6Click},
        {Button7, &TForm14::Button7Click},   {Button8, &TForm14::Button8Click},   {Button9, &TForm14::Button9Click},
        {Button10, &TForm14::Button10Click}, {Button11, &TForm14::Button11Click}, {Button12, &TForm14::Button12Click},
        {Button13, &TForm14::Button13Click}, {Button14, &TForm14::Button14Click}, {Button15, &TForm14::Button15Click},
        {Button16, &TForm14::Button16Click}, {Button17, &TForm14::Button17Click},
    };
    for (const auto& [button, handler] : buttons)
        OnClick(button, [this, handler] { (this->*handler)(); });
    const std::pair<QLineEdit*, void (TForm14::*)()> edits[] = {
        {Edit1, &TForm14::Edit1Change}, {Edit2, &TForm14::Edit2Change}, {Edit3, &TForm14::Edit3Change},
        {Edit4, &TForm14::Edit4Change}, {Edit6, &TForm14::Edit6Change}, {Edit7, &TForm14::Edit7Change},
        {Edit10, &TForm14::Edit10Change},
    };
    for (const auto& [edit, handler] : edits)
        OnChange(edit, [this, handler] { (this->*handler)(); });
}

// The first "View" shows the run up to its current step; afterwards the end
// follows the recorded series, without showing it in the edit.
void TForm14::FormShow()
{
    const int64_t side = squareRowCount;
    ShowNumber(Edit5, static_cast<int32_t>(side * side / 3));
    seriesEnd = SeriesEndOfSteps(stepCount);
    ShowNumber(Edit3, seriesEnd);
    ShowNumber(Edit9, seriesEnd);
    Button1Click();
    RadioGroup1->setItemIndex(0);
    seriesEnd = seriesStepCount / 3;
}

ViewSwitches TForm14::Switches() const
{
    return {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox4->isChecked(),
            CheckBox5->isChecked(), CheckBox6->isChecked(), RadioGroup1->itemIndex()};
}

// Each series that the view fills is cleared and gets its points, each in
// the colour the view gives it, in one go.
void TForm14::Show(const SeriesView& view)
{
    const SeriesRef* targets[kViewSeriesCount] = {&Series1, &Series2, &Series3, &Series4,
                                                &Series5, &Series6, &Series7};
    std::vector<QPointF> points;
    std::vector<TColor> colours;
    for (int s = 0; s < kViewSeriesCount; ++s) {
        const SeriesFill& fill = view[s];
        const SeriesRef& series = *targets[s];
        if (fill.cleared)
            series.chart->clearSeries(series.index);
        points.clear();
        colours.clear();
        for (const ChartPoint& p : fill.points) {
            points.emplace_back(p.x, p.y);
            colours.push_back(p.colour);
        }
        series.chart->addXYBulk(series.index, points, colours);
    }
}

void TForm14::Button1Click() { Show(ViewColours()); }

void TForm14::Button7Click()
{
    seriesEnd = SeriesEndOfSteps(stepCount);
    ShowNumber(Edit3, seriesEnd);
    Button1Click();
}

void TForm14::Button8Click() { Show(ViewPairs(Switches())); }
void TForm14::Button9Click() { Show(ViewTriples()); }
void TForm14::Button11Click() { Show(ViewDifferences()); }
void TForm14::Button12Click() { Show(ViewScaled(Switches())); }
void TForm14::Button15Click() { Show(ViewZeroOne(Switches())); }
void TForm14::Button16Click() { Show(ViewCapped(Switches(), true)); }
void TForm14::Button17Click() { Show(ViewCapped(Switches(), false)); }

void TForm14::Button10Click() { textLogName = "LOG/text.log"; }

// The reader says in the main window's status bar what it read or why it
// stopped; a missing log or none chosen changes nothing.
void TForm14::ReadTextLogReporting()
{
    StatusBar* status = Form1->StatusBar1;
    if (textLogName.empty()) {
        status->setSimpleText("No text log chosen: nothing read");
        return;
    }
    const QString name = QString::fromStdString(textLogName);
    int records = 0;
    switch (ReadTextLog(textLogName, records)) {
    case FileOutcome::Missing:
        status->setSimpleText(name + " is missing: nothing read");
        break;
    case FileOutcome::Read:
        status->setSimpleText(name + ": " + QString::number(records) + " records read");
        break;
    case FileOutcome::Short:
        status->setSimpleText(name + " ends inside record " + QString::number(records) + ": " +
                              QString::number(records) + " records read");
        break;
    case FileOutcome::Malformed:
        status->setSimpleText(name + ": record " + QString::number(records) + " is not in the log's form; " +
                              QString::number(records) + " records read");
        break;
    }
}

void TForm14::Button4Click() { ReadTextLogReporting(); }
void TForm14::Button5Click() { ReadTextLogReporting(); }
void TForm14::Button13Click() { ReadTextLogReporting(); }
void TForm14::Button14Click() { ReadTextLogReporting(); }

void TForm14::Button6Click()
{
    stepCount = 0;
    Form15->Button3Click();
    Form1->Button6Click();
}

void TForm14::Button2Click() {}
void TForm14::Button3Click() {}

void TForm14::Edit1Change() { seriesThreshold = EditNumber(Edit1); }
void TForm14::Edit2Change() { seriesBegin = EditNumber(Edit2); }
void TForm14::Edit3Change() { seriesEnd = EditNumber(Edit3); }
void TForm14::Edit4Change() { pointRecordIndex = EditNumber(Edit4); }
void TForm14::Edit6Change() { seriesScale1 = EditNumber(Edit6); }
void TForm14::Edit7Change() { seriesScale2 = EditNumber(Edit7); }
void TForm14::Edit10Change() { randomFlipCount = EditNumber(Edit10); }
