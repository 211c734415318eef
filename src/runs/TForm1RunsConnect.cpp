// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectRunHandlers()
{
    OnClick(RadioGroup16, Bind(&TForm1::RadioGroup16Click));
    OnClick(CheckBox47, Bind(&TForm1::CheckBox47Click));
    OnClick(CheckBox48, Bind(&TForm1::CheckBox48Click));
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

    // recorded run, events, picture, grids, Step W
    OnClick(Button146, Bind(&TForm1::Button146Click));
    OnClick(Button145, Bind(&TForm1::Button145Click));
    OnClick(Button150, Bind(&TForm1::Button150Click));
    OnClick(Button168, Bind(&TForm1::Button168Click));
    OnClick(Button149, Bind(&TForm1::Button149Click));
    OnClick(Button151, Bind(&TForm1::Button151Click));
    OnClick(Button152, Bind(&TForm1::Button152Click));
    OnClick(Button198, Bind(&TForm1::Button198Click));
    OnClick(Button197, Bind(&TForm1::Button197Click));
    OnClick(Button148, Bind(&TForm1::Button148Click));
    OnClick(Button147, Bind(&TForm1::Button147Click));
    OnClick(Button166, Bind(&TForm1::Button166Click));
    OnClick(Button177, Bind(&TForm1::Button177Click));
    OnClick(Button183, Bind(&TForm1::Button183Click));
    OnClick(UpDown9, [this](bool) { UpDown9Click(); });
    OnClick(UpDown10, [this](bool) { UpDown10Click(); });
    OnClick(UpDown11, [this](bool) { UpDown11Click(); });

    StringGrid1->onDrawCell = [this](GridCellPainter& cell) { StringGrid1DrawCell(cell); };
    StringGrid2->onDrawCell = [this](GridCellPainter& cell) { StringGrid2DrawCell(cell); };
    StringGrid13->onDrawCell = [this](GridCellPainter& cell) { StringGrid13DrawCell(cell); };
    StringGrid14->onDrawCell = [this](GridCellPainter& cell) { StringGrid14DrawCell(cell); };
    StringGrid5->onDrawCell = [this](GridCellPainter& cell) { StringGrid5DrawCell(cell); };
    StringGrid6->onDrawCell = [this](GridCellPainter& cell) { StringGrid6DrawCell(cell); };

    ConnectRunAnalysisHandlers();
}
