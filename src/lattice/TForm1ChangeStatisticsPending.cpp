// The statistics reset "T" that "X ma" runs belongs to the change statistics;
// it is an empty member until that feature lands.
#include "app/TForm1.h"

void TForm1::Button69Click() {}
