#include "lattice/TForm15.h"

#include "app/FormHelpers.h"
#include "app/TForm1.h"
#include "base/RunControls.h"
#include "engine/SquarePatterns.h"
#include "base/SquareSize.h"
#include "engine/StringState.h"
#include "base/BinaryFile.h"
#include "lattice/PointFile.h"
#include "base/PointLists.h"
#include "lattice/QhistBatch.h"
#include "base/Square.h"
#include "engine/TrialBatch.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <algorithm>

TForm15* Form15 = nullptr;

TForm15::TForm15(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    DrawPicture();
    OnClick(Button1, [this] { Button1Click(); });
    OnClick(Button2, [this] { Button2Click(); });
    OnClick(Button3, [this] { Button3Click(); });
    OnClick(Button4, [this] { Button4Click(); });
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
}

// The picture beside the settings: a square of side 51 with the frame the
// main window draws and eight B points, the start state the window restores.
void TForm15::DrawPicture()
{
    constexpr int kSide = 51, kCell = 5, kOrigin = 2;
    Canvas& c = Image1->canvas();
    c.resize(Image1->width(), Image1->height(), ColorWhite);
    c.clear(ColorWhite);
    c.pen.color = ColorSilver;
    for (int i = 0; i <= kSide; i += 5) {
        c.moveTo(kOrigin + i * kCell, kOrigin);
        c.lineTo(kOrigin + i * kCell, kOrigin + kSide * kCell);
        c.moveTo(kOrigin, kOrigin + i * kCell);
        c.lineTo(kOrigin + kSide * kCell, kOrigin + i * kCell);
    }
    c.pen.color = ColorBlack;
    c.brush.style = BrushStyle::Clear;
    c.rectangle(kOrigin, kOrigin, kOrigin + kSide * kCell + 1, kOrigin + kSide * kCell + 1);
    c.brush.style = BrushStyle::Solid;
    c.brush.color = ColorBlue;
    c.pen.color = ColorNavy;
    const int points[kPointsPerRecord][2] = {{12, 9}, {40, 14}, {25, 25}, {7, 33}, {33, 38}, {18, 44}, {44, 27}, {29, 5}};
    for (const auto& [x, y] : points)
        c.ellipse(kOrigin + x * kCell - 3, kOrigin + y * kCell - 3, kOrigin + x * kCell + 8, kOrigin + y * kCell + 8);
}

void TForm15::FormShow()
{
    RadioGroup5->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
    RadioGroup3->setItemIndex(0);
    RadioGroup4->setItemIndex(0);
    Form1->RadioGroup2->setItemIndex(1);
}

namespace {

QString PointFileNote(FileOutcome outcome)
{
    const QString record = QString::number(pointRecordIndex);
    switch (outcome) {
    case FileOutcome::Missing:
        return QString(kPointFilePath) + " is missing: the B points keep their places";
    case FileOutcome::Short:
        return QString(kPointFilePath) + " holds no whole record " + record + ": the B points keep their places";
    case FileOutcome::Malformed:
        return QString(kPointFilePath) + " is not a list of numbers before record " + record + " ends" +
               ": the B points keep their places";
    case FileOutcome::Read:
        break;
    }
    return {};
}

// Every cell of the first rows x rows cells becomes 2; the row count bounds
// both loops, as for the side the window's restart assumes.
void EmptyRowSquare()
{
    const int rows = UsedSquareRows();
    for (int r = 0; r < rows; ++r)
        std::fill_n(squareCells + SquareIndex(r, 0), rows, uint8_t{2});
}

} // namespace

// The eight points are taken only from a whole record; a missing or short
// file leaves them where they were, and the restart runs all the same.
void TForm15::Button3Click()
{
    PointRecord record;
    const FileOutcome outcome = ReadPointRecord(kPointFilePath, pointRecordIndex, record);
    requestedCPointCount = 0;
    requestedBPointCount = kPointsPerRecord;
    cPointCount = 0;
    bPointCount = kPointsPerRecord;
    if (outcome == FileOutcome::Read) {
        std::copy(record.x.begin(), record.x.end(), bPointX);
        std::copy(record.y.begin(), record.y.end(), bPointY);
    }
    Form1->Button7Click();
    Form1->Button8Click();
    EmptyRowSquare();
    cPointCount = requestedCPointCount;
    bPointCount = requestedBPointCount;
    PlaceCPointsInSquare();
    PlaceBPointsInSquare();
    Form1->Button3Click();
    Form1->Button33Click();
    Form1->Button39Click();
    cycleCount = stepCount = activitySamplePaintCount = 0;
    Form1->ReadsqPARAD1Click();
    if (outcome != FileOutcome::Read)
        Form1->StatusBar1->setSimpleText(PointFileNote(outcome));
}

void TForm15::WriteRandomPointLines(int lines)
{
    if (SaveFileSafely(kRandomPointListPath, RandomPointLines(lines)))
        Form1->StatusBar1->setSimpleText(QString(kRandomPointListPath) + ": " + QString::number(lines) + " lines written");
    else
        Form1->StatusBar1->setSimpleText(QString(kRandomPointListPath) + " could not be written; the old file is kept");
}

void TForm15::Button1Click() { WriteRandomPointLines(50); }
void TForm15::Button2Click() { WriteRandomPointLines(100); }

// Counts the T values of the Qhist records into the labels of the "T"
// column. A missing file changes no label; a short one (a fresh batch leaves
// it empty) is counted as far as it goes.
void TForm15::Button4Click()
{
    const QhistHistogram h = ReadQhistHistogram(kQhistRecordPath);
    StatusBar* status = Form1->StatusBar1;
    if (h.outcome == FileOutcome::Missing) {
        status->setSimpleText(QString(kQhistRecordPath) + " is missing: no histogram");
        return;
    }
    QLabel* bins[kQhistBins] = {Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label4};
    for (int b = 0; b < kQhistBins; ++b)
        bins[b]->setText(QString::number(h.counts[b]));
    const QString counted = QString::number(h.records) + " records counted";
    if (h.outcome == FileOutcome::Short)
        status->setSimpleText(QString(kQhistRecordPath) + " holds fewer than " + QString::number(kQhistRecords) +
                              " records: " + counted);
    else if (h.outcome == FileOutcome::Malformed)
        status->setSimpleText(QString(kQhistRecordPath) + ": record " + QString::number(h.records) +
                              " is not four numbers; " + counted);
    else
        status->setSimpleText(QString(kQhistRecordPath) + ": " + counted);
}

void TForm15::Edit1Change() { pointRecordIndex = EditNumber(Edit1); }
void TForm15::Edit2Change() { qhistRunCount = EditNumber(Edit2); }
void TForm15::Edit3Change() { stepLimit = EditNumber(Edit3); }
