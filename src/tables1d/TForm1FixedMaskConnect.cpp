// Connects the controls of the fixed-mask tables to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectFixedMaskHandlers()
{
    OnClick(Button153, Bind(&TForm1::Button153Click));
    OnClick(Button165, Bind(&TForm1::Button165Click));
    OnClick(Button154, Bind(&TForm1::Button154Click));
    OnClick(Button171, Bind(&TForm1::Button171Click));
    OnClick(Button173, Bind(&TForm1::Button173Click));
    OnTimer(Timer12, Bind(&TForm1::Timer12Timer));
    OnClick(Button174, Bind(&TForm1::Button174Click));
    OnClick(Button195, Bind(&TForm1::Button195Click));
    OnClick(Button191, Bind(&TForm1::Button191Click));
    OnClick(Button194, Bind(&TForm1::Button194Click));
    OnClick(Button164, Bind(&TForm1::Button164Click));
    OnClick(Button169, Bind(&TForm1::Button169Click));
    OnClick(Button192, Bind(&TForm1::Button192Click));
    OnClick(Button196, Bind(&TForm1::Button196Click));
    OnClick(Button155, Bind(&TForm1::Button155Click));
    OnClick(Button156, Bind(&TForm1::Button156Click));
    OnClick(Button157, Bind(&TForm1::Button157Click));
    OnClick(Button189, Bind(&TForm1::Button189Click));
    OnClick(Button190, Bind(&TForm1::Button190Click));
}
