// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectShellHandlers()
{
    OnClick(Content1, Bind(&TForm1::Content1Click));
    OnClick(Content2, Bind(&TForm1::Content2Click));
    OnClick(About1, Bind(&TForm1::About1Click));
    OnClick(Exit1, Bind(&TForm1::Exit1Click));
}
