#pragma once
// Window "Improove": parameters and records of the IMPROVE search. Showing it
// fills the edits and labels from the search's globals; "N0=" sets the index
// from which "DO" starts.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm11.h"

class TForm11 : public Form, public Ui::TForm11Layout {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    void FormShow() override;
    void Edit1Change();   // improveTimeCrit
    void Edit2Change();   // improveTimeAll
    void Edit3Change();   // improveStartIndex
};

extern TForm11* Form11;
