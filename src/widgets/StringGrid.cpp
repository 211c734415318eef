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
    // The model's rows (or columns) go from `from` to `to`: the ones past the smaller
    // count are inserted or removed at the end while change() runs.
    void resize(Qt::Orientation o, int from, int to, const std::function<void()>& change)
    {
        if (to > from) {
            o == Qt::Vertical ? beginInsertRows({}, from, to - 1) : beginInsertColumns({}, from, to - 1);
            change();
            o == Qt::Vertical ? endInsertRows() : endInsertColumns();
        } else if (to < from) {
            o == Qt::Vertical ? beginRemoveRows({}, to, from - 1) : beginRemoveColumns({}, to, from - 1);
            change();
            o == Qt::Vertical ? endRemoveRows() : endRemoveColumns();
        } else {
            change();
        }
    }
    // Every cell may have changed. Of the row header only the rows in view are named:
    // the header walks every row it is told of, and it paints from the grid's texts.
    void allChanged(int firstRowInView, int lastRowInView)
    {
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
        if (columnCount() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        firstRowInView = std::max(firstRowInView, 0);
        lastRowInView = std::min(lastRowInView, rowCount() - 1);
        if (firstRowInView <= lastRowInView)
            emit headerDataChanged(Qt::Vertical, firstRowInView, lastRowInView);
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
    // Tab and Shift+Tab go on to the next and previous control, as in every other
    // control of a form, rather than from cell to cell: leaving a table of thousands
    // of rows would otherwise take as many presses. The arrow keys move the current cell.
    setTabKeyNavigation(false);
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
    fixedCols = std::max(0, fixedCols);
    fixedRows = std::max(0, fixedRows);
    const int keepCol = selectedCol(), keepRow = selectedRow();
    // While the fixed rows and columns, and so the view's headers, stay as they are, the
    // view hears of rows and columns added or taken away at the end; anything else starts
    // the view afresh.
    const bool headersStay = fixedCols == fixedCols_ && fixedRows == fixedRows_ &&
                             (fixedRows > 0 && rows > 0) == (headerRows() > 0) &&
                             (fixedCols > 0 && cols > 0) == (headerCols() > 0) &&
                             cells_.size() == std::size_t(rows_);
    if (headersStay) {
        model_->resize(Qt::Vertical, rows_ - headerRows(), rows - headerRows(), [&] { relayCells(cols_, rows); });
        model_->resize(Qt::Horizontal, cols_ - headerCols(), cols - headerCols(), [&] { relayCells(cols, rows); });
    } else {
        model_->reset([&] {
            relayCells(cols, rows);
            fixedCols_ = fixedCols;
            fixedRows_ = fixedRows;
        });
    }
    applySizes();
    if (keepCol >= fixedCols_ && keepRow >= fixedRows_ && keepCol < cols_ && keepRow < rows_)
        select(keepCol, keepRow);
    else
        selectionModel()->clear();
}

// The store takes its new size; the texts of the cells that remain stay where they are.
void StringGrid::relayCells(int cols, int rows)
{
    if (cols != cols_)
        for (std::vector<QString>& line : cells_)
            if (!line.empty())
                line.resize(std::size_t(cols));
    cells_.resize(std::size_t(rows));
    cols_ = cols;
    rows_ = rows;
    colWidths_.resize(std::size_t(cols_), defaultColWidth_);
    for (TextBlock& b : textBlocks_) b.cells = b.cells.intersected(QRect(0, 0, cols_, rows_));
    std::erase_if(textBlocks_, [](const TextBlock& b) { return b.cells.isEmpty(); });
}

// Only what differs is handed to the headers: setting a section size walks every
// section of a 10000-row header.
void StringGrid::applySizes()
{
    hHeader_->setVisible(headerRows() > 0);
    vHeader_->setVisible(headerCols() > 0);
    if (vHeader_->defaultSectionSize() != defaultRowHeight_)
        vHeader_->setDefaultSectionSize(defaultRowHeight_);
    if (hHeader_->minimumHeight() != defaultRowHeight_ || hHeader_->maximumHeight() != defaultRowHeight_)
        hHeader_->setFixedHeight(defaultRowHeight_);
    if (hHeader_->defaultSectionSize() != defaultColWidth_)
        hHeader_->setDefaultSectionSize(defaultColWidth_);
    if (headerCols() > 0 &&
        (vHeader_->minimumWidth() != colWidths_[0] || vHeader_->maximumWidth() != colWidths_[0]))
        vHeader_->setFixedWidth(colWidths_[0]);
    for (int c = headerCols(); c < cols_; ++c)
        if (hHeader_->sectionSize(c - headerCols()) != colWidths_[std::size_t(c)])
            hHeader_->resizeSection(c - headerCols(), colWidths_[std::size_t(c)]);
}

void StringGrid::setColCount(int n) { reshape(n, rows_, fixedCols_, fixedRows_); }
void StringGrid::setRowCount(int n) { reshape(cols_, n, fixedCols_, fixedRows_); }
void StringGrid::setFixedCols(int n) { reshape(cols_, rows_, n, fixedRows_); }
void StringGrid::setFixedRows(int n) { reshape(cols_, rows_, fixedCols_, n); }

void StringGrid::setDefaultColWidth(int w)
{
    // The run grids set their widths again at every refill: when every column
    // already has it, the headers have nothing to hear.
    if (defaultColWidth_ == std::max(0, w) &&
        std::all_of(colWidths_.begin(), colWidths_.end(), [this](int c) { return c == defaultColWidth_; }))
        return;
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
    if (const TextBlock* b = textBlockAt(col, row))
        return b->text(col, row);
    const std::vector<QString>& line = cells_[std::size_t(row)];
    return line.empty() ? QString() : line[std::size_t(col)];
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return;
    if (const TextBlock* b = textBlockAt(col, row))
        storeTextBlock(std::size_t(b - textBlocks_.data()));
    std::vector<QString>& line = cells_[std::size_t(row)];
    if (line.empty()) {
        if (text.isEmpty())
            return;
        line.resize(std::size_t(cols_));
    }
    QString& slot = line[std::size_t(col)];
    if (slot == text)
        return;
    slot = text;
    scheduleRefresh();
}

// However many cells change in one handler, the view hears of it once, after the handler.
void StringGrid::scheduleRefresh()
{
    // A hidden grid (on a tab not shown, say) paints nothing: its view hears of the
    // changes when it is shown, rather than after every refill.
    if (!isVisible()) {
        refreshWhenShown_ = true;
        return;
    }
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            const int first = vHeader_->logicalIndexAt(0);
            const int last = vHeader_->logicalIndexAt(vHeader_->viewport()->height() - 1);
            model_->allChanged(first < 0 ? 0 : first, last < 0 ? model_->rowCount() - 1 : last);
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
    if (col < 0 || col >= cols_ || colWidths_[std::size_t(col)] == std::max(0, w))
        return;
    colWidths_[std::size_t(col)] = std::max(0, w);
    applySizes();
}

void StringGrid::setCellTexts(int firstCol, int firstRow, int cols, int rows, CellTexts text)
{
    const QRect block = QRect(firstCol, firstRow, std::max(0, cols), std::max(0, rows)).intersected(
        QRect(0, 0, cols_, rows_));
    if (block.isEmpty() || !text)
        return;
    // Blocks the new one covers are replaced; the cells of those it covers in part
    // keep their texts.
    for (std::size_t i = textBlocks_.size(); i-- > 0;) {
        if (block.contains(textBlocks_[i].cells))
            textBlocks_.erase(textBlocks_.begin() + std::ptrdiff_t(i));
        else if (block.intersects(textBlocks_[i].cells))
            storeTextBlock(i);
    }
    textBlocks_.push_back({block, std::move(text)});
    scheduleRefresh();
}

const StringGrid::TextBlock* StringGrid::textBlockAt(int col, int row) const
{
    for (const TextBlock& b : textBlocks_)
        if (b.cells.contains(col, row))
            return &b;
    return nullptr;
}

std::vector<QString>& StringGrid::lineOf(int row)
{
    std::vector<QString>& line = cells_[std::size_t(row)];
    if (line.empty())
        line.resize(std::size_t(cols_));
    return line;
}

void StringGrid::storeTextBlock(std::size_t i)
{
    const TextBlock b = std::move(textBlocks_[i]);
    textBlocks_.erase(textBlocks_.begin() + std::ptrdiff_t(i));
    for (int r = b.cells.top(); r <= b.cells.bottom(); ++r)
        for (int c = b.cells.left(); c <= b.cells.right(); ++c)
            lineOf(r)[std::size_t(c)] = b.text(c, r);
}

void StringGrid::clear()
{
    textBlocks_.clear();
    for (std::vector<QString>& line : cells_)
        line.clear();
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

void StringGrid::showEvent(QShowEvent* e)
{
    QTableView::showEvent(e);
    if (refreshWhenShown_) {
        refreshWhenShown_ = false;
        scheduleRefresh();
    }
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
