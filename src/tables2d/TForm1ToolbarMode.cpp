// The toolbar shows the table generator of the current kind of work; in
// one-dimensional work that is "TT 1d" with its counters group.
#include "app/TForm1.h"

#include "tables2d/TwoDimState.h"

void TForm1::ShowOneDimToolbar()
{
    isTwoDimMode = 0;
    GroupBox31->setVisible(true);
    GroupBox2->setVisible(true);
    Button204->setVisible(true);
    Button211->setVisible(false);
    GroupBox51->setVisible(false);
    GroupBox33->setVisible(false);
    Button214->setVisible(false);
    Button215->setVisible(false);
}
