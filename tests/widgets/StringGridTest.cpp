// The flat text grid: cells across resizes, big refills, and painting only what is visible.
#include "widgets/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <functional>
#include <set>
#include <vector>

TEST(StringGridCells, TextsAreKeptAcrossResizesAndOutsideIsEmpty)
{
    StringGrid g;
    g.setColCount(4);
    g.setRowCount(4);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            g.setCell(c, r, QString("%1/%2").arg(c).arg(r));
    g.setCell(4, 1, "lost");   // outside: ignored
    g.setCell(-1, 0, "lost");
    EXPECT_EQ(g.cell(4, 1), "");
    EXPECT_EQ(g.cell(-1, 0), "");
    g.setColCount(6);
    g.setRowCount(10);
    EXPECT_EQ(g.cell(3, 3), "3/3");
    EXPECT_EQ(g.cell(4, 1), "");
    g.setColCount(2);
    g.setRowCount(3);
    EXPECT_EQ(g.cell(1, 2), "1/2");
    g.setColCount(4);   // shrinking dropped them for good
    g.setRowCount(4);
    EXPECT_EQ(g.cell(3, 3), "");
    EXPECT_EQ(g.cell(1, 1), "1/1");
}

// A grid that shrinks and grows again and again, by rows and by columns, with
// texts written here and there (also under blocks of texts and into rows about to
// go), holds at every step what a table resized by the rule holds: the texts of
// the cells that stayed, every other cell empty.
TEST(StringGridCells, RowsThatGoAndComeBackAreEmpty)
{
    StringGrid g;
    std::vector<std::vector<QString>> want(5, std::vector<QString>(5));   // [row][col]
    const auto resize = [&](int cols, int rows) {
        g.setColCount(cols);
        g.setRowCount(rows);
        want.resize(size_t(rows));
        for (auto& row : want) row.resize(size_t(cols));
    };
    const auto write = [&](int c, int r, const QString& text) {
        g.setCell(c, r, text);
        want[size_t(r)][size_t(c)] = text;
    };
    const auto holds = [&](const char* when) {
        for (int r = 0; r < g.rowCount(); ++r)
            for (int c = 0; c < g.colCount(); ++c)
                ASSERT_EQ(g.cell(c, r), want[size_t(r)][size_t(c)]) << when << " (" << c << ", " << r << ")";
    };
    const int shapes[][2] = {{3, 400}, {3, 4}, {3, 250}, {3, 2}, {5, 300}, {5, 10}, {2, 500}, {2, 0}, {4, 120}};
    int step = 0;
    for (const auto& [cols, rows] : shapes) {
        resize(cols, rows);
        holds("after the resize");
        for (int r = 0; r < rows; r += 1 + rows / 7)
            write(r % cols, r, QString("%1:%2").arg(step).arg(r));
        if (rows > 3) {
            // Texts under a block stay in the store; when rows go, they go with them.
            write(1 % cols, rows - 1, "under");
            g.setCellTexts(0, rows / 2, cols, rows - rows / 2, [](int c, int r) { return QString("b%1/%2").arg(c).arg(r); });
            for (int r = rows / 2; r < rows; ++r)
                for (int c = 0; c < cols; ++c) want[size_t(r)][size_t(c)] = QString("b%1/%2").arg(c).arg(r);
        }
        holds("after the writes");
        ++step;
    }
    g.clear();
    for (auto& row : want) std::fill(row.begin(), row.end(), QString());
    resize(4, 600);
    holds("after a clear and a resize");
}

namespace {

// A grid of the given shape, shown at the given size.
void ShowGrid(StringGrid& g, int cols, int rows, int width, int height)
{
    g.setColCount(cols);
    g.setRowCount(rows);
    g.resize(width, height);
    g.show();
    QApplication::processEvents();
}

} // namespace

