#include "widgets/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), grid_(new QGridLayout(this))
{
    grid_->setContentsMargins(6, 2, 6, 2);
    grid_->setSpacing(2);
}

void RadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    if (index_ >= count())
        index_ = -1;
    rebuild();
}

void RadioGroup::setItemIndex(int i)
{
    if (i < -1 || i >= count())
        i = -1;
    if (i == index_) {
        syncChecks();   // a click on the checked item must not leave it unchecked
        return;
    }
    index_ = i;
    syncChecks();
    emit itemClicked();
}

void RadioGroup::setColumns(int n)
{
    n = n < 1 ? 1 : n;
    if (n == columns_)
        return;
    columns_ = n;
    rebuild();
}

void RadioGroup::rebuild()
{
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();
    const int n = count();
    const int rows = (n + columns_ - 1) / columns_;
    for (int i = 0; i < n; ++i) {
        auto* b = new QRadioButton(items_[i], this);
        // The group decides which button is checked, so Qt's own exclusivity is off.
        b->setAutoExclusive(false);
        grid_->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
        connect(b, &QRadioButton::clicked, this, [this, i] { setItemIndex(i); });
        buttons_.push_back(b);
    }
    syncChecks();
}

void RadioGroup::syncChecks()
{
    for (int i = 0; i < int(buttons_.size()); ++i) {
        QSignalBlocker quiet(buttons_[i]);
        buttons_[i]->setChecked(i == index_);
    }
}
