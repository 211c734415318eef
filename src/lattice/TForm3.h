#pragma once
// Window "Show initial": shows and edits the start state of the square (the
// numbers of C and B points, the first points of both lists, the number of
// columns); "DO" restarts the square from eight B points.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm3.h"

class TForm3 : public Form, public Ui::TForm3Layout {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The counts become the requested ones; then every edit shows its value
    // (the change handlers store the same values back).
    void FormShow() override;

    void Edit1Change();    // requestedCPointCount and cPointCount
    void Edit2Change();    // requestedBPointCount and bPointCount
    void Edit3Change();    // cPointX[0]
    void Edit4Change();    // cPointY[0]
    void Edit5Change();    // cPointX[1]
    void Edit6Change();    // cPointY[1]
    void Edit7Change();    // bPointX[0]
    void Edit8Change();    // bPointY[0]
    void Edit9Change();    // bPointX[1]
    void Edit10Change();   // bPointY[1]
    void Edit11Change();   // squareColumnCount alone
    void Button1Click();   // "DO"
    // Reached by no control: requestedBPointCount into Edit2 and bPointCount.
    void UpDown1Click();
    void UpDown2Click();
};

extern TForm3* Form3;
