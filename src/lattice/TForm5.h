#pragma once
// Window "Show T6": the pair counters of the T=6 scan.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm5.h"

class TForm5 : public Form, public Ui::TForm5Layout {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};

extern TForm5* Form5;
