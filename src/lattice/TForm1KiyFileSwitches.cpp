// Switches of the menus "KiyFile" and "b)" that only toggle their own mark;
// nothing reads them.
#include "app/TForm1.h"

#include "lattice/TForm1MenuMark.h"

void TForm1::N4b1Click() { ToggleMark(N4b1); }
void TForm1::Estobr1Click() { ToggleMark(Estobr1); }
void TForm1::ViewGraph1Click() { ToggleMark(ViewGraph1); }
void TForm1::VIKLdljalabdx1Click() { ToggleMark(VIKLdljalabdx1); }
