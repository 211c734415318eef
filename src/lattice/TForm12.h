#pragma once
// Video settings window (caption "Y"): the frame size of the recorder ("Size"),
// the time bar's rectangle and total, the colour modulus of the change
// statistics and a few plain settings. Every edit stores its global on each
// change; showing the window writes the globals back into the edits.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm12.h"

class TForm12 : public Form, public Ui::TForm12Layout {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // "SQ or CI" to "Cir"; the edits of the name, the multipliers, the bar
    // and the modulus show their globals (X, Y and the spare value keep
    // their texts).
    void FormShow() override;

    // "Size": frameWidth x frameHeight := the size the chosen item names.
    void RadioGroup1Click();

    void Edit1Change();    // videoName
    void Edit2Change();    // mouseMultiplierLeft
    void Edit3Change();    // mouseMultiplierRight
    void Edit4Change();    // videoPointX
    void Edit5Change();    // videoPointY
    void Edit6Change();    // timeBarLeft
    void Edit7Change();    // timeBarRight
    void Edit8Change();    // timeBarTop
    void Edit9Change();    // timeBarBottom
    void Edit10Change();   // timeBarTotalSteps
    void Edit11Change();   // statColourModulus
    void Edit12Change();   // videoSpareValue
};

extern TForm12* Form12;
