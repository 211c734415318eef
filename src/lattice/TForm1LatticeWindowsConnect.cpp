// Connects the controls of the mask file, "Do find", the C/B pair starts and
// the time bar to their TForm1 handlers. The commands without a control
// (the twins of "Do find", the rule-table window's command, the bar's keys,
// DO4) are reached through their handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectLatticeWindowHandlers()
{
    OnClick(Readmask1, Bind(&TForm1::Readmask1Click));
    OnClick(Writemask1, Bind(&TForm1::Writemask1Click));
    OnClick(Dofind1, Bind(&TForm1::Dofind1Click));
    OnClick(N14, Bind(&TForm1::N14Click));
    OnClick(Button51, Bind(&TForm1::Button51Click));

    OnClick(N701, Bind(&TForm1::N701Click));
    OnClick(Rislll1, Bind(&TForm1::Rislll1Click));
    OnClick(Button60, Bind(&TForm1::Button60Click));
    OnClick(Button64, Bind(&TForm1::Button64Click));
    OnChange(Edit9, Bind(&TForm1::Edit9Change));
}
