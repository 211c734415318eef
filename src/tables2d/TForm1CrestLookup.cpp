// Two small tools: the single-key lookup of "Mask crest" (five key cells
// typed into Edit63 .. Edit67, "text 227" shows the first record of the
// value-permuted copy that holds them) and the "Randomize" edit of "T-TD",
// which moves the random generator on by as many numbers as it says.
#include "app/TForm1.h"

#include "app/FormHelpers.h"
#include "base/Random.h"
#include "base/TableRecords.h"
#include "tables2d/CrestKeyLookup.h"

void TForm1::Edit63Change() { crestKey[0] = EditNumber(Edit63); }
void TForm1::Edit64Change() { crestKey[1] = EditNumber(Edit64); }
void TForm1::Edit65Change() { crestKey[2] = EditNumber(Edit65); }
void TForm1::Edit66Change() { crestKey[3] = EditNumber(Edit66); }
void TForm1::Edit67Change() { crestKey[4] = EditNumber(Edit67); }

void TForm1::Button227Click()
{
    Button188Click();
    Label577->setText(QString::number(FindCrestKey(ttRecordCount)));
}

// The numbers drawn are not used: the later random runs start further on in
// the sequence, exactly as after that many draws, however large the number.
void TForm1::Edit62Change()
{
    const int32_t count = EditNumber(Edit62);
    if (count > 0) SkipRandom(uint64_t(count));
}
