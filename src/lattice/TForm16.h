#pragma once
// Spare window "Form16": created at start-up, never shown.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm16.h"

class TForm16 : public Form, public Ui::TForm16Layout {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);
};

extern TForm16* Form16;
