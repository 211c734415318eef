// The predictor choice "Predictoms" and the switches beside it. Choosing a
// predictor turns the ordinary view off, so the painter draws the strings'
// cells and records their traces for the predictor to read.
#include "app/TForm1.h"

#include <initializer_list>

namespace {

void EnableMarkerBoxes(TForm1& form)
{
    const bool ordinary = form.CheckBox33->isChecked();
    for (QCheckBox* box : {form.CheckBox1, form.CheckBox2, form.CheckBox29, form.CheckBox30, form.CheckBox31,
                           form.CheckBox32})
        box->setEnabled(!ordinary);
    form.CheckBox34->setEnabled(ordinary);
    form.CheckBox35->setEnabled(ordinary);
}

} // namespace

void TForm1::RadioGroup12Click()
{
    switch (RadioGroup12->itemIndex()) {
    case 0:
        CheckBox37->setChecked(false);
        CheckBox36->setChecked(false);
        break;
    case 1:
    case 2:
        CheckBox33->setChecked(false);
        EnableMarkerBoxes(*this);
        CheckBox37->setChecked(false);
        CheckBox36->setChecked(true);
        break;
    default:
        break;
    }
}

// "Ri or Dr" has no effect of its own.
void TForm1::CheckBox44Click() {}
