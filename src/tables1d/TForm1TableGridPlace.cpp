// The table grid of tab "CH I" shares its place with the fixed-mask groups
// that "Visible first Masks" and "Vis. One step" show above it: while any of
// them is shown the grid starts below the lowest, so no group hides the table.
#include "app/TForm1.h"

#include <QEvent>

#include <algorithm>

namespace {

constexpr int kGridTop = 220;      // the grid's top with no group shown
constexpr int kGridBottom = 500;   // the grid's bottom edge, above "Any 1 dim"
constexpr int kGap = 4;

// Re-places the grid whenever one of the groups is shown or hidden, whoever
// switches it.
class GridFollowsMaskGroups : public QObject {
public:
    explicit GridFollowsMaskGroups(TForm1& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            form_.PlaceTableGrid();
        return QObject::eventFilter(watched, event);
    }

private:
    TForm1& form_;
};

} // namespace

void TForm1::KeepTableGridBelowMaskGroups()
{
    auto* follower = new GridFollowsMaskGroups(*this);
    for (QWidget* group : {GroupBox35, GroupBox36, GroupBox46, GroupBox48, GroupBox55, gbMask8, gbMask9})
        group->installEventFilter(follower);
    PlaceTableGrid();
}

void TForm1::PlaceTableGrid()
{
    int top = kGridTop;
    for (QWidget* group : {GroupBox35, GroupBox36, GroupBox46, GroupBox48, GroupBox55, gbMask8, gbMask9})
        if (group->isVisibleTo(TabSheetCH1)) top = std::max(top, group->geometry().bottom() + 1 + kGap);
    StringGrid11->setGeometry(StringGrid11->x(), top, StringGrid11->width(), kGridBottom - top);
}
