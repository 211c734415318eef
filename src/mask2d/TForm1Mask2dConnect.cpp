// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectMask2dHandlers()
{
    OnChange(Edit54, Bind(&TForm1::Edit54Change));
    OnChange(Edit55, Bind(&TForm1::Edit55Change));
    OnClick(RadioGroup20, Bind(&TForm1::RadioGroup20Click));
}
