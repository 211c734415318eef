#pragma once
// Help note naming the help files beside the program.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm4.h"

class TForm4 : public Form, public Ui::TForm4Layout {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};

extern TForm4* Form4;