TEST(StringGridPaint, BigGridRefillPaintsOnlyVisibleCells)
{
    StringGrid g;
    ShowGrid(g, 12, 10001, 400, 300);

    std::set<std::pair<int, int>> drawn;
    g.onDrawCell = [&](GridCellPainter& p) {
        drawn.insert({p.col, p.row});
        EXPECT_EQ(p.isFixed, p.row == 0 || p.col == 0);
        EXPECT_EQ(p.text, g.cell(p.col, p.row));
    };
    for (int tick = 0; tick < 3; ++tick) {
        for (int r = 0; r < g.rowCount(); ++r)
            for (int c = 0; c < g.colCount(); ++c)
                g.setCell(c, r, QString::number(r * 100 + c + tick));
        QApplication::processEvents();
    }
    EXPECT_EQ(g.cell(11, 10000), QString::number(1000000 + 11 + 2));

    drawn.clear();
    QImage shot(g.size(), QImage::Format_RGB32);
    g.render(&shot);
    EXPECT_LT(drawn.size(), 400u);   // a 400x300 view shows some dozens of cells, not 120000
    for (auto cell : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}})
        EXPECT_TRUE(drawn.count(cell));
    EXPECT_FALSE(drawn.count({1, 5000}));

    // Scrolled to the end, the fixed row still shows.
    g.scrollToBottom();
    QApplication::processEvents();
    drawn.clear();
    g.render(&shot);
    EXPECT_TRUE(drawn.count({1, 0}));
    EXPECT_TRUE(drawn.count({1, 10000}));
}

namespace {

// Every cell of two grids, row by row, for a comparison with a readable failure.
std::vector<QString> AllCells(const StringGrid& g)
{
    std::vector<QString> out;
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            out.push_back(g.cell(c, r));
    return out;
}

// What a block of texts stands for: setCell of every text, one by one.
void SetEachCell(StringGrid& g, int firstCol, int firstRow, int cols, int rows, const StringGrid::CellTexts& text)
{
    for (int r = firstRow; r < firstRow + rows; ++r)
        for (int c = firstCol; c < firstCol + cols; ++c)
            if (c >= 0 && r >= 0 && c < g.colCount() && r < g.rowCount())
                g.setCell(c, r, text(c, r));
}

} // namespace

// Whatever follows a block of computed texts (writes into it, resizes, a second block over
// part of it or all of it, a clear), the grid holds what cell-by-cell writes would have left.
TEST(StringGridTextBlocks, HoldWhatCellByCellWritesWouldHaveLeft)
{
    const auto texts = [](int tag) {
        return [tag](int c, int r) { return QString("%1:%2/%3").arg(tag).arg(c).arg(r); };
    };
    using Step = std::function<void(StringGrid&, bool blocks)>;
    const auto block = [](int c0, int r0, int cols, int rows, StringGrid::CellTexts t) -> Step {
        return [=](StringGrid& g, bool blocks) {
            if (blocks)
                g.setCellTexts(c0, r0, cols, rows, t);
            else
                SetEachCell(g, c0, r0, cols, rows, t);
        };
    };
    const std::vector<std::pair<const char*, Step>> steps = {
        {"first block", block(1, 1, 5, 30, texts(1))},
        {"a write inside it", [](StringGrid& g, bool) { g.setCell(2, 3, "written"); }},
        {"a block over all of the first", block(0, 1, 6, 35, texts(2))},
        {"fewer rows", [](StringGrid& g, bool) { g.setRowCount(20); }},
        {"more rows again", [](StringGrid& g, bool) { g.setRowCount(40); }},
        {"fewer columns", [](StringGrid& g, bool) { g.setColCount(4); }},
        {"a block over part of the last", block(2, 5, 10, 3, texts(3))},
        {"a block reaching past the grid", block(-2, 38, 3, 9, texts(4))},
        {"one more write", [](StringGrid& g, bool) { g.setCell(3, 6, "again"); }},
        {"more columns", [](StringGrid& g, bool) { g.setColCount(7); }},
        {"a block beside the last", block(0, 0, 2, 4, texts(7))},
        {"a write into the one beside", [](StringGrid& g, bool) { g.setCell(1, 2, "beside"); }},
        {"a block beside again", block(0, 30, 1, 10, texts(8))},
        {"a block over part of both", block(0, 6, 7, 26, texts(9))},
        {"a block of the whole grid", block(0, 0, 7, 40, texts(5))},
        {"clear", [](StringGrid& g, bool) { g.clear(); }},
        {"a block after the clear", block(1, 1, 2, 2, texts(6))},
    };
    StringGrid computed, written;
    for (StringGrid* g : {&computed, &written}) {
        g->setColCount(6);
        g->setRowCount(40);
    }
    for (const auto& [what, step] : steps) {
        step(computed, true);
        step(written, false);
        ASSERT_EQ(computed.rowCount(), written.rowCount());
        ASSERT_EQ(AllCells(computed), AllCells(written)) << "after " << what;
    }
}

