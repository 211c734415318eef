// Square pattern files on the main window: the 70 x 70 presets with their
// warm-up, the numbered presets, the loaders with random flips, the named
// patterns of "obr", the loaders that rebuild only the C list, and the other
// transfers. A file that cannot be read changes no cell and is noted in the
// status bar; the loader's other steps still run.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "lattice/SquarePatternFile.h"
#include "lattice/TForm13.h"
#include "widgets/StatusBar.h"

#include <cstdio>
#include <limits>

namespace {

QString Quoted(const std::string& path) { return "\"" + QString::fromStdString(path) + "\""; }

// What a loader has to say about its file. The warm-up steps after the load
// write the step count into the status bar, so the outermost loader shows the
// note again when it has finished.
QString loaderNote;
int loaderDepth = 0;

class LoaderScope {
public:
    explicit LoaderScope(StatusBar* bar) : bar_(bar)
    {
        if (loaderDepth++ == 0)
            loaderNote.clear();
    }
    ~LoaderScope()
    {
        if (--loaderDepth == 0 && !loaderNote.isEmpty())
            bar_->setSimpleText(loaderNote);
    }
    LoaderScope(const LoaderScope&) = delete;
    LoaderScope& operator=(const LoaderScope&) = delete;

private:
    StatusBar* bar_;
};

} // namespace

void TForm1::NoteLoader(const QString& note)
{
    loaderNote = note;
    StatusBar1->setSimpleText(note);
}

bool TForm1::LoadSquarePattern(const std::string& path)
{
    const PatternFileStatus status = ReadSquarePatternFile(path);
    if (status == PatternFileStatus::Ok)
        return true;
    NoteLoader(QString::fromStdString(PatternFileMessage(status, path)));
    return false;
}

// Through the length edit (its handler sets the side), its up-down, then both counts.
void TForm1::ShowSquareSideOf70()
{
    ShowNumber(Edit1, 70);
    UpDown2->setPosition(70);
    squareColumnCount = squareRowCount = 70;
}

void TForm1::ShowStepsPerRun(int32_t steps)
{
    ShowNumber(Edit2, steps);
    stepsPerRun = steps;
    UpDown1->setPosition(steps);
}

void TForm1::ReverseSevenForwardTen()
{
    for (int i = 0; i < 7; ++i)
        Button50Click();
    for (int i = 0; i < 10; ++i)
        Button1Click();
}

// A loaded pattern always ends 10 forward steps after 7 reversed runs.
void TForm1::WarmUpTail()
{
    ShowStepsPerRun(1);
    XXXn1->setChecked(true);
    ReverseSevenForwardTen();
}

void TForm1::Button68Click()
{
    RebuildPointLists();
}

void TForm1::Button12Click()
{
    if (RadioGroup8->itemIndex() == 1) {
        Button68Click();
        Button39Click();
    }
    WarmUpTail();
}

void TForm1::LoadFamilyPreset(const char* path)
{
    LoaderScope scope(StatusBar1);
    stepCount = 0;
    ShowSquareSideOf70();
    LoadSquarePattern(path);
    Button68Click();
    Button39Click();
    WarmUpTail();
}

void TForm1::Read7021Click() { LoadFamilyPreset("CA/ca70_2.dat"); }
void TForm1::N7031Click() { LoadFamilyPreset("CA/ca70_5.dat"); }
void TForm1::Read7041Click() { LoadFamilyPreset("CA/ca70_4.dat"); }
void TForm1::Read7051Click() { LoadFamilyPreset("CA/ca70_3.dat"); }
void TForm1::N1a9231Click() { LoadFamilyPreset("CA/c5a_923.dat"); }
void TForm1::N1a100001Click() { LoadFamilyPreset("CA/c5a_10000.dat"); }
void TForm1::N1a1Click() { LoadFamilyPreset("CA/c_1ax.dat"); }
void TForm1::N1c1Click() { LoadFamilyPreset("CA/c_1cx.dat"); }
void TForm1::N1k1Click() { LoadFamilyPreset("CA/c_1kx.dat"); }
void TForm1::Button81Click() { LoadFamilyPreset("CA/ca_1d.dat"); }
void TForm1::Read70xx21Click() { LoadFamilyPreset("CA/ca70xx2.dat"); }
void TForm1::XXX2Click() { LoadFamilyPreset("CA/caXXX.dat"); }

