#pragma once
// Video settings window (caption "Y"): the frame size of the recorder ("Size")
// and the choices "SQ or CI" and "C or C+B".
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm12.h"

class TForm12 : public Form, public Ui::TForm12Layout {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // "Size": frameWidth x frameHeight := the size the chosen item names.
    void RadioGroup1Click();
};

extern TForm12* Form12;
