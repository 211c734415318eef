#pragma once
// Spare window "Form17": created at start-up, never shown.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm17.h"

class TForm17 : public Form, public Ui::TForm17Layout {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);
};

extern TForm17* Form17;
