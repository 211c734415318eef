#include "lattice/LatticePanelValues.h"

int32_t zadTaskNumber = 0;
int32_t edit18Number = 0;
int32_t edit19Number = 0;
int32_t edit23Number = 0;
int32_t edit30Number = 0;
