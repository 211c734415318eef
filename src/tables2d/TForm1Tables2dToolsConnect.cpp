// Connects the harvest buttons of "Mask cr +2" .. "Mask cr +4" to their handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectTables2dToolHandlers()
{
    OnClick(Button219, Bind(&TForm1::Button219Click));
    OnClick(Button223, Bind(&TForm1::Button223Click));
    OnClick(Button224, Bind(&TForm1::Button224Click));
}
