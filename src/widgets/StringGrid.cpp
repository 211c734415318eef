#include "widgets/StringGrid.h"

#include "widgets/Handlers.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

// The view's window into the flat store: model cell (r, c) is grid cell
// (c + headerCols, r + headerRows); the header rows and columns come from headerData.
class StringGrid::Model : public QAbstractTableModel {
public:
    explicit Model(StringGrid* g) : QAbstractTableModel(g), grid_(g) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, grid_->rows_ - grid_->headerRows());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(0, grid_->cols_ - grid_->headerCols());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return grid_->cell(index.column() + grid_->headerCols(), index.row() + grid_->headerRows());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return o == Qt::Horizontal ? grid_->cell(section + grid_->headerCols(), 0)
                                   : grid_->cell(0, section + grid_->headerRows());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        const bool fixed = index.column() + grid_->headerCols() < grid_->fixedCols_ ||
                           index.row() + grid_->headerRows() < grid_->fixedRows_;
        return fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    void reset(const std::function<void()>& change)
    {
        beginResetModel();
        change();
        endResetModel();
    }
    void allChanged()
    {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }

private:
    StringGrid* grid_;
};

class StringGrid::Delegate : public QStyledItemDelegate {
public:
    explicit Delegate(StringGrid* g) : QStyledItemDelegate(g), grid_(g) {}
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override
    {
        grid_->paintCell(p, opt.rect, index.column() + grid_->headerCols(), index.row() + grid_->headerRows(),
                         opt.state.testFlag(QStyle::State_Selected));
    }

private:
    StringGrid* grid_;
};

// The first fixed row (horizontal) or column (vertical), painted by the same cell painter.
class StringGrid::Header : public QHeaderView {
public:
    Header(Qt::Orientation o, StringGrid* g) : QHeaderView(o, g), grid_(g)
    {
        setSectionsClickable(false);   // a press reports the cell; it selects nothing
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* p, const QRect& rect, int logical) const override
    {
        if (orientation() == Qt::Horizontal)
            grid_->paintCell(p, rect, logical + grid_->headerCols(), 0, false);
        else
            grid_->paintCell(p, rect, 0, logical + grid_->headerRows(), false);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        const int section = logicalIndexAt(e->position().toPoint());
        if (section >= 0)
            grid_->headerPressed(orientation(), section);
    }

private:
    StringGrid* grid_;
};

StringGrid::StringGrid(QWidget* parent)
    : QTableView(parent),
      model_(new Model(this)),
      hHeader_(new Header(Qt::Horizontal, this)),
      vHeader_(new Header(Qt::Vertical, this))
{
    setHorizontalHeader(hHeader_);
    setVerticalHeader(vHeader_);
    setModel(model_);
    setItemDelegate(new Delegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The corner above the row header is cell (0, 0); it is painted like the other fixed cells.
    for (auto* b : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        corner_ = b;
        b->installEventFilter(this);
    }
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) {
        emit cellClicked(i.column() + headerCols(), i.row() + headerRows());
    });
    reshape(cols_, rows_, fixedCols_, fixedRows_);
}

StringGrid::~StringGrid() = default;

void StringGrid::reshape(int cols, int rows, int fixedCols, int fixedRows)
{
    cols = std::max(0, cols);
    rows = std::max(0, rows);
    const int keepCol = selectedCol(), keepRow = selectedRow();
    model_->reset([&] {
        if (cols != cols_ || rows != rows_ || cells_.size() != std::size_t(cols_) * std::size_t(rows_)) {
            std::vector<QString> next(std::size_t(cols) * std::size_t(rows));
            const int cc = std::min(cols, cols_), rr = std::min(rows, rows_);
            if (cells_.size() == std::size_t(cols_) * std::size_t(rows_))
                for (int r = 0; r < rr; ++r)
                    for (int c = 0; c < cc; ++c)
                        next[std::size_t(r) * cols + c] = std::move(cells_[std::size_t(r) * cols_ + c]);
            cells_ = std::move(next);
        }
        cols_ = cols;
        rows_ = rows;
        fixedCols_ = std::max(0, fixedCols);
        fixedRows_ = std::max(0, fixedRows);
        colWidths_.resize(std::size_t(cols_), defaultColWidth_);
    });
    applySizes();
    select(keepCol, keepRow);
}

