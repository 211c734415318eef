// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectTables2dHandlers()
{
    OnClick(CheckBox54, Bind(&TForm1::CheckBox54Click));
    OnClick(CheckBox56, Bind(&TForm1::CheckBox56Click));
    OnClick(CheckBox57, Bind(&TForm1::CheckBox57Click));
    OnClick(CheckBox58, Bind(&TForm1::CheckBox58Click));
    OnClick(CheckBox64, Bind(&TForm1::CheckBox64Click));
    OnClick(CheckBox66, Bind(&TForm1::CheckBox66Click));
    Image17->onMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        RunGuarded([this] { Image17MouseDown(); });
    };
}
