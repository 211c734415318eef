#pragma once
// Window "Show SQUARE RCA" of the square experiments: restarts the square from
// a record of the point file "8r50/8r.dat" (eight B points), and holds
// settings the rest of the workbench reads: "k =" (k = item + 1), the step
// limit of an automatic run and the run count of the Qhist batch. Hidden
// commands write random point lists and count the Qhist records.
// The main window shows it modally (showModal) for the kind "Square".
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm15.h"

class TForm15 : public Form, public Ui::TForm15Layout {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);

    void FormShow() override;
    void Button3Click();   // "Read points from fail": restart from record pointRecordIndex
    void Button1Click();   // "Write 8 rand 50"
    void Button2Click();   // "Write 8 rand 100"
    void Button4Click();   // "Qhist": histogram of T
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();

private:
    void WriteRandomPointLines(int lines);
    void DrawPicture();
};

extern TForm15* Form15;
