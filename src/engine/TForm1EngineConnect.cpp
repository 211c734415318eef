// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectStringEngineHandlers()
{
    OnChange(Edit1, Bind(&TForm1::Edit1Change));
    OnChange(Edit2, Bind(&TForm1::Edit2Change));
    OnChange(Edit6, Bind(&TForm1::Edit6Change));
    OnChange(Edit7, Bind(&TForm1::Edit7Change));
    OnChange(Edit49, Bind(&TForm1::Edit49Change));
    OnChange(Edit50, Bind(&TForm1::Edit50Change));
    OnClick(CheckBox29, Bind(&TForm1::CheckBox29Click));
    OnClick(CheckBox32, Bind(&TForm1::CheckBox32Click));
    OnClick(CheckBox33, Bind(&TForm1::CheckBox33Click));
    OnClick(CheckBox34, Bind(&TForm1::CheckBox34Click));
    OnClick(CheckBox35, Bind(&TForm1::CheckBox35Click));
    OnClick(CheckBox41, Bind(&TForm1::CheckBox41Click));
    OnClick(RadioGroup15, Bind(&TForm1::RadioGroup15Click));
    OnClick(Button8, Bind(&TForm1::Button8Click));
    OnClick(Button58, Bind(&TForm1::Button58Click));
    OnClick(Button144, Bind(&TForm1::Button58Click));   // the visible "Random"
}
