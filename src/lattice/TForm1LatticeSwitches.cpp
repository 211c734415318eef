// Choices of the hidden panel that belong to the lattice workbench.
#include "app/TForm1.h"

#include "lattice/LatticeSettings.h"

void TForm1::RadioGroup1Click()
{
    ruleModeIndex = static_cast<int16_t>(RadioGroup1->itemIndex());
}

// "Vid" and "kva-krug" are read where they matter; choosing them does nothing.
void TForm1::RadioGroup6Click() {}
void TForm1::RadioGroup10Click() {}

// Not built yet: the kind, the string/square view and the main mode.
void TForm1::RadioGroup3Click() {}
void TForm1::RadioGroup5Click() {}
void TForm1::RadioGroup7Click() {}
void TForm1::RadioGroup8Click() {}