// The numbered preset chosen in "Edit10"; a choice outside 0..4 reads nothing.
void TForm1::LoadChosenPreset()
{
    if (const char* path = PresetFilePath(presetFileChoice))
        LoadSquarePattern(path);
    else
        NoteLoader("No preset " + QString::number(presetFileChoice) + " (0 to 4): the square is unchanged");
}

void TForm1::Read701Click()
{
    LoaderScope scope(StatusBar1);
    cycleCount = stepCount = 0;
    seriesStepCount = -17;
    ShowSquareSideOf70();
    LoadChosenPreset();
    cycleCount = stepCount = 0;
    seriesStepCount = -17;
    Button12Click();
}

void TForm1::Read7022Click()
{
    LoaderScope scope(StatusBar1);
    Read701Click();
    XXXn1->setChecked(true);
    ShowStepsPerRun(1);
}

// "Read 70+ (1)" reads no file: it chooses the torus, three rings of the mask
// chooser and the kind "Mask".
void TForm1::Read702Click()
{
    RadioGroup2->setItemIndex(1);
    Form13->CheckBox9->setChecked(true);
    Form13->CheckBox10->setChecked(true);
    Form13->CheckBox12->setChecked(true);
    RadioGroup3->setItemIndex(1);
}

// The "Normal" branch of the 70 x 70 loaders: the pattern (the chosen preset
// when path is nullptr), its lists, no FREEZE, three steps per press and the
// two T=6 switches off.
void TForm1::LoadNormalPreset(const char* path, bool withFlips)
{
    LoaderScope scope(StatusBar1);
    stepCount = 0;
    ShowSquareSideOf70();
    if (path != nullptr)
        LoadSquarePattern(path);
    else
        LoadChosenPreset();
    if (withFlips && isdef1->isChecked())
        FlipRandomCells(randomFlipCount);
    Button68Click();
    Button39Click();
    ShowStepsPerRun(3);
    XXXn1->setChecked(false);
    XXcnc1->setChecked(false);
}

void TForm1::N7011Click()
{
    LoaderScope scope(StatusBar1);
    cycleCount = stepCount = 0;
    if (RadioGroup7->itemIndex() != 1) {
        Read701Click();
        return;
    }
    LoadNormalPreset(nullptr, false);
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.color = ColorBlack;
    c.pen.width = 1;
    c.brush.color = ColorBlack;
    c.brush.style = BrushStyle::Solid;
    for (int i = 0; i < 70; ++i) {
        c.moveTo(0, 5 * i);
        c.lineTo(350, 5 * i);
        c.moveTo(5 * i, 0);
        c.lineTo(5 * i, 350);
    }
}

void TForm1::Read70xx1Click()
{
    LoaderScope scope(StatusBar1);
    stepCount = 0;
    ShowSquareSideOf70();
    LoadSquarePattern("CA/ca_1d.dat");
    if (isdef1->isChecked())
        FlipRandomCells(randomFlipCount);
    Button68Click();
    Button39Click();
    WarmUpTail();
}

namespace {

// "B1X" and "D1X" away from "Normal": the flip loader, a pre-roll, the
// statistics reset, three steps on and the halved statistic.
void FlipLoadAndSettle(TForm1& form)
{
    form.Read70xx1Click();
    for (int i = 0; i < 4; ++i)
        form.Button72Click();
    form.Button69Click();
    stepCount = stepCount > std::numeric_limits<int32_t>::max() - 3 ? std::numeric_limits<int32_t>::max()
                                                                     : stepCount + 3;
    form.Button1Click();
    form.TEMP21Click();
}

} // namespace

