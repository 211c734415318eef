#pragma once
// Window "Show RCA": the 1125 entries of the lattice rule table's rule half
// as a grid of 14-pixel cells (aqua where the entry's fixed mark is set, an
// olive ring where the entry is set), the two weight curves of the random
// rule beside the grid, which the mouse drags, the charts of the entry
// counts, and the seed settings of the random rule ("Begin", "X begin=",
// "Y begin=").
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm6.h"

class TForm6 : public Form, public Ui::TForm6Layout {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void FormShow() override;
    // The paint event after each showing draws everything.
    void FormPaint() override;
    // On the grid the left button inverts the entry, the right one shows its
    // count and indices; everywhere it starts a drag of the weight curves.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

    void Button1Click();    // draw everything
    void Button2Click();    // "Clear 2"
    void Button3Click();    // "Show RCA": every rule entry set
    void Button4Click();    // "Random": random weights
    void Button5Click();    // "Make RCA": a table from weighted pairs
    void Button6Click();    // the table from the pairs
    void Button7Click();    // "Make clear (T=2)"
    void Button8Click();    // "Make Invert (T=3)"
    void Button9Click();    // "mask=0"
    void Button10Click();   // "Manual": fixed marks from the counts
    void Button11Click();   // "<="
    void Button12Click();   // "=>"
    void Button13Click();   // "Nac = 0"
    void Button14Click();   // "RANDOM": each entry set with even odds
    void Button15Click();   // "Read" the weights file
    void Button16Click();   // "Write" the weights file
    void Edit1Change();     // countInterval
    void Edit2Change();     // countIntervalPercent
    void Edit3Change();     // "X begin=": seedColumn
    void Edit4Change();     // "Y begin=": seedRow
    void CheckBox1Click();
    void UpDown2Click();    // "X!="
    void UpDown3Click();    // "X2="
    void UpDown4Click();    // "Y2="
    void UpDown5Click();    // "Y!="

private:
    void ClearAndDraw();
    void DrawGrid();
    void DrawCharts();

    int chart1Green_ = 0, chart1Red_ = 0, chart2Green_ = 0, chart2Red_ = 0;
    bool drawOnPaint_ = false;   // set by each showing
};

extern TForm6* Form6;
