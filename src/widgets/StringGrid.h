// A grid of texts over a flat store: Cells[col][row] are plain strings, and the view paints
// only the visible cells. The first fixed row and column are the view's headers and stay
// in place while scrolling; further fixed rows/columns scroll with the cells but paint as fixed.
// Texts are kept across resizes (growing keeps old cells, shrinking drops cells outside).
//
// A timer tick that refills a 10000-row grid cannot afford a string per cell: it hands the
// grid a block of texts computed on demand (setCellTexts), which costs nothing until the
// view asks for the few cells it shows. A change of size tells the view which rows or
// columns came or went, so it keeps its scroll position and selection.
//
// Tab and Shift+Tab leave the grid for the next and previous control; the arrow keys
// move the current cell within it.
#pragma once

#include "widgets/Colors.h"

#include <QRect>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

class QPainter;

// What the draw-cell hook sees and may change before the cell is painted.
struct GridCellPainter {
    int col = 0, row = 0;
    QRect rect;
    bool isFixed = false, isSelected = false;
    TColor brushColor = ColorWindow;
    TColor fontColor = ColorBlack;
    QString text;
    QPainter* painter = nullptr;    // for hooks that draw themselves
    bool defaultDrawing = true;     // false: the hook painted the cell, nothing else is drawn
};

class StringGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int colCount READ colCount WRITE setColCount)
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int fixedCols READ fixedCols WRITE setFixedCols)
    Q_PROPERTY(int fixedRows READ fixedRows WRITE setFixedRows)
    Q_PROPERTY(int defaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int defaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)

public:
    explicit StringGrid(QWidget* parent = nullptr);
    ~StringGrid() override;

    int colCount() const { return cols_; }
    void setColCount(int n);
    int rowCount() const { return rows_; }
    void setRowCount(int n);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int n);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int defaultColWidth() const { return defaultColWidth_; }
    void setDefaultColWidth(int w);   // every column takes it
    int defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultRowHeight(int h);

    QString cell(int col, int row) const;                   // "" outside
    void setCell(int col, int row, const QString& text);    // ignored outside

    // The block of `cols` x `rows` cells from (firstCol, firstRow), clipped to the grid,
    // takes the texts text(col, row): afterwards the grid holds exactly what setCell of
    // each of those texts would have left. text is asked only for cells that are read or
    // painted, at any later time, so it must answer from data of its own (a copy taken
    // when the block is set), never from state that may change meanwhile. A later write
    // into a block, or a new block over part of it, first stores its texts; a new block
    // over all of it replaces it; blocks side by side stay as they are.
    using CellTexts = std::function<QString(int col, int row)>;
    void setCellTexts(int firstCol, int firstRow, int cols, int rows, CellTexts text);
    int colWidth(int col) const;                            // 0 outside
    void setColWidth(int col, int w);
    void clear();   // every text empty, sizes kept

    std::function<void(GridCellPainter&)> onDrawCell;

    int selectedCol() const;
    int selectedRow() const;
    void select(int col, int row);   // silent; fixed or outside cells are not selectable

    // Used by the grid's delegate and headers.
    void paintCell(QPainter* p, const QRect& r, int col, int row, bool selected);
    void headerPressed(Qt::Orientation o, int section);

signals:
    void cellClicked(int col, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    class Model;
    class Delegate;
    class Header;

    int headerRows() const { return fixedRows_ > 0 && rows_ > 0 ? 1 : 0; }
    int headerCols() const { return fixedCols_ > 0 && cols_ > 0 ? 1 : 0; }
    void reshape(int cols, int rows, int fixedCols, int fixedRows);
    void relayCells(int cols, int rows);
    void applySizes();
    void scheduleRefresh();
    struct TextBlock {
        QRect cells;   // within the grid
        CellTexts text;
    };
    const TextBlock* textBlockAt(int col, int row) const;
    void storeTextBlock(std::size_t i);

    int cols_ = 5, rows_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    // The texts written cell by cell, one line per row: a line holds cols_ texts, or none
    // while no text of its row has been written (the rows of a grid refilled by blocks of
    // texts, hundreds of them coming and going from one refill to the next, cost nothing).
    std::vector<std::vector<QString>> cells_ = std::vector<std::vector<QString>>(5);
    std::vector<QString>& lineOf(int row);   // the line of a row, its cols_ texts made when missing
    std::vector<int> colWidths_ = std::vector<int>(5, 64);
    std::vector<TextBlock> textBlocks_;   // side by side, none overlapping another
    bool refreshPending_ = false;
    bool refreshWhenShown_ = false;   // changed while hidden: the view hears of it when shown
    Model* model_;
    Header* hHeader_;
    Header* vHeader_;
    QWidget* corner_ = nullptr;
};
