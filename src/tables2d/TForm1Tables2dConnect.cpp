// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/ControlBar.h"
#include "widgets/FollowShownGroups.h"
#include "widgets/Handlers.h"

void TForm1::ConnectTables2dHandlers()
{
    // The table path and the grid start below "Mask crest" while it is shown.
    FollowShownGroups({GroupBox43}, {Label513, StringGrid12}, 546);

    // the closure check, its range, the extension and the six-point mask
    OnClick(Button221, Bind(&TForm1::Button221Click));
    OnClick(Button232, Bind(&TForm1::Button232Click));
    OnClick(Button235, Bind(&TForm1::Button235Click));
    OnChange(Edit68, Bind(&TForm1::Edit68Change));
    OnChange(Edit69, Bind(&TForm1::Edit69Change));
    OnClick(Button176, Bind(&TForm1::Button176Click));
    OnClick(Button175, Bind(&TForm1::Button175Click));

    OnClick(CheckBox54, Bind(&TForm1::CheckBox54Click));
    OnClick(CheckBox56, Bind(&TForm1::CheckBox56Click));
    OnClick(CheckBox57, Bind(&TForm1::CheckBox57Click));
    OnClick(CheckBox58, Bind(&TForm1::CheckBox58Click));
    OnClick(CheckBox64, Bind(&TForm1::CheckBox64Click));
    OnClick(CheckBox66, Bind(&TForm1::CheckBox66Click));
    Image17->onMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        RunGuarded([this] { Image17MouseDown(); });
    };

    // the growth run's generator and the two-dimensional tables
    OnClick(Button214, Bind(&TForm1::Button214Click));
    OnClick(Button215, Bind(&TForm1::Button215Click));
    OnClick(Button162, Bind(&TForm1::Button162Click));
    OnClick(Button218, Bind(&TForm1::Button218Click));
    OnClick(Button220, Bind(&TForm1::Button220Click));
    OnTimer(Timer13, Bind(&TForm1::Timer13Timer));
    OnTimer(Timer16, Bind(&TForm1::Timer16Timer));
    OnTimer(Timer18, Bind(&TForm1::Timer18Timer));
    OnClick(OpenTT2dim1, Bind(&TForm1::OpenTT2dim1Click));
    connect(ControlBar1, &ControlBar::freeAreaClicked, this, [this](int, int) {
        RunGuarded([this] { ControlBar1MouseDown(); });
    });
    ConnectTables2dToolHandlers();
}
