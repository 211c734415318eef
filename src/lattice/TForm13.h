#pragma once
// Mask chooser window "Is MASK RCA": one check box per ring of the 9 x 9
// neighbourhood (CheckBox1 .. CheckBox14, ring k = CheckBoxk), each with a
// black panel over the ring's cell in the upper left eighth of the picture.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm13.h"

class TForm13 : public Form, public Ui::TForm13Layout {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);

    // The ring check boxes: each shows the black panels of the ticked rings
    // over the neighbourhood picture and hides the others.
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox8Click();
    void CheckBox9Click();
    void CheckBox10Click();
    void CheckBox11Click();
    void CheckBox12Click();
    void CheckBox13Click();
    void CheckBox14Click();

private:
    void ShowRingPanels();
};

extern TForm13* Form13;
