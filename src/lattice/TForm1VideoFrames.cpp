// The video recorders on the main window: numbered frame files on Timer3, the
// 24-slot strip on Timer8, and the commands of the Video menu around them.
// Problems are noted in the status bar, never in a box: both recorders run
// on timer ticks.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "base/BinaryFile.h"
#include "lattice/LatticeSettings.h"
#include "lattice/SecondStepCount.h"
#include "lattice/TForm12.h"
#include "lattice/TForm1CanvasBlocks.h"
#include "lattice/VideoFrameSize.h"
#include "lattice/VideoFrames.h"
#include "lattice/VideoStrip.h"
#include "widgets/Bitmap.h"
#include "widgets/Handlers.h"

#include <algorithm>
#include <iterator>

namespace {

bool stripNoted = false;           // the strip recorder has said that its strip cannot be written

// The one place where frame files are saved.
bool SaveFrame(const std::vector<uint8_t>& frame)
{
    return SaveFileSafely(framePath, frame);
}

QString Quoted(const std::string& path) { return "\"" + QString::fromStdString(path) + "\""; }

// Draws a stored picture at (x, y); a missing one draws nothing and adds a note.
void DrawStoredPicture(Canvas& canvas, const std::string& path, int x, int y, QString& notes)
{
    QImage picture;
    if (LoadBitmap(QString::fromStdString(path), picture))
        canvas.draw(x, y, picture);
    else if (!notes.contains(Quoted(path)))
        notes += "  " + Quoted(path) + " not found";
}

} // namespace

void TForm1::Playvideo1Click()
{
    videoFrameCounter = 0;
    videoFrameNumber = 0;
    DeleteOldFrames();
    Timer3->setEnabled(true);
}

// Writes `copies` frame files of what the canvas shows, numbered on from
// videoFrameNumber; missing pictures are added to notes. False (and the
// status bar says why) when one cannot be saved.
bool TForm1::WriteFrameCopies(int copies, QString& notes)
{
    std::vector<uint8_t> frame;
    bool built = false;
    for (int k = 0; k < copies; ++k) {
        framePath = FrameFilePath(videoFrameNumber);
        if (Load3pict1->isChecked()) {
            Clearall1Click();
            Canvas& c = canvas();
            DrawStoredPicture(c, NumberedBitmapName("video1_2/", videoFrameCounter), 0, 0, notes);
            DrawStoredPicture(c, NumberedBitmapName("video1_1/", videoFrameCounter), 352, 0, notes);
            DrawStoredPicture(c, NumberedBitmapName("video1_0/", videoFrameCounter), 172, 352, notes);
            c.pen.mode = PenMode::Copy;
            c.pen.style = PenStyle::Solid;
            c.pen.color = ColorButtonFace;
            c.pen.width = 3;
            c.moveTo(353, 0);
            c.lineTo(353, 350);
            built = false;   // the canvas was drawn anew
        }
        if (!built) {
            frame = BuildFrameFile(CanvasPixels(canvas()), frameWidth, frameHeight);
            built = true;
        }
        if (!SaveFrame(frame)) {
            StatusBar1->setSimpleText(Quoted(framePath) + " could not be written: recording stopped");
            return false;
        }
        ++videoFrameNumber;
    }
    return true;
}

void TForm1::Timer3Timer()
{
    if (!Dntmove1->isChecked()) {
        isRedrawNeeded = 1;
        Button2Click();
    }
    if (RisLoad1->isChecked())
        secondStepCount = secondStepCount > 3 ? secondStepCount - 3 : 0;

    const std::string templatePath = FrameTemplatePath(Form12->RadioGroup1->itemIndex());
    const FrameTemplateStatus status = LoadFrameTemplate(templatePath, frameWidth, frameHeight);
    // Kept beside the counter while it holds, so that it stays readable at 5 ticks a second.
    QString note;
    if (status != FrameTemplateStatus::Ok) {
        note = "  frame template " + Quoted(templatePath) +
               (status == FrameTemplateStatus::Missing ? " not found" : " does not fit the frame size") +
               ": frames get a header of their own";
    }

    const int copies = videoFrameCounter >= 0 && videoFrameCounter < kFrameRecordCount
                           ? frameMaxK[videoFrameCounter]
                           : 0;
    if (!WriteFrameCopies(copies, note)) {
        Timer3->setEnabled(false);
        return;
    }
    StatusBar1->setSimpleText(QString::number(videoFrameCounter) + note);
    ++videoFrameCounter;
    if (Cadr1->isChecked() && stepCount >= 1)
        Timer3->setEnabled(false);
}