// A refill of 10000 rows by a block asks for no text until the view paints, and then only
// for the visible cells.
TEST(StringGridTextBlocks, OnlyVisibleCellsAreComputed)
{
    StringGrid g;
    ShowGrid(g, 12, 10001, 400, 300);
    int asked = 0;
    const std::vector<int> data(10000, 7);   // the block's own copy
    g.setCellTexts(0, 1, 12, 10000, [&asked, data](int c, int r) {
        ++asked;
        return QString::number(data[size_t(r - 1)] + c);
    });
    EXPECT_EQ(asked, 0);
    QImage shot(g.size(), QImage::Format_RGB32);
    g.render(&shot);
    EXPECT_GT(asked, 0);
    EXPECT_LT(asked, 1000);
    EXPECT_EQ(g.cell(11, 10000), "18");
}

// A grid refilled while hidden (on a tab not shown) shows, once shown, what a
// grid refilled in view shows: the same texts in the same cells, the same picture.
TEST(StringGridPaint, AGridRefilledWhileHiddenShowsItsTextsWhenShown)
{
    QWidget hiddenPage, shownPage;
    StringGrid hidden(&hiddenPage), shown(&shownPage);
    for (QWidget* page : {&hiddenPage, &shownPage}) page->resize(300, 200);
    for (StringGrid* g : {&hidden, &shown}) {
        g->setGeometry(0, 0, 300, 200);
        g->setColCount(4);
        g->setRowCount(3);
        g->setCell(1, 1, "old");
    }
    hiddenPage.show();
    shownPage.show();
    QApplication::processEvents();
    hiddenPage.hide();
    for (StringGrid* g : {&hidden, &shown}) {
        g->setRowCount(40);
        g->setCell(1, 1, "new");
        g->setCellTexts(2, 1, 2, 39, [](int c, int r) { return QString("%1/%2").arg(c).arg(r); });
    }
    QApplication::processEvents();
    hiddenPage.show();
    QApplication::processEvents();
    EXPECT_EQ(hidden.grab().toImage(), shown.grab().toImage());
}

// Rows added at the end leave the view where the user scrolled it and the selected cell
// where it was; rows taken away from under the selection clear it.
TEST(StringGridResize, AddedRowsKeepTheScrollPositionAndSelection)
{
    StringGrid g;
    ShowGrid(g, 4, 500, 300, 200);
    g.select(2, 200);
    g.verticalScrollBar()->setValue(100);
    g.setRowCount(2000);
    QApplication::processEvents();
    EXPECT_EQ(g.verticalScrollBar()->value(), 100);
    EXPECT_EQ(g.selectedCol(), 2);
    EXPECT_EQ(g.selectedRow(), 200);
    g.setRowCount(100);
    EXPECT_FALSE(g.currentIndex().isValid());
}

// Between an edit and a button, a table of 2130 rows is left with one Tab or one
// Shift+Tab from any cell; the arrow keys move the current cell within it.
TEST(StringGridKeys, TabLeavesTheGridAndArrowsMoveWithinIt)
{
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* grid = new StringGrid(&window);
    auto* after = new QPushButton("after", &window);
    before->setGeometry(0, 0, 100, 20);
    grid->setGeometry(0, 30, 300, 200);
    after->setGeometry(0, 240, 100, 20);
    grid->setColCount(4);
    grid->setRowCount(2130);
    window.show();
    QApplication::processEvents();
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : grid, &e);
        QApplication::processEvents();
    };
    const auto focusGridAt = [&](int col, int row) {
        grid->setFocus();
        grid->select(col, row);
        QApplication::processEvents();
        ASSERT_TRUE(grid->hasFocus());
    };

    focusGridAt(1, 1);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    EXPECT_EQ(grid->selectedCol(), 2);
    EXPECT_EQ(grid->selectedRow(), 3);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(grid->selectedCol(), 1);
    EXPECT_EQ(grid->selectedRow(), 2);
    ASSERT_TRUE(grid->hasFocus());

    press(Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(grid->selectedRow(), 2);   // the grid's cell stays where it was

    focusGridAt(2, 1000);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    focusGridAt(3, 2129);
    press(Qt::Key_Backtab, Qt::ShiftModifier);   // what Shift+Tab sends
    EXPECT_TRUE(before->hasFocus());
    press(Qt::Key_Tab);   // and back in from the edit
    EXPECT_TRUE(grid->hasFocus());
}
