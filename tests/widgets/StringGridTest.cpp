// The flat text grid: cells across resizes, big refills, and painting only what is visible.
#include "widgets/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

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

TEST(StringGridPaint, BigGridRefillPaintsOnlyVisibleCells)
{
    StringGrid g;
    g.setColCount(12);
    g.setRowCount(10001);
    g.resize(400, 300);
    g.show();
    QApplication::processEvents();

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
