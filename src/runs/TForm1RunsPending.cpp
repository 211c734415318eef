// Handlers of the recorded-run views that start-up already runs but whose work
// is not built yet: each is an empty member until its feature lands.
#include "app/TForm1.h"

void TForm1::Button93Click() {}
void TForm1::CheckBox44Click() {}
void TForm1::RadioGroup12Click() {}
