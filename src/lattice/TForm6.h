#pragma once
// Window "Show RCA": the lattice rule table and the seed settings of
// the random rule ("Begin").
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm6.h"

class TForm6 : public Form, public Ui::TForm6Layout {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;
