#pragma once
// Window "Show SQUARE RCA" of the square experiments; its "k =" group holds
// the parameter that the step engine reads (k = item + 1).
// The main window shows it modally (showModal) for the kind "Square".
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm15.h"

class TForm15 : public Form, public Ui::TForm15Layout {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);
};

extern TForm15* Form15;
