// Number edits of the recorded-run views and of the trial experiment: each
// keeps its global copy by the number-entry rule.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "runs/RunViewState.h"

void TForm1::Edit52Change() { stopStepA = EditNumber(Edit52); }
void TForm1::Edit53Change() { stopStepB = EditNumber(Edit53); }
void TForm1::Edit45Change() { trialLengthBase = EditNumber(Edit45); }
void TForm1::Edit46Change() { trialLengthRange = EditNumber(Edit46); }
void TForm1::Edit47Change() { trialBCountRange = EditNumber(Edit47); }
void TForm1::Edit48Change() { timeLimitC = EditNumber(Edit48); }
