#pragma once
// Series charts window (caption "Help"): a text panel in its visible area and,
// below it and hidden, two charts with the buttons and edits of their views,
// the readers of the text log and "DO", which restarts the square from the
// point file and runs it. Its "C0-A2" and colour switches choose what the
// views draw; its edit "Edit10" sets the flips of the pattern loaders.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm14.h"

#include "lattice/SeriesViews.h"

class TForm14 : public Form, public Ui::TForm14Layout {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    // One line series of the charts: Chart1 holds Series1, 2, 3 and 7,
    // Chart2 holds Series4, 5 and 6.
    struct SeriesRef {
        Chart* chart = nullptr;
        int index = -1;
        int pointCount() const { return chart->pointCount(index); }
    };
    SeriesRef Series1, Series2, Series3, Series4, Series5, Series6, Series7;

    void FormShow() override;
    void Button1Click();    // "View"
    void Button7Click();    // "View" after the end step of the run
    void Button8Click();    // "View 2"
    void Button9Click();    // "View3"
    void Button11Click();   // "C0-A2"
    void Button12Click();   // "View -"
    void Button15Click();   // "0-1"
    void Button16Click();   // "1"
    void Button17Click();   // "0"
    void Button10Click();   // "text": chooses the text log
    void Button4Click();    // readers of the text log
    void Button5Click();
    void Button13Click();
    void Button14Click();
    void Button6Click();    // "DO"
    void Button2Click();
    void Button3Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit6Change();
    void Edit7Change();
    void Edit10Change();

private:
    ViewSwitches Switches() const;
    void Show(const SeriesView& view);
    void ReadTextLogReporting();
};

extern TForm14* Form14;
