#pragma once
// About box: the workbench's name, version date, web and contact addresses.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm2.h"

class TForm2 : public Form, public Ui::TForm2Layout {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