void TForm1::Button35Click()
{
    if (!FrameHeaderFits(frameWidth, frameHeight))
        SynthesiseFrameHeader(frameWidth, frameHeight);
    if (!SaveFrame(BuildFrameFile(CanvasPixels(canvas()), frameWidth, frameHeight)))
        StatusBar1->setSimpleText(Quoted(framePath) + " could not be written");
}

void TForm1::Recordvideo31Click()
{
    for (int round = 0; round < 2; ++round) {
        Button10Click();
        for (int i = 0; i < 8; ++i)
            Button2Click();
    }
    stepsPerRun = 1;
    ShowNumber(Edit2, 1);
    UpDown1->setPosition(1);
    videoFrameCounter = 0;
    stripNoted = false;
    const StripStatus status = OpenFrameStrip();
    if (status != StripStatus::Ok) {
        stripNoted = true;
        StatusBar1->setSimpleText(Quoted(kStripPath) +
                                  (status == StripStatus::Missing ? " not found" : " is not a 24-frame strip") +
                                  ": nothing is recorded");
    }
    Timer8->setEnabled(true);
}

void TForm1::Timer8Timer()
{
    Button2Click();
    if (!N1Or31->isChecked() || (int64_t(stepCount) + 1) % 3 == 0) {
        Button63Click();
        Button70Click();
        Button62Click();
        if (!stripNoted)
            StatusBar1->setSimpleText(QString::number(videoFrameCounter));
        ++videoFrameCounter;
    }
    // At or past the last slot: also when another recorder moved the counter on.
    if (videoFrameCounter >= kStripSlotCount) {
        Timer8->setEnabled(false);
        CloseFrameStrip();
    }
}

void TForm1::Button62Click()
{
    const int slot = kStripSlotCount - 1 - videoFrameCounter;
    if (!WriteFrameStripSlot(slot, CanvasPixels(canvas()), frameWidth, frameHeight) && !stripNoted) {
        stripNoted = true;
        StatusBar1->setSimpleText(Quoted(kStripPath) + " could not be written");
    }
}

// Called by every strip tick; draws nothing.
void TForm1::Button70Click() {}

// "Record video (3)"
void TForm1::N38Click() {}

void TForm1::Maevideo1Click()
{
    Canvas& c = canvas();
    c.pen.color = ColorOlive;
    c.pen.width = 1;
    for (int k = 0; k < 70; ++k) {
        c.moveTo(0, 5 * k);
        c.lineTo(350, 5 * k);
        c.moveTo(5 * k, 0);
        c.lineTo(5 * k, 350);
    }
    for (QWidget* box : {static_cast<QWidget*>(Manage), static_cast<QWidget*>(GroupBox1),
                         static_cast<QWidget*>(GroupBox3), static_cast<QWidget*>(GroupBox7),
                         static_cast<QWidget*>(GroupBox4), static_cast<QWidget*>(GroupBox6)})
        box->setVisible(false);
}

void TForm1::Unmakevideo1Click()
{
    for (QWidget* box : {static_cast<QWidget*>(Manage), static_cast<QWidget*>(GroupBox1),
                         static_cast<QWidget*>(GroupBox3), static_cast<QWidget*>(GroupBox7),
                         static_cast<QWidget*>(GroupBox4), static_cast<QWidget*>(GroupBox6)})
        box->setVisible(true);
}

// A slow start: many copies of the first frames.
void TForm1::Maxkabeg1Click()
{
    static const int32_t kSlowStart[] = {20, 18, 16, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    std::copy(std::begin(kSlowStart), std::end(kSlowStart), frameMaxK);
}

void TForm1::MAXK51Click()
{
    std::fill(std::begin(frameMaxK), std::end(frameMaxK), 5);
}

// "Dl = SH" has no effect of its own.
void TForm1::DlSH1Click() {}

void TForm1::Cadr1Click() { ToggleChecked(Cadr1); }
void TForm1::NoDRAW1Click() { ToggleChecked(NoDRAW1); }
void TForm1::MakeGrid1Click() { ToggleChecked(MakeGrid1); }
void TForm1::Dntmove1Click() { ToggleChecked(Dntmove1); }
void TForm1::GLAVNUNV1Click() { ToggleChecked(GLAVNUNV1); }

void TForm1::RisLoad1Click()
{
    ToggleChecked(RisLoad1);
    Button71Click();
}

// The stored frame that the playback counter points at, drawn at (0, 0).
void TForm1::Button71Click()
{
    framePath = NumberedBitmapName("videoDD3/file", std::max(secondStepCount, 0) / 3);
    QImage picture;
    if (LoadBitmap(QString::fromStdString(framePath), picture))
        canvas().draw(0, 0, picture);
    else
        StatusBar1->setSimpleText(Quoted(framePath) + " not found");
}