void TForm1::N70xx1Click()
{
    LoaderScope scope(StatusBar1);
    if (RadioGroup7->itemIndex() != 1)
        FlipLoadAndSettle(*this);
    else
        LoadNormalPreset("CA/ca70x.dat", true);
}

void TForm1::D1X1Click()
{
    LoaderScope scope(StatusBar1);
    if (RadioGroup7->itemIndex() != 1)
        FlipLoadAndSettle(*this);
    else
        LoadNormalPreset("CA/caD1X.dat", true);
}

// The four twins of the presets that no control reaches: the "Normal" branch
// without flips, or else the preset loader itself.
void TForm1::LoadNormalPresetOr(const char* path, void (TForm1::*presetLoader)())
{
    if (RadioGroup7->itemIndex() == 1)
        LoadNormalPreset(path, false);
    else
        (this->*presetLoader)();
}

void TForm1::N7021Click() { LoadNormalPresetOr("CA/ca70_2.dat", &TForm1::Read7021Click); }
void TForm1::N7032Click() { LoadNormalPresetOr("CA/ca70_5.dat", &TForm1::N7031Click); }
void TForm1::N7051Click() { LoadNormalPresetOr("CA/ca70_3.dat", &TForm1::Read7051Click); }
void TForm1::N7041Click() { LoadNormalPresetOr("CA/ca70_4.dat", &TForm1::Read7041Click); }

void TForm1::cteobr1Click()
{
    LoaderScope scope(StatusBar1);
    const std::string path = NamedPatternPath();
    ShowSquareSideOf70();
    LoadSquarePattern(path);
    Button12Click();
}

void TForm1::zapobr1Click()
{
    const std::string path = NamedPatternPath();
    ShowSquareSideOf70();
    const PatternFileStatus status = WriteSquarePatternFile(path);
    if (status != PatternFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(PatternFileMessage(status, path)));
}

// The C-list loaders keep the side and the B list.
void TForm1::LoadCPointPattern(const char* path)
{
    LoaderScope scope(StatusBar1);
    LoadSquarePattern(path);
    RebuildCPointList();
    Button39Click();
}

void TForm1::Read311Click() { LoadCPointPattern("CA/ca31.dat"); }
void TForm1::Read711Click() { LoadCPointPattern("CA/ca71.dat"); }
void TForm1::Read7121Click() { LoadCPointPattern("CA/ca712.dat"); }

void TForm1::Read991Click()
{
    squareRowCount = squareColumnCount = 99;
    LoadCPointPattern("CA/ca10.dat");
}

void TForm1::Button53Click()
{
    const std::string path = "CA/cawri.dat";
    const PatternFileStatus status = WriteSquarePatternFile(path);
    if (status != PatternFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(PatternFileMessage(status, path)));
    isRedrawNeeded = 1;
}

void TForm1::Readsqwrite1Click()
{
    LoaderScope scope(StatusBar1);
    LoadSquarePattern("CA/cawri.dat");
    isRedrawNeeded = 1;
    Button39Click();
}

void TForm1::ReadsqPARAD1Click()
{
    const std::string path = "CA/caPAR.dat";
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const int byte = f != nullptr ? std::fgetc(f) : EOF;
    if (f != nullptr)
        std::fclose(f);
    if (byte == EOF) {
        StatusBar1->setSimpleText(Quoted(path) + (f == nullptr ? " not found" : " is empty"));
        return;
    }
    paradoxMarker = static_cast<uint8_t>(byte);
}

void TForm1::Edit10Change()
{
    presetFileChoice = EditNumber(Edit10);
}

void TForm1::UpDown6Click()
{
    presetFileChoice = UpDown6->position();
    ShowNumber(Edit10, presetFileChoice);
}

void TForm1::Edit17Change()
{
    if (!MakePatternName(Edit17->text().toStdString(), patternName))
        StatusBar1->setSimpleText("A pattern name stays inside \"obr\": \"" + QString::fromStdString(patternName) +
                                  "\" is kept");
}
