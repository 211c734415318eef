#pragma once
// Mask chooser window "Is MASK RCA": one check box per ring of the 9 x 9
// neighbourhood (CheckBox1 .. CheckBox14, ring k = CheckBoxk), each with a
// black panel over the ring's cell in the upper left eighth of the picture;
// preset boxes and buttons that tick combinations of rings; buttons that load
// the stored 70 x 70 patterns through the main window; and, hidden, the
// results of the T=6 scan. The ring choice lives only in the boxes.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm13.h"

#include "lattice/MaskRings.h"

class TForm13 : public Form, public Ui::TForm13Layout {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // Showing the window: the main window's border becomes "Circle", the
    // results are shown, the preset boxes unticked and the panels updated.
    void FormShow() override;

    // The ring check boxes and "Button5": each ring's panel is visible exactly
    // while its box is ticked.
    void Button5Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox8Click();
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox11Click();
    void CheckBox12Click();
    void CheckBox13Click();
    void CheckBox14Click();

    // Preset boxes: a click that leaves the box ticked sets every ring box to
    // the preset and unticks the other preset boxes; a click that unticks it
    // only updates the panels.
    void CheckBox15Click();
    void CheckBox16Click();
    void CheckBox17Click();
    void CheckBox18Click();
    void CheckBox19Click();
    void CheckBox20Click();
    void CheckBox21Click();
    // Preset buttons: always set the rings and untick all seven preset boxes.
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();

    // "1" .. "5": the stored 70 x 70 patterns, loaded by the main window.
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();

    // "Show Results": counters and reference points in Chart1, a few counters
    // as numbers, the largest counter with its index and pair.
    void Button3Click();
    void Button2Click();        // "Cansel": hides "Is mask RCA"
    void Button4Click();        // clears the line series of Chart2
    void Button1Click();        // "RCA  from  T = 6": nothing
    void RadioGroup1Click();    // reached by no control: nothing

    int Series1 = -1;           // point series of Chart1
    int PointSeries1 = -1;      // line series of Chart2

private:
    void ShowRingPanels();
    QCheckBox* RingBox(int ring) const;
    QCheckBox* PresetBox(int index) const;
    void ApplyPreset(RingSet rings, const QCheckBox* keep);
    void PresetBoxClick(int index);
    void DrawPictures();
};

extern TForm13* Form13;
