#pragma once
// Window "Correct- incorrect mask": heat map of the 70 x 70 statistic map
// cellStatMap (lattice/HeatMap.h) with a cross-hair and two profile charts.
// Its buttons and charts are hidden; their handlers are called directly.
// One object, created at start-up and alive until the program ends.
#include "widgets/Form.h"
#include "ui_TForm10.h"

#include <cstdint>

class TForm10 : public Form, public Ui::TForm10Layout {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    void FormShow() override;
    // A click on the map: green cross-hair, the cell's value, and the
    // profiles of row j (Chart5) and of row i (Chart6), the row numbered by
    // the clicked column.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) override;

    void Button3Click();   // " X 3": sum, extremes, heat map
    void Button5Click();   // "Y 5": the map := vanish - appear (span 1, Y), then " X 3"
    void Button7Click();   // the map := the square's cells, then " X 3"
    void Button6Click();   // "VIEW": sum and extremes into heatMapMax / heatMapMin
    void Button8Click();   // "VIEW bc": "VIEW", then the heat map of those extremes
    void Button9Click();   // "View 2": as "VIEW bc"
    void Button4Click();   // the B points as red or lime cells
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    // "Redraw", "P1=P1-P2", "Kind" and the menu item "Click 12" do nothing.
    void Button1Click();
    void Button2Click();
    void KindClick();
    void Click121Click();

    int chart5Series() const { return chart5Series_; }
    int chart6Series() const { return chart6Series_; }

private:
    void ClearMap();
    // The heat map of cellStatMap between min and max, drawn as one picture;
    // nothing when max does not exceed min.
    void DrawHeatMap(int32_t min, int32_t max);

    int chart5Series_ = -1;
    int chart6Series_ = -1;
};

extern TForm10* Form10;
