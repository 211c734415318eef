// Number edits of the recorded-run views and of the trial experiment: each
// keeps its global copy by the number-entry rule.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"

#include <algorithm>

static_assert(kMaxStopStep == kPrTableRows, "a stop time counts rows of the run tables");

void TForm1::Edit52Change() { stopStepA = std::clamp(EditNumber(Edit52), 0, kMaxStopStep); }
void TForm1::Edit53Change() { stopStepB = std::clamp(EditNumber(Edit53), 0, kMaxStopStep); }
void TForm1::Edit45Change() { trialLengthBase = EditNumber(Edit45); }
void TForm1::Edit46Change() { trialLengthRange = EditNumber(Edit46); }
void TForm1::Edit47Change() { trialBCountRange = EditNumber(Edit47); }
void TForm1::Edit48Change() { timeLimitC = EditNumber(Edit48); }
