#include "lattice/TForm13.h"

#include "app/TForm1.h"
#include "lattice/T6Scan.h"
#include "widgets/Chart.h"
#include "widgets/Handlers.h"

#include <array>

TForm13* Form13 = nullptr;

namespace {

// Rings ticked by each preset box (CheckBox15 ..) and each preset button (Button6 ..).
constexpr std::array<RingSet, 7> kPresetBoxRings = {
    RingRange(1, 14),
    RingRange(1, 7),
    RingRange(1, 11),
    RingBit(9) | RingBit(10) | RingRange(12, 14),
    RingRange(1, 3) | RingRange(5, 6) | RingBit(9) | RingBit(11) | RingBit(14),
    RingRange(3, 5) | RingRange(9, 10) | RingRange(12, 14),
    RingBit(1) | RingRange(3, 6) | RingRange(9, 10) | RingRange(12, 14),
};
constexpr std::array<RingSet, 8> kPresetButtonRings = {
    RingRange(1, 12),
    RingRange(2, 11),
    RingRange(5, 11),
    RingRange(6, 7),
    RingBit(8) | RingBit(10) | RingBit(14),
    RingBit(1) | RingRange(3, 4) | RingBit(6) | RingBit(9),
    RingRange(2, 3) | RingRange(5, 7) | RingBit(9),
    RingRange(6, 8) | RingBit(14),
};

// Pictures: the numbered neighbourhood in cells of kCell pixels (the ring
// panels cover the top left 17 x 17 of a cell), the preset masks small.
constexpr int kCell = 20;
constexpr int kMiniCell = 5;
constexpr int kMiniPitch = 52;   // the vertical distance of two preset controls

void DrawNeighbourhood(Canvas& canvas)
{
    canvas.clear(ColorGray);
    canvas.pen = Pen{};
    canvas.brush = Brush{};
    canvas.font.size = 7;
    canvas.font.color = ColorBlack;
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) {
            const int x = column * kCell, y = row * kCell;
            canvas.brush.style = BrushStyle::Solid;
            canvas.brush.color = ColorWhite;
            canvas.fillRect(x, y, x + 17, y + 17);
            const int ring = RingOfOffset(column - 4, row - 4);
            if (ring <= 0)
                continue;   // the centre stays blank
            const QString number = QString::number(ring);
            canvas.brush.style = BrushStyle::Clear;
            canvas.textOut(x + (17 - canvas.textWidth(number)) / 2, y + (17 - canvas.textHeight(number)) / 2,
                           number);
        }
    canvas.brush.style = BrushStyle::Solid;
}

// A 9 x 9 mask at (x, y): the rings of the set black, the centre red.
void DrawMiniMask(Canvas& canvas, int x, int y, RingSet rings)
{
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = ColorGray;
    canvas.fillRect(x, y, x + 9 * kMiniCell + 1, y + 9 * kMiniCell + 1);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) {
            const int ring = RingOfOffset(column - 4, row - 4);
            canvas.brush.color = ring == 0 ? ColorRed : (HasRing(rings, ring) ? ColorBlack : ColorWhite);
            const int cx = x + 1 + column * kMiniCell, cy = y + 1 + row * kMiniCell;
            canvas.fillRect(cx, cy, cx + kMiniCell - 1, cy + kMiniCell - 1);
        }
}

} // namespace

TForm13::TForm13(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    Series1 = Chart1->addSeries(SeriesKind::Point, ColorRed);
    PointSeries1 = Chart2->addSeries(SeriesKind::Line, ColorRed);
    DrawPictures();

    OnClick(Button5, [this] { Button5Click(); });
    OnClick(CheckBox1, [this] { CheckBox1Click(); });
    OnClick(CheckBox2, [this] { CheckBox2Click(); });
    OnClick(CheckBox3, [this] { CheckBox3Click(); });
    OnClick(CheckBox4, [this] { CheckBox4Click(); });
    OnClick(CheckBox5, [this] { CheckBox5Click(); });
    OnClick(CheckBox6, [this] { CheckBox6Click(); });
    OnClick(CheckBox7, [this] { CheckBox7Click(); });
    OnClick(CheckBox8, [this] { CheckBox8Click(); });
    OnClick(CheckBox9, [this] { CheckBox9Click(); });
    OnClick(CheckBox10, [this] { CheckBox10Click(); });
    OnClick(CheckBox11, [this] { CheckBox11Click(); });
    OnClick(CheckBox12, [this] { CheckBox12Click(); });
    OnClick(CheckBox13, [this] { CheckBox13Click(); });
    OnClick(CheckBox14, [this] { CheckBox14Click(); });
    OnClick(CheckBox15, [this] { CheckBox15Click(); });
    OnClick(CheckBox16, [this] { CheckBox16Click(); });
    OnClick(CheckBox17, [this] { CheckBox17Click(); });
    OnClick(CheckBox18, [this] { CheckBox18Click(); });
    OnClick(CheckBox19, [this] { CheckBox19Click(); });
    OnClick(CheckBox20, [this] { CheckBox20Click(); });
    OnClick(CheckBox21, [this] { CheckBox21Click(); });
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
    OnClick(Button17, [this] { Button17Click(); });
    OnClick(Button18, [this] { Button18Click(); });
    OnClick(Button3, [this] { Button3Click(); });
    OnClick(Button2, [this] { Button2Click(); });
    OnClick(Button4, [this] { Button4Click(); });
    OnClick(Button1, [this] { Button1Click(); });
}

