// Check boxes that show or hide groups of older controls, move the field
// pictures up or down with the toolbar and the status bar, and the start-up
// picture that a click removes.
#include "app/TForm1.h"

#include "tables2d/TwoDimState.h"

void TForm1::CheckBox64Click()
{
    GroupBox35->setVisible(CheckBox64->isChecked());
    GroupBox36->setVisible(CheckBox64->isChecked());
    GroupBox46->setVisible(CheckBox64->isChecked());
}

void TForm1::CheckBox66Click()
{
    GroupBox43->setVisible(CheckBox66->isChecked());
}

// The bars move the drawing area, and the canvas's origin with it: the field
// pictures start at the area's top, canvas row 0, whichever bars are shown.
void TForm1::CheckBox54Click()
{
    ControlBar1->setVisible(CheckBox54->isChecked());
    LayOutDrawingArea();
    fieldDrawTop = 0;
}

void TForm1::CheckBox56Click()
{
    StatusBar1->setEdge(CheckBox56->isChecked() ? StatusBar::Edge::Top : StatusBar::Edge::Bottom);
    LayOutDrawingArea();
    fieldDrawTop = 0;
}

void TForm1::CheckBox57Click()
{
    const bool on = CheckBox57->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{GroupBox30, Button173, GroupBox32, RadioGroup16, Button177,
                                                      CheckBox54, CheckBox55, GroupBox35, GroupBox36, GroupBox46,
                                                      GroupBox48, GroupBox55, RichEdit4})
        w->setVisible(on);
}

// "Npr=0": while it is checked every check is complete and fresh, so the range
// group that runs a check in pieces is hidden.
void TForm1::CheckBox58Click()
{
    GroupBox67->setVisible(!CheckBox58->isChecked());
}

void TForm1::Image17MouseDown()
{
    Image17->setVisible(false);
}
