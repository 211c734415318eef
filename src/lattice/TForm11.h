#pragma once
// Window "Improove": parameters and records of the IMPROVE search.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm11.h"

class TForm11 : public Form, public Ui::TForm11Layout {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
};

extern TForm11* Form11;