void TForm13::DrawPictures()
{
    DrawNeighbourhood(Image1->canvas());
    Canvas& presets = Image2->canvas();
    presets.clear(ColorButtonFace);
    for (std::size_t i = 0; i < kPresetBoxRings.size(); ++i)
        DrawMiniMask(presets, 2, 2 + kMiniPitch * int(i), kPresetBoxRings[i]);
    Canvas& examples = Image3->canvas();
    examples.clear(ColorButtonFace);
    for (std::size_t i = 0; i < kPresetButtonRings.size(); ++i)
        DrawMiniMask(examples, 2, 2 + kMiniPitch * int(i), kPresetButtonRings[i]);

    // What the buttons "1" .. "5" beside it load.
    Canvas& patterns = Image4->canvas();
    patterns.clear(ColorWhite);
    patterns.font.size = 8;
    patterns.font.color = ColorBlack;
    patterns.brush.style = BrushStyle::Clear;
    const char* lines[] = {"Stored 70 x 70 patterns:", "1  the preset of \"70_1\"", "2  CA/ca70_2.dat",
                           "3  CA/ca70_5.dat", "4  CA/ca70_4.dat", "5  CA/ca70_3.dat"};
    for (int i = 0; i < 6; ++i)
        patterns.textOut(8, 6 + 24 * i, lines[i]);
    patterns.brush.style = BrushStyle::Solid;
}

// A ring's panel is shown exactly while its box is ticked. The panels are not
// numbered like the rings: ring 11 is Panel10, rings 9 and 10 Panel11, Panel12.
void TForm13::ShowRingPanels()
{
    const std::pair<QCheckBox*, QFrame*> rings[] = {
        {CheckBox1, Panel2},   {CheckBox2, Panel3},   {CheckBox3, Panel4},   {CheckBox4, Panel5},
        {CheckBox5, Panel6},   {CheckBox6, Panel7},   {CheckBox7, Panel8},   {CheckBox8, Panel9},
        {CheckBox9, Panel11},  {CheckBox10, Panel12}, {CheckBox11, Panel10}, {CheckBox12, Panel13},
        {CheckBox13, Panel14}, {CheckBox14, Panel15},
    };
    for (const auto& [box, panel] : rings)
        panel->setVisible(box->isChecked());
}

QCheckBox* TForm13::RingBox(int ring) const
{
    QCheckBox* const boxes[kRingCount] = {CheckBox1, CheckBox2,  CheckBox3,  CheckBox4,  CheckBox5,
                                          CheckBox6, CheckBox7,  CheckBox8,  CheckBox9,  CheckBox10,
                                          CheckBox11, CheckBox12, CheckBox13, CheckBox14};
    return boxes[ring - 1];
}

QCheckBox* TForm13::PresetBox(int index) const
{
    QCheckBox* const boxes[] = {CheckBox15, CheckBox16, CheckBox17, CheckBox18, CheckBox19, CheckBox20, CheckBox21};
    return boxes[index];
}

// Setting a box from code runs its handler as a click would; the panels end
// the same as after one update.
void TForm13::ApplyPreset(RingSet rings, const QCheckBox* keep)
{
    for (int ring = 1; ring <= kRingCount; ++ring)
        RingBox(ring)->setChecked(HasRing(rings, ring));
    for (int i = 0; i < int(kPresetBoxRings.size()); ++i)
        if (PresetBox(i) != keep)
            PresetBox(i)->setChecked(false);
    ShowRingPanels();
}

void TForm13::PresetBoxClick(int index)
{
    if (PresetBox(index)->isChecked())
        ApplyPreset(kPresetBoxRings[std::size_t(index)], PresetBox(index));
    else
        ShowRingPanels();
}

