#include "widgets/FollowShownGroups.h"

#include <QEvent>

#include <algorithm>

namespace {

class ColumnFollower : public QObject {
public:
    ColumnFollower(std::vector<QWidget*> groups, std::vector<QWidget*> column, int bottom, int gap)
        : QObject(column.front()), groups_(std::move(groups)), column_(std::move(column)), bottom_(bottom), gap_(gap)
    {
        top_ = column_.front()->y();
        for (QWidget* w : column_) offsets_.push_back(w->y() - top_);
        for (QWidget* g : groups_) g->installEventFilter(this);
        Place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) Place();
        return QObject::eventFilter(watched, event);
    }

private:
    void Place()
    {
        int top = top_;
        for (QWidget* g : groups_)
            if (g->isVisibleTo(g->parentWidget())) top = std::max(top, g->geometry().bottom() + 1 + gap_);
        for (size_t i = 0; i < column_.size(); ++i) {
            QWidget* w = column_[i];
            const int y = top + offsets_[i];
            const int height = i + 1 == column_.size() ? std::max(0, bottom_ - y) : w->height();
            w->setGeometry(w->x(), y, w->width(), height);
        }
    }

    std::vector<QWidget*> groups_;
    std::vector<QWidget*> column_;
    std::vector<int> offsets_;
    int top_ = 0;
    int bottom_ = 0;
    int gap_ = 0;
};

} // namespace

void FollowShownGroups(std::vector<QWidget*> groups, std::vector<QWidget*> column, int bottom, int gap)
{
    if (column.empty()) return;
    new ColumnFollower(std::move(groups), std::move(column), bottom, gap);
}
