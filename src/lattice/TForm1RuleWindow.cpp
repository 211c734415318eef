// The main window's command that shows the rule-table window "Show RCA".
#include "app/TForm1.h"

#include "lattice/TForm6.h"

void TForm1::ShowCA1Click()
{
    Form6->show_();
}
