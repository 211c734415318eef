#pragma once
// Spare window "Form8": created at start-up, never shown.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm8.h"

class TForm8 : public Form, public Ui::TForm8Layout {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};

extern TForm8* Form8;
