// The small controls of the lattice menus and panels: switches that toggle
// their own mark (some repaint), the group "Cnc 0/1/2", "Time /2", the pen of
// "ris lin 17", edits whose numbers nothing reads, the task counter of the
// panel ZAD, and the commands that do nothing.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "lattice/LatticePanelValues.h"
#include "lattice/TForm1MenuMark.h"

#include <limits>

namespace {

enum class Redraw { No, Full };   // "Full": the painter redraws everything

void PaintAfter(TForm1& form, Redraw redraw)
{
    if (redraw == Redraw::Full)
        isRedrawNeeded = 1;
    form.Button3Click();
}

int32_t NextTask(int32_t task)
{
    return task < std::numeric_limits<int32_t>::max() ? task + 1 : task;
}

void CopySolidPen(Canvas& canvas)
{
    canvas.pen.mode = PenMode::Copy;
    canvas.pen.style = PenStyle::Solid;
}

} // namespace

// Plain switches: other code reads the mark, if anything does.
void TForm1::Nonreversible1Click() { ToggleMark(Nonreversible1); }
void TForm1::Showparameters1Click() { ToggleMark(Showparameters1); }
void TForm1::randomize2Click() { ToggleMark(randomize2); }
void TForm1::IsStopwheN1Click() { ToggleMark(IsStopwheN1); }
void TForm1::IaStop1Click() { ToggleMark(IaStop1); }
void TForm1::IsStop1Click() { ToggleMark(IsStop1); }
void TForm1::IsStopwheniCX1Click() { ToggleMark(IsStopwheniCX1); }
void TForm1::Nographics1Click() { ToggleMark(Nographics1); }
void TForm1::PorM1Click() { ToggleMark(PorM1); }
void TForm1::N1Or31Click() { ToggleMark(N1Or31); }
void TForm1::Quolil1Click() { ToggleMark(Quolil1); }
void TForm1::DONTSHOW2Click() { ToggleMark(DONTSHOW2); }
void TForm1::NOTSTOP1Click() { ToggleMark(NOTSTOP1); }
void TForm1::Load3pict1Click() { ToggleMark(Load3pict1); }
void TForm1::IsIZM1Click() { ToggleMark(IsIZM1); }
void TForm1::isdef1Click() { ToggleMark(isdef1); }
void TForm1::isSMES1Click() { ToggleMark(isSMES1); }
void TForm1::iesZAD1Click() { ToggleMark(iesZAD1); }
void TForm1::iesNesol1Click() { ToggleMark(iesNesol1); }
void TForm1::notITZ1Click() { ToggleMark(notITZ1); }

// Switches that repaint.

void TForm1::XXXn1Click()
{
    ToggleMark(XXXn1);
    PaintAfter(*this, Redraw::Full);
}

void TForm1::XXcnc1Click()
{
    ToggleMark(XXcnc1);
    PaintAfter(*this, Redraw::Full);
}

void TForm1::NoA1Click()
{
    ToggleMark(NoA1);
    PaintAfter(*this, Redraw::No);
}

void TForm1::Iz22Click()
{
    ToggleMark(Iz22);
    PaintAfter(*this, Redraw::No);
}

void TForm1::isIZ1IZ01Click()
{
    ToggleMark(isIZ1IZ01);
    PaintAfter(*this, Redraw::No);
}

// "1 OR 3 SQUARE": one step per press while it is ticked.
void TForm1::Showwithfilt1Click()
{
    if (ToggleMark(Showwithfilt1))
        ShowStepsPerRun(1);
    PaintAfter(*this, Redraw::Full);
}

void TForm1::Is6coins1Click()
{
    ToggleMark(Is6coins1);
    if (Showwithfilt1->isChecked())
        ShowStepsPerRun(1);
    PaintAfter(*this, Redraw::Full);
}

void TForm1::Cnc01Click()
{
    TickOnly(Cnc01, {Cnc01, Cnc11, Cnc21});
    PaintAfter(*this, Redraw::Full);
}

void TForm1::Cnc11Click()
{
    TickOnly(Cnc11, {Cnc01, Cnc11, Cnc21});
    PaintAfter(*this, Redraw::Full);
}

void TForm1::Cnc21Click()
{
    TickOnly(Cnc21, {Cnc01, Cnc11, Cnc21});
    PaintAfter(*this, Redraw::Full);
}

// "Time /2": 1 ms halves to 0, which stops the ticks.
void TForm1::N210Click() { Timer1->setInterval(Timer1->interval() / 2); }

void TForm1::Button17Click()
{
    Pen& pen = canvas().pen;
    pen.color = ColorYellow;
    pen.mode = PenMode::Copy;
    pen.style = PenStyle::Solid;
    pen.width = 2;
}

void TForm1::Edit18Change() { edit18Number = EditNumber(Edit18); }
void TForm1::Edit19Change() { edit19Number = EditNumber(Edit19); }
void TForm1::Edit23Change() { edit23Number = EditNumber(Edit23); }
void TForm1::Edit30Change() { edit30Number = EditNumber(Edit30); }

// The panel ZAD: the task number, and two drawing commands that only clear
// and reset the pen.
void TForm1::Edit31Change() { zadTaskNumber = EditNumber(Edit31); }

void TForm1::Button44Click()
{
    zadTaskNumber = NextTask(zadTaskNumber);
    ShowNumber(Edit31, zadTaskNumber);
    PokCij1Click();
}

void TForm1::Button48Click()
{
    zadTaskNumber = NextTask(zadTaskNumber);
    ShowNumber(Edit31, zadTaskNumber);
    P21Click();
}

void TForm1::PokCij1Click()
{
    Button8Click();
    CopySolidPen(canvas());
}

void TForm1::P21Click()
{
    Button8Click();
    CopySolidPen(canvas());
}

void TForm1::Button76Click()
{
    Button8Click();
    CopySolidPen(canvas());
}

void TForm1::Button83Click() { CopySolidPen(canvas()); }
void TForm1::Button84Click() { CopySolidPen(canvas()); }
void TForm1::Button85Click() { CopySolidPen(canvas()); }
void TForm1::Button86Click() { CopySolidPen(canvas()); }

void TForm1::To01Click() {}
void TForm1::Iz31Click() {}
void TForm1::BEGINNORM1Click() {}
void TForm1::iesZEL1Click() {}
