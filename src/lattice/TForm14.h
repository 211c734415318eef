#pragma once
// Series charts window (caption "Help"): the colour switches of its charts.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm14.h"

class TForm14 : public Form, public Ui::TForm14Layout {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);
};

extern TForm14* Form14;
