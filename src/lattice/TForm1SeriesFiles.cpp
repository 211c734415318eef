// The KiyFile menu on the main window: the series files (the pair series read,
// written reversed, rebuilt into phase and median series, the ratio fit and its
// result files), the stream "data/lambd.dat", the chart of "Ris minit" and the
// commands that restart a string run. A file that cannot be read or written
// is named in the status bar and changes nothing.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/BinaryFile.h"
#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/SeriesFiles.h"
#include "lattice/SquarePatternFile.h"
#include "widgets/Chart.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace {

const std::string kPairSeriesPath = "data/UU_XX.dat";
const std::string kReversedSeriesPath = "data/OU_XX.dat";
const std::string kMinitPath = "data/U33_XX.dat";
const std::string kLambdPath = "data/lambd.dat";

void Note(StatusBar* bar, const std::string& text)
{
    bar->setSimpleText(QString::fromStdString(text));
}

// The series of path into series and its row count into uuRowCount; false,
// with a note, when the file is refused (then neither changes).
bool ReadPairs(const std::string& path, PairSeries& series, StatusBar* bar)
{
    const SeriesFileStatus status = ReadPairSeries(path, series);
    if (status != SeriesFileStatus::Ok) {
        Note(bar, SeriesFileMessage(status, path));
        return false;
    }
    uuRowCount = series.rowCount;
    return true;
}

// Writes text to path; the note names a failure, the old file stays whole.
bool WriteText(const std::string& path, const std::string& text, StatusBar* bar)
{
    const SeriesFileStatus status = WriteSeriesText(path, text);
    if (status != SeriesFileStatus::Ok)
        Note(bar, SeriesFileMessage(status, path));
    return status == SeriesFileStatus::Ok;
}

void CloseSeriesFile()
{
    if (seriesFile == nullptr)
        return;
    std::fclose(seriesFile);
    seriesFile = nullptr;
}

// The counters of a run restarted by "V nacalo".
void ResetVnacaloCounters()
{
    cycleCount = 0;
    stepCount = 0;
    seriesStepCount = -17;
}

} // namespace

void TForm1::CTEUU1Click()
{
    PairSeries series;
    ReadPairs(kPairSeriesPath, series, StatusBar1);
}

void TForm1::zapOBR2Click()
{
    PairSeries series;
    if (ReadPairs(kPairSeriesPath, series, StatusBar1))
        WriteText(kReversedSeriesPath, ReversedPairSeriesText(series), StatusBar1);
}

void TForm1::CTEObrUU1Click()
{
    PairSeries series;
    if (ReadPairs(kReversedSeriesPath, series, StatusBar1))
        RebuildPhaseSeries(series);
}

// The fit runs over the recorded steps less two; the three result files are
// named after the pattern name, whose edit keeps it inside "data".
void TForm1::zaplambdKdatO1Click()
{
    seriesStepCount = seriesStepCount > INT32_MIN + 2 ? seriesStepCount - 2 : INT32_MIN;
    const LambdaFitResult fit = FitLambda(std::clamp(seriesStepCount, 0, kSeriesLength));
    if (fit.degenerate)
        Note(StatusBar1, "zap lambdK.dat (O): no ratio, the target or the median series does not move at the "
                         "target's largest change: ratio, inverse and fit are written as 0");
    const std::string suffix = patternName + ".dat";
    WriteText("data/RO_" + suffix, RatioFileText(fit), StatusBar1);
    WriteText("data/KO_" + suffix, FitFileText(fit), StatusBar1);
    WriteText("data/LO_" + suffix, LevelFileText(fit.n), StatusBar1);
}

// A stream still open from an earlier "fopen lambd" is closed first, so that
// no stream keeps writing to a file that is gone.
void TForm1::N1b1Click()
{
    CloseSeriesFile();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(kLambdPath).parent_path(), ec);
    seriesFile = std::fopen(kLambdPath.c_str(), "wb");
    if (seriesFile == nullptr)
        Note(StatusBar1, "\"" + kLambdPath + "\" could not be opened");
}

void TForm1::N2b1Click()
{
    CloseSeriesFile();
}

void TForm1::Close1Click()
{
    CloseSeriesFile();
    Timer10->setEnabled(false);
    Timer1->setEnabled(false);
}

// The per-step table that "Ris minit" sums (the absolute values of a step's
// cells) is filled by no command, so every sum is 0: the chart gets the
// points (t, 0) for the recorded steps, at most one per series entry.
void TForm1::Risminit1Click()
{
    if (!CreateEmptyFile(kMinitPath))
        Note(StatusBar1, "\"" + kMinitPath + "\" could not be written");
    const int32_t last = std::min(stepCount, kSeriesLength - 1);
    std::vector<QPointF> points;
    for (int32_t t = 1; t <= last; ++t)
        points.emplace_back(t, 0.0);
    Chart3->clearSeries(Series6);
    Chart3->addXYBulk(Series6, points);
}

