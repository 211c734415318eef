// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/FollowShownGroups.h"
#include "widgets/Handlers.h"

void TForm1::ConnectTables1dHandlers()
{
    OnClick(OpenTT1dim1, Bind(&TForm1::OpenTT1dim1Click));
    OnClick(Button200, Bind(&TForm1::Button200Click));
    OnClick(Button233, Bind(&TForm1::Button233Click));
    OnClick(Button231, Bind(&TForm1::Button231Click));
    OnClick(Button234, Bind(&TForm1::Button234Click));
    OnClick(Button199, Bind(&TForm1::Button199Click));
    OnClick(Button163, Bind(&TForm1::Button163Click));
    OnClick(Button170, Bind(&TForm1::Button170Click));
    OnClick(Button181, Bind(&TForm1::Button181Click));
    OnClick(Button188, Bind(&TForm1::Button188Click));
    OnClick(Button236, Bind(&TForm1::Button236Click));
    OnClick(Button160, Bind(&TForm1::Button160Click));
    // The table grid starts below the fixed-mask groups while any of them is
    // shown ("Visible first Masks", "Vis. One step"), so none lies over it.
    FollowShownGroups({GroupBox35, GroupBox36, GroupBox46, GroupBox48, GroupBox55, gbMask8, gbMask9}, {StringGrid11},
                      500);

    // mask presets
    OnClick(Button202, Bind(&TForm1::Button202Click));
    OnClick(Button201, Bind(&TForm1::Button201Click));
    OnClick(Button187, Bind(&TForm1::Button187Click));
    OnClick(Button193, Bind(&TForm1::Button193Click));
    OnClick(Button206, Bind(&TForm1::Button206Click));
    OnClick(Button207, Bind(&TForm1::Button207Click));
    // Button203 is wired to nothing; code may call it.
    OnClick(Button208, Bind(&TForm1::Button208Click));
    OnClick(Button209, Bind(&TForm1::Button209Click));

    // the ANY I picker
    DrawAnyIPicture();
    Image15->onMouseMove = [this](Qt::KeyboardModifiers shift, int x, int y) { Image15MouseMove(shift, x, y); };
    Image15->onMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        Image15MouseDown(button, shift, x, y);
    };
    Image15->onMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
        Image15MouseUp(button, shift, x, y);
    };

    // the table generator
    OnClick(Button204, Bind(&TForm1::Button204Click));
    OnClick(Button211, Bind(&TForm1::Button211Click));
    OnTimer(Timer17, Bind(&TForm1::Timer17Timer));
    OnClick(Button167, Bind(&TForm1::Button167Click));
    OnClick(Button205, Bind(&TForm1::Button205Click));
    OnClick(Button212, Bind(&TForm1::Button212Click));
    OnClick(Button229, Bind(&TForm1::Button229Click));
    OnClick(Button230, Bind(&TForm1::Button230Click));

    ConnectFixedMaskHandlers();
}