void TForm13::FormShow()
{
    Form1->RadioGroup2->setItemIndex(1);
    Button3Click();
    for (int i = 0; i < int(kPresetBoxRings.size()); ++i)
        PresetBox(i)->setChecked(false);
    ShowRingPanels();
}

void TForm13::Button5Click() { ShowRingPanels(); }
void TForm13::CheckBox1Click() { ShowRingPanels(); }
void TForm13::CheckBox2Click() { ShowRingPanels(); }
void TForm13::CheckBox3Click() { ShowRingPanels(); }
void TForm13::CheckBox4Click() { ShowRingPanels(); }
void TForm13::CheckBox5Click() { ShowRingPanels(); }
void TForm13::CheckBox6Click() { ShowRingPanels(); }
void TForm13::CheckBox7Click() { ShowRingPanels(); }
void TForm13::CheckBox8Click() { ShowRingPanels(); }
void TForm13::CheckBox9Click() { ShowRingPanels(); }
void TForm13::CheckBox10Click() { ShowRingPanels(); }
void TForm13::CheckBox11Click() { ShowRingPanels(); }
void TForm13::CheckBox12Click() { ShowRingPanels(); }
void TForm13::CheckBox13Click() { ShowRingPanels(); }
void TForm13::CheckBox14Click() { ShowRingPanels(); }

void TForm13::CheckBox15Click() { PresetBoxClick(0); }
void TForm13::CheckBox16Click() { PresetBoxClick(1); }
void TForm13::CheckBox17Click() { PresetBoxClick(2); }
void TForm13::CheckBox18Click() { PresetBoxClick(3); }
void TForm13::CheckBox19Click() { PresetBoxClick(4); }
void TForm13::CheckBox20Click() { PresetBoxClick(5); }
void TForm13::CheckBox21Click() { PresetBoxClick(6); }

void TForm13::Button6Click() { ApplyPreset(kPresetButtonRings[0], nullptr); }
void TForm13::Button7Click() { ApplyPreset(kPresetButtonRings[1], nullptr); }
void TForm13::Button8Click() { ApplyPreset(kPresetButtonRings[2], nullptr); }
void TForm13::Button9Click() { ApplyPreset(kPresetButtonRings[3], nullptr); }
void TForm13::Button10Click() { ApplyPreset(kPresetButtonRings[4], nullptr); }
void TForm13::Button11Click() { ApplyPreset(kPresetButtonRings[5], nullptr); }
void TForm13::Button12Click() { ApplyPreset(kPresetButtonRings[6], nullptr); }
void TForm13::Button13Click() { ApplyPreset(kPresetButtonRings[7], nullptr); }

void TForm13::Button14Click() { Form1->Read701Click(); }
void TForm13::Button15Click() { Form1->Read7021Click(); }
void TForm13::Button16Click() { Form1->N7031Click(); }
void TForm13::Button17Click() { Form1->Read7041Click(); }
void TForm13::Button18Click() { Form1->Read7051Click(); }

void TForm13::Button3Click()
{
    Label19->setVisible(true);
    Label1->setText(QString::number(t6Total));
    QLabel* const first[] = {Label2, Label3, Label4, Label5, Label6, Label7};
    for (int k = 0; k < 6; ++k)
        first[k]->setText(QString::number(t6Counters[k]));
    QLabel* const late[] = {Label8, Label9, Label10, Label11};
    for (int k = 0; k < 4; ++k)
        late[k]->setText(QString::number(t6Counters[116 + k]));

    // Each x carries the counter (red) and the reference (green): 500 at the
    // start of every triangle row, 0 elsewhere.
    Chart1->clearSeries(Series1);
    for (int32_t k = 0; k < kT6ShownPairs; ++k) {
        Chart1->addXY(Series1, k, t6Counters[k], {}, ColorRed);
        Chart1->addXY(Series1, k, IsT6RowStart(k) ? 500 : 0, {}, ColorGreen);
    }

    FindT6Maximum();
    Label13->setText(QString::number(t6MaxIndex));
    Label17->setText(QString::number(t6MaxCount));
    const T6Pair pair = T6PairOfIndex(t6MaxIndex);
    Label16->setText(QString::number(pair.a));
    Label15->setText(QString::number(pair.b));
}

void TForm13::Button2Click() { Label19->setVisible(false); }
void TForm13::Button4Click() { Chart2->clearSeries(PointSeries1); }
void TForm13::Button1Click() {}
void TForm13::RadioGroup1Click() {}
