// A captioned group of radio buttons with one item index (-1 = none). Changing the
// index, by code or by the user, emits itemClicked() once, and only on a change.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QGridLayout;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(int columns READ columns WRITE setColumns)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);   // silent; the index stays if still valid, else -1
    int itemIndex() const { return index_; }
    void setItemIndex(int i);                  // outside -1..count()-1 counts as -1
    int columns() const { return columns_; }
    void setColumns(int n);                    // at least 1; items fill column by column
    QString itemText(int i) const { return i >= 0 && i < items_.size() ? items_[i] : QString(); }
    int count() const { return int(items_.size()); }

signals:
    void itemClicked();

private:
    void rebuild();
    void syncChecks();

    QStringList items_;
    int index_ = -1;
    int columns_ = 1;
    QGridLayout* grid_;
    std::vector<QRadioButton*> buttons_;
};
