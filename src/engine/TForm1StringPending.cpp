// Handlers of the string engine that start-up already runs but whose work is
// not built yet: each is an empty member until its feature lands.
#include "app/TForm1.h"

void TForm1::Edit7Change() {}
void TForm1::CheckBox29Click() {}
void TForm1::CheckBox32Click() {}
void TForm1::CheckBox33Click() {}
void TForm1::CheckBox34Click() {}
void TForm1::CheckBox35Click() {}
void TForm1::CheckBox41Click() {}
void TForm1::RadioGroup15Click() {}
void TForm1::Button8Click() {}
void TForm1::Button58Click() {}
