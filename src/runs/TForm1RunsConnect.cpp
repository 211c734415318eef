// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectRunHandlers()
{
    OnClick(RadioGroup16, Bind(&TForm1::RadioGroup16Click));
    OnClick(CheckBox47, Bind(&TForm1::CheckBox47Click));
    OnClick(CheckBox50, Bind(&TForm1::CheckBox50Click));
    OnClick(CheckBox51, Bind(&TForm1::CheckBox51Click));
    OnClick(CheckBox53, Bind(&TForm1::CheckBox53Click));
    OnChange(Edit52, Bind(&TForm1::Edit52Change));
    OnChange(Edit53, Bind(&TForm1::Edit53Change));
    OnClick(CheckBox61, Bind(&TForm1::CheckBox61Click));
    OnClick(RadioGroup19, Bind(&TForm1::RadioGroup19Click));
    OnChange(Edit45, Bind(&TForm1::Edit45Change));
    OnChange(Edit46, Bind(&TForm1::Edit46Change));
    OnChange(Edit47, Bind(&TForm1::Edit47Change));
    OnChange(Edit48, Bind(&TForm1::Edit48Change));
    OnClick(CheckBox44, Bind(&TForm1::CheckBox44Click));
    OnClick(RadioGroup12, Bind(&TForm1::RadioGroup12Click));
}