void TForm1::Vnacalo1Click()
{
    ToggleChecked(Vnacalo1);
    drawOriginX = 0;
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Clear;
    c.pen.width = 0;
    c.brush.color = ColorButtonFace;
    Estobr1->setChecked(false);
    Button7Click();
    ResetVnacaloCounters();
    Button3Click();
}

void TForm1::zapnorobr1Click()
{
    ToggleChecked(zapnorobr1);
    Vnacalo1Click();
    Button6Click();
}

void TForm1::Button20Click()
{
    std::copy_n(stringAStart, UsedStringLength(), stringA);
    Vnacalo1Click();
    Button6Click();
}

void TForm1::Dopolnenie1Click()
{
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.width = 3;
    c.brush.color = ColorButtonFace;
    c.brush.style = BrushStyle::Solid;
    if (!CheckBox43->isChecked())
        c.fillRect(0, 0, 600, 600);
    stepCount = 0;
    for (int i = 0; i < UsedStringLength(); ++i)
        if (stringA[i] != 0)
            stringA[i] = static_cast<uint8_t>(3 - stringA[i]);
    Button3Click();
}

void TForm1::Button13Click()
{
    ToggleChecked(Estobr1);
    notpaint1->setChecked(true);
    Button10Click();
    for (int i = 0; i < 3; ++i)
        Button1Click();
    Button10Click();
    notpaint1->setChecked(false);
    ResetVnacaloCounters();
    Button12Click();
}

void TForm1::Iszapaa1Click()
{
    ToggleChecked(Iszapaa1);
    stringLength = 20;
    ShowNumber(Edit5, 20);
    requestedBPointCount = 4;
    ShowNumber(Edit7, 4);
}

// Commands of the menu that do nothing.
void TForm1::opemlambdKdat1Click() {}
void TForm1::risser1Click() {}
void TForm1::iscetc31Click() {}
void TForm1::Button19Click() { risser1Click(); }

void TForm1::Estobr1Click() { ToggleChecked(Estobr1); }
void TForm1::ViewGraph1Click() { ToggleChecked(ViewGraph1); }
void TForm1::VIKLdljalabdx1Click() { ToggleChecked(VIKLdljalabdx1); }
void TForm1::N4b1Click() { ToggleChecked(N4b1); }

void TForm1::ConnectSeriesFileHandlers()
{
    Series6 = Chart3->addSeries(SeriesKind::Line, ColorRed);

    OnClick(Button13, Bind(&TForm1::Button13Click));
    OnClick(Button19, Bind(&TForm1::Button19Click));
    OnClick(Button20, Bind(&TForm1::Button20Click));
    OnClick(Button88, Bind(&TForm1::Button88Click));
    OnClick(Button89, Bind(&TForm1::Button89Click));
    OnClick(CTEUU1, Bind(&TForm1::CTEUU1Click));
    OnClick(zapOBR2, Bind(&TForm1::zapOBR2Click));
    OnClick(CTEObrUU1, Bind(&TForm1::CTEObrUU1Click));
    OnClick(zaplambdKdatO1, Bind(&TForm1::zaplambdKdatO1Click));
    OnClick(opemlambdKdat1, Bind(&TForm1::opemlambdKdat1Click));
    OnClick(risser1, Bind(&TForm1::risser1Click));
    OnClick(iscetc31, Bind(&TForm1::iscetc31Click));
    OnClick(Risminit1, Bind(&TForm1::Risminit1Click));
    OnClick(Dopolnenie1, Bind(&TForm1::Dopolnenie1Click));
    OnClick(Close1, Bind(&TForm1::Close1Click));
    OnClick(VIKLdljalabdx1, Bind(&TForm1::VIKLdljalabdx1Click));
    OnClick(Vnacalo1, Bind(&TForm1::Vnacalo1Click));
    OnClick(zapnorobr1, Bind(&TForm1::zapnorobr1Click));
    OnClick(ViewGraph1, Bind(&TForm1::ViewGraph1Click));
    OnClick(zaplambdX1, Bind(&TForm1::zaplambdX1Click));
    OnClick(Iszapaa1, Bind(&TForm1::Iszapaa1Click));
    OnClick(Estobr1, Bind(&TForm1::Estobr1Click));
    OnClick(N1b1, Bind(&TForm1::N1b1Click));
    OnClick(N2b1, Bind(&TForm1::N2b1Click));
    OnClick(N4b1, Bind(&TForm1::N4b1Click));
}