void StringGrid::applySizes()
{
    hHeader_->setVisible(headerRows() > 0);
    vHeader_->setVisible(headerCols() > 0);
    vHeader_->setDefaultSectionSize(defaultRowHeight_);
    hHeader_->setFixedHeight(defaultRowHeight_);
    hHeader_->setDefaultSectionSize(defaultColWidth_);
    if (headerCols() > 0)
        vHeader_->setFixedWidth(colWidths_[0]);
    for (int c = headerCols(); c < cols_; ++c)
        hHeader_->resizeSection(c - headerCols(), colWidths_[std::size_t(c)]);
}

void StringGrid::setColCount(int n) { reshape(n, rows_, fixedCols_, fixedRows_); }
void StringGrid::setRowCount(int n) { reshape(cols_, n, fixedCols_, fixedRows_); }
void StringGrid::setFixedCols(int n) { reshape(cols_, rows_, n, fixedRows_); }
void StringGrid::setFixedRows(int n) { reshape(cols_, rows_, fixedCols_, n); }

void StringGrid::setDefaultColWidth(int w)
{
    defaultColWidth_ = std::max(0, w);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    applySizes();
}

void StringGrid::setDefaultRowHeight(int h)
{
    defaultRowHeight_ = std::max(1, h);
    applySizes();
}

QString StringGrid::cell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return {};
    return cells_[std::size_t(row) * cols_ + col];
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return;
    QString& slot = cells_[std::size_t(row) * cols_ + col];
    if (slot == text)
        return;
    slot = text;
    scheduleRefresh();
}

// However many cells change in one handler, the view hears of it once, after the handler.
void StringGrid::scheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            model_->allChanged();
            if (corner_)
                corner_->update();
        },
        Qt::QueuedConnection);
}

int StringGrid::colWidth(int col) const
{
    return col >= 0 && col < cols_ ? colWidths_[std::size_t(col)] : 0;
}

void StringGrid::setColWidth(int col, int w)
{
    if (col < 0 || col >= cols_)
        return;
    colWidths_[std::size_t(col)] = std::max(0, w);
    applySizes();
}

void StringGrid::clear()
{
    for (QString& s : cells_)
        s.clear();
    scheduleRefresh();
}

int StringGrid::selectedCol() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + headerCols() : fixedCols_;
}

int StringGrid::selectedRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + headerRows() : fixedRows_;
}

void StringGrid::select(int col, int row)
{
    if (col < fixedCols_ || row < fixedRows_ || col >= cols_ || row >= rows_)
        return;
    const QModelIndex i = model_->index(row - headerRows(), col - headerCols());
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

void StringGrid::headerPressed(Qt::Orientation o, int section)
{
    if (o == Qt::Horizontal)
        emit cellClicked(section + headerCols(), 0);
    else
        emit cellClicked(0, section + headerRows());
}

void StringGrid::paintCell(QPainter* p, const QRect& r, int col, int row, bool selected)
{
    GridCellPainter cp;
    cp.col = col;
    cp.row = row;
    cp.rect = r;
    cp.isFixed = col < fixedCols_ || row < fixedRows_;
    cp.isSelected = selected && !cp.isFixed;
    cp.brushColor = cp.isFixed ? ColorButtonFace : (cp.isSelected ? ColorHighlight : ColorWindow);
    cp.fontColor = cp.isSelected ? ColorWhite : ColorBlack;
    cp.text = cell(col, row);
    cp.painter = p;
    p->save();
    if (onDrawCell)
        RunGuarded([&] { onDrawCell(cp); });
    if (cp.defaultDrawing) {
        p->fillRect(r, ToQColor(cp.brushColor));
        p->setPen(ToQColor(cp.fontColor));
        p->drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cp.text);
        if (cp.isFixed && r.width() > 0 && r.height() > 0) {
            // Header cells carry no grid lines of the view; draw their lower and right edges.
            p->setPen(ToQColor(ColorGray));
            p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p->drawLine(r.right(), r.top(), r.right(), r.bottom());
        }
    }
    p->restore();
}

bool StringGrid::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == corner_ && e->type() == QEvent::Paint) {
        QPainter p(corner_);
        paintCell(&p, corner_->rect(), 0, 0, false);
        return true;
    }
    if (watched == corner_ && e->type() == QEvent::MouseButtonPress) {
        emit cellClicked(0, 0);
        return true;
    }
    return QTableView::eventFilter(watched, e);
}
