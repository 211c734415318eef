// Handlers of the two-dimensional mask chooser that start-up already runs but
// whose work is not built yet: each is an empty member until its feature lands.
#include "app/TForm1.h"

void TForm1::Edit54Change() {}
void TForm1::Edit55Change() {}
void TForm1::RadioGroup20Click() {}
void TForm1::Button216Click() {}
