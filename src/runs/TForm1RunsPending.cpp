// Handlers of the recorded-run views that start-up already runs but whose work
// is not built yet: each is an empty member until its feature lands.
#include "app/TForm1.h"

void TForm1::RadioGroup16Click() {}
void TForm1::CheckBox47Click() {}
void TForm1::CheckBox50Click() {}
void TForm1::CheckBox51Click() {}
void TForm1::CheckBox53Click() {}
void TForm1::CheckBox61Click() {}
void TForm1::RadioGroup19Click() {}
void TForm1::Button93Click() {}
void TForm1::CheckBox44Click() {}
void TForm1::RadioGroup12Click() {}
