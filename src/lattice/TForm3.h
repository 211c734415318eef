#pragma once
// Window "Show initial": the start state of the square.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm3.h"

class TForm3 : public Form, public Ui::TForm3Layout {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};

extern TForm3* Form3;
