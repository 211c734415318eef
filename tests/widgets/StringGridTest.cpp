// The flat text grid: cells across resizes, big refills, and painting only what is visible.
#include "widgets/StringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

TEST(StringGridCells, OutsideIsEmptyAndWritesThereAreIgnored)
{
    StringGrid g;
    g.setColCount(3);
    g.setRowCount(2);
    g.setCell(2, 1, "x");
    g.setCell(3, 1, "lost");
    g.setCell(-1, 0, "lost");
    g.setCell(0, 2, "lost");
    EXPECT_EQ(g.cell(2, 1), "x");
    EXPECT_EQ(g.cell(3, 1), "");
    EXPECT_EQ(g.cell(-1, 0), "");
    EXPECT_EQ(g.cell(0, 2), "");
}

TEST(StringGridCells, TextsAreKeptAcrossResizes)
{
    StringGrid g;
    g.setColCount(4);
    g.setRowCount(4);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            g.setCell(c, r, QString("%1/%2").arg(c).arg(r));
    g.setColCount(6);
    g.setRowCount(10);
    EXPECT_EQ(g.cell(3, 3), "3/3");
    EXPECT_EQ(g.cell(0, 2), "0/2");
    EXPECT_EQ(g.cell(5, 9), "");
    g.setColCount(2);
    g.setRowCount(3);
    EXPECT_EQ(g.cell(1, 2), "1/2");
    EXPECT_EQ(g.cell(3, 3), "");
    g.setColCount(4);   // shrinking dropped them for good
    g.setRowCount(4);
    EXPECT_EQ(g.cell(3, 3), "");
    EXPECT_EQ(g.cell(1, 1), "1/1");
    g.clear();
    EXPECT_EQ(g.cell(1, 1), "");
    EXPECT_EQ(g.colCount(), 4);
}

TEST(StringGridCells, ColumnWidthsAndDefaults)
{
    StringGrid g;
    g.setColCount(3);
    g.setDefaultColWidth(40);
    EXPECT_EQ(g.colWidth(0), 40);
    EXPECT_EQ(g.colWidth(2), 40);
    g.setColWidth(2, 90);
    g.setColWidth(0, 25);
    EXPECT_EQ(g.colWidth(2), 90);
    EXPECT_EQ(g.horizontalHeader()->sectionSize(1), 90);   // grid column 2 behind the fixed one
    EXPECT_EQ(g.verticalHeader()->width(), 25);            // the fixed column is the row header
    g.setColCount(5);
    EXPECT_EQ(g.colWidth(4), 40);
    EXPECT_EQ(g.colWidth(2), 90);
    EXPECT_EQ(g.colWidth(7), 0);
}

TEST(StringGridCells, SelectionIsInGridCoordinatesAndSkipsFixedCells)
{
    StringGrid g;
    g.setColCount(5);
    g.setRowCount(5);
    EXPECT_EQ(g.selectedCol(), 1);
    EXPECT_EQ(g.selectedRow(), 1);
    g.select(3, 4);
    EXPECT_EQ(g.selectedCol(), 3);
    EXPECT_EQ(g.selectedRow(), 4);
    g.select(0, 2);   // fixed: not selectable
    EXPECT_EQ(g.selectedCol(), 3);
    std::vector<std::pair<int, int>> clicks;
    QObject::connect(&g, &StringGrid::cellClicked, [&](int c, int r) { clicks.push_back({c, r}); });
    emit g.clicked(g.model()->index(1, 2));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], std::make_pair(3, 2));
}

namespace {
void fill(StringGrid& g, int tick)
{
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.colCount(); ++c)
            g.setCell(c, r, QString::number(r * 100 + c + tick));
}
}  // namespace

TEST(StringGridPaint, BigGridRefillPaintsOnlyVisibleCells)
{
    StringGrid g;
    g.setColCount(12);
    g.setRowCount(10001);
    g.resize(400, 300);
    g.show();
    QApplication::processEvents();

    std::set<std::pair<int, int>> drawn;
    int calls = 0;
    g.onDrawCell = [&](GridCellPainter& p) {
        ++calls;
        drawn.insert({p.col, p.row});
        if (p.row == 0 || p.col == 0) {
            EXPECT_TRUE(p.isFixed);
        }
        EXPECT_EQ(p.text, g.cell(p.col, p.row));
    };
    for (int tick = 0; tick < 3; ++tick) {
        fill(g, tick);
        QApplication::processEvents();
    }
    EXPECT_EQ(g.cell(11, 10000), QString::number(1000000 + 11 + 2));

    calls = 0;
    drawn.clear();
    QImage shot(g.size(), QImage::Format_RGB32);
    g.render(&shot);
    EXPECT_GT(calls, 0);
    EXPECT_LT(calls, 400);   // a 400x300 view shows some dozens of cells, not 120000
    EXPECT_TRUE(drawn.count({0, 0}));   // the corner
    EXPECT_TRUE(drawn.count({1, 0}));   // fixed row
    EXPECT_TRUE(drawn.count({0, 1}));   // fixed column
    EXPECT_TRUE(drawn.count({1, 1}));
    EXPECT_FALSE(drawn.count({1, 5000}));

    // Scrolled to the end, the fixed row still shows.
    g.scrollToBottom();
    QApplication::processEvents();
    drawn.clear();
    g.render(&shot);
    EXPECT_TRUE(drawn.count({1, 0}));
    EXPECT_TRUE(drawn.count({1, 10000}));
}

TEST(StringGridPaint, HookChoosesColoursAndText)
{
    StringGrid g;
    g.setColCount(3);
    g.setRowCount(3);
    g.setDefaultColWidth(60);
    g.resize(300, 150);
    g.setCell(2, 2, "hot");
    g.onDrawCell = [](GridCellPainter& p) {
        if (p.col == 2 && p.row == 2) {
            p.brushColor = ColorRed;
            p.text.clear();
        }
    };
    g.show();
    QApplication::processEvents();
    QImage shot(g.size(), QImage::Format_RGB32);
    g.render(&shot);
    const QRect r = g.visualRect(g.model()->index(1, 1)).translated(g.viewport()->pos());
    ASSERT_TRUE(r.isValid());
    const QPoint mid = r.center();
    EXPECT_EQ(QColor(shot.pixel(mid)), QColor(255, 0, 0));
}
