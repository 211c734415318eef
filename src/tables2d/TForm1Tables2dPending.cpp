// Handlers of the two-dimensional tables that the growth run's chain and the
// table file already call but whose work is not built yet: the older
// six-point check, the six-point harvest and the closure check. Each is an
// empty member until its feature lands; until then a run of the six-point mask
// is stepped and derived and harvests nothing.
#include "app/TForm1.h"

void TForm1::Button175Click() {}
void TForm1::Button176Click() {}
void TForm1::Button221Click() {}
