// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectMask2dHandlers()
{
    OnClick(RadioGroup20, Bind(&TForm1::RadioGroup20Click));
    OnChange(Edit54, Bind(&TForm1::Edit54Change));
    OnChange(Edit55, Bind(&TForm1::Edit55Change));
    OnChange(Edit56, Bind(&TForm1::Edit56Change));
    OnChange(Edit57, Bind(&TForm1::Edit57Change));
    OnChange(Edit58, Bind(&TForm1::Edit58Change));
    OnChange(Edit59, Bind(&TForm1::Edit59Change));
    OnChange(Edit60, Bind(&TForm1::Edit60Change));
    OnChange(Edit61, Bind(&TForm1::Edit61Change));
    OnClick(Button210, Bind(&TForm1::Button210Click));
    OnClick(Button213, Bind(&TForm1::Button213Click));
    OnClick(Button216, Bind(&TForm1::Button216Click));
    OnClick(Button222, Bind(&TForm1::Button222Click));
    OnClick(Button226, Bind(&TForm1::Button226Click));
    z->onMouseMove = [this](Qt::KeyboardModifiers shift, int x, int y) {
        RunGuarded([=, this] { zMouseMove(shift, x, y); });
    };
    z->onMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        RunGuarded([=, this] { zMouseDown(button, shift, x, y); });
    };
    // The picture is layout data: drawn once, never redrawn by a handler.
    DrawZPicture();
}
