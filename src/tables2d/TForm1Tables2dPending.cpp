// Handlers of the two-dimensional tables that the growth run's chain and the
// table file already call but whose work is not built yet: the harvests of
// six to nine points and the closure check. Each is an empty member until its
// feature lands; until then a run of those masks is stepped and derived and
// harvests nothing.
#include "app/TForm1.h"

void TForm1::Button219Click() {}
void TForm1::Button223Click() {}
void TForm1::Button224Click() {}
