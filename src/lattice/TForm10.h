#pragma once
// Window "Correct- incorrect mask": heat map of the change statistics.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm10.h"

class TForm10 : public Form, public Ui::TForm10Layout {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

extern TForm10* Form10;
