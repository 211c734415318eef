// Connects the harvest buttons of "Mask cr +2" .. "Mask cr +4", the older
// table tools, the key lookup and the "Randomize" edit to their handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectTables2dToolHandlers()
{
    OnClick(Button219, Bind(&TForm1::Button219Click));
    OnClick(Button223, Bind(&TForm1::Button223Click));
    OnClick(Button224, Bind(&TForm1::Button224Click));
    OnClick(Button172, Bind(&TForm1::Button172Click));
    OnClick(Button184, Bind(&TForm1::Button184Click));
    OnClick(Button185, Bind(&TForm1::Button185Click));
    OnClick(Button186, Bind(&TForm1::Button186Click));
    OnTimer(Timer14, Bind(&TForm1::Timer14Timer));
    OnTimer(Timer15, Bind(&TForm1::Timer15Timer));
    OnChange(Edit62, Bind(&TForm1::Edit62Change));
    OnChange(Edit63, Bind(&TForm1::Edit63Change));
    OnChange(Edit64, Bind(&TForm1::Edit64Change));
    OnChange(Edit65, Bind(&TForm1::Edit65Change));
    OnChange(Edit66, Bind(&TForm1::Edit66Change));
    OnChange(Edit67, Bind(&TForm1::Edit67Change));
    OnClick(Button227, Bind(&TForm1::Button227Click));
}
