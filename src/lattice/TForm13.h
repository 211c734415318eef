#pragma once
// Mask chooser window "Is MASK RCA": one check box per ring of the 9 x 9
// neighbourhood (CheckBox1 .. CheckBox14, ring k = CheckBoxk).
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm13.h"

class TForm13 : public Form, public Ui::TForm13Layout {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // Ring check boxes that the main window's start-up unticks.
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox12Click();
    void CheckBox13Click();
    void CheckBox14Click();
};

extern TForm13* Form13;
