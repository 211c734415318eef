#pragma once
// Window "Show T6": the first 37 pair counters of the T=6 scan as a triangle
// of numbers; Label(k + 1) stands at the pair of pair index k.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm5.h"

class TForm5 : public Form, public Ui::TForm5Layout {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // t6Counters[k] into Label(k + 1), k = 0..36.
    void FormShow() override;

    // Reached by no control; they do nothing.
    void RadioGroup1Click();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void TrackBar4Change();
    void TrackBar5Change();
    void Edit1Change();
    void Button3Click();
};

extern TForm5* Form5;
