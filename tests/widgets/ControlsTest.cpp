// The smaller controls: rich-edit lines, status bar throttling, toolbar free area,
// charts, bitmaps and image boxes.
#include "widgets/Bitmap.h"
#include "widgets/Chart.h"
#include "widgets/ControlBar.h"
#include "widgets/ImageBox.h"
#include "widgets/RichEdit.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QChart>
#include <QXYSeries>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QThread>
#include <gtest/gtest.h>

TEST(RichEditLines, AddClearAndColours)
{
    RichEdit edit;
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_EQ(edit.lineCount(), 0);
    edit.addLine("");   // an empty line is still a line
    EXPECT_EQ(edit.lineCount(), 1);
    edit.addLine("second", ColorRed);
    EXPECT_EQ(edit.lines(), (QStringList{"", "second"}));
    const QTextBlock b = edit.document()->lastBlock();
    EXPECT_EQ(b.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    edit.clearLines();
    EXPECT_EQ(edit.lineCount(), 0);
    edit.setLines({"a", "b", "c"});
    EXPECT_EQ(edit.lineCount(), 3);
    EXPECT_EQ(edit.lines().at(2), "c");
}

TEST(StatusBarText, ForcedRepaintsAreThrottledInLongHandlers)
{
    StatusBar bar;
    bar.show();
    for (int i = 0; i < 2000; ++i)   // a long handler writing progress without returning
        bar.setSimpleText(QString("step %1").arg(i));
    EXPECT_EQ(bar.simpleText(), "step 1999");
    EXPECT_LE(bar.forcedRepaints(), 2);
    QThread::msleep(110);
    bar.setSimpleText("later");
    EXPECT_EQ(bar.forcedRepaints(), 2);
    EXPECT_EQ(bar.edge(), StatusBar::Edge::Bottom);
}

TEST(ControlBarArea, PressOnFreeAreaReportsItButNotOnChildren)
{
    ControlBar bar;
    bar.resize(300, 30);
    auto* button = new QPushButton("x", &bar);
    button->setGeometry(0, 0, 50, 30);
    std::vector<QPoint> free;
    QObject::connect(&bar, &ControlBar::freeAreaClicked, [&](int x, int y) { free.push_back({x, y}); });
    bar.show();
    QApplication::processEvents();
    QMouseEvent onFree(QEvent::MouseButtonPress, QPointF(200, 10), bar.mapToGlobal(QPointF(200, 10)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &onFree);
    QMouseEvent onButton(QEvent::MouseButtonPress, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &onButton);
    ASSERT_EQ(free.size(), 1u);
    EXPECT_EQ(free[0], QPoint(200, 10));
}

TEST(ChartSeries, CountsClearAndBulkAddForEveryKind)
{
    Chart chart;
    const int line = chart.addSeries(SeriesKind::Line, ColorBlue);
    const int points = chart.addSeries(SeriesKind::Point, ColorRed);
    const int bars = chart.addSeries(SeriesKind::Bar, ColorGreen);
    chart.addXY(line, 0, 1);
    chart.addXY(line, 1, 2, "b", ColorRed);
    chart.addXY(points, 3, 4, "p");
    chart.addXY(bars, 1, 5, "", ColorYellow);
    chart.addXY(bars, 2, 6);
    EXPECT_EQ(chart.pointCount(line), 2);
    EXPECT_EQ(chart.pointCount(points), 1);
    EXPECT_EQ(chart.pointCount(bars), 2);
    EXPECT_EQ(chart.pointCount(9), 0);
    EXPECT_EQ(chart.label(line, 1), "b");
    EXPECT_EQ(chart.label(points, 0), "p");
    chart.addXY(9, 0, 0);   // unknown series: nothing

    std::vector<QPointF> many;
    for (int i = 0; i < 100000; ++i)
        many.emplace_back(i, i % 97);
    chart.addXYBulk(points, many);
    EXPECT_EQ(chart.pointCount(points), 100001);
    chart.clearSeries(bars);
    EXPECT_EQ(chart.pointCount(bars), 0);
    chart.addXY(bars, 3, 1, "", ColorYellow);
    EXPECT_EQ(chart.pointCount(bars), 1);
    chart.resize(300, 200);
    chart.show();
    QApplication::processEvents();   // the batch reaches Qt Charts after the "handler"
    auto* pointSeries = qobject_cast<QXYSeries*>(chart.chart()->series().at(points));
    ASSERT_TRUE(pointSeries);
    EXPECT_EQ(pointSeries->count(), 100001);
}

TEST(ChartSeries, PointSeriesDrawsMarkersInTheirColours)
{
    Chart chart;
    const int s = chart.addSeries(SeriesKind::Point, ColorBlue);
    for (int i = 0; i < 10; ++i)
        chart.addXY(s, i, i, "", i == 5 ? ColorRed : Chart::SeriesColor);
    chart.resize(300, 200);
    chart.show();
    QApplication::processEvents();
    QImage shot(chart.size(), QImage::Format_RGB32);
    shot.fill(Qt::white);
    chart.render(&shot);
    int red = 0, blue = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c(shot.pixel(x, y));
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            blue += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    EXPECT_GT(red, 3);
    EXPECT_GT(blue, 3 * red);   // nine blue markers, one red, and no connecting line
}

namespace {
QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// A 3x2 BMP written with our own header, bottom-up, padded rows.
QByteArray smallBmp()
{
    const auto h = BmpHeader24(3, 2);
    QByteArray bytes(reinterpret_cast<const char*>(h.data()), qsizetype(h.size()));
    const char bottom[12] = {0, 0, char(255), 0, 0, char(255), 0, 0, char(255), 0, 0, 0};   // red row
    const char top[12] = {char(255), 0, 0, char(255), 0, 0, char(255), 0, 0, 0, 0, 0};      // blue row
    bytes.append(bottom, 12);
    bytes.append(top, 12);
    return bytes;
}
}  // namespace

TEST(Bitmaps, HeaderDescribesPaddedBottomUpRows)
{
    const auto h = BmpHeader24(3, 2);
    ASSERT_EQ(h.size(), 54u);
    EXPECT_EQ(h[0], 'B');
    EXPECT_EQ(h[1], 'M');
    EXPECT_EQ(h[2], 54 + 24);   // file size: two rows of 9 bytes padded to 12
    EXPECT_EQ(h[28], 24);
    EXPECT_EQ(h[34], 24);
    EXPECT_EQ(BmpHeader24(-5, 2)[18], 0);
}

TEST(Bitmaps, LoadReadsOurOwnFramesAndRejectsShortOrGarbageFiles)
{
    QTemporaryDir dir;
    QImage img;
    ASSERT_TRUE(LoadBitmap(writeFile(dir, "ok.bmp", smallBmp()), img));
    EXPECT_EQ(img.size(), QSize(3, 2));
    EXPECT_EQ(img.format(), QImage::Format_RGB32);
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(img.pixel(2, 1)), QColor(255, 0, 0));

    QImage untouched(1, 1, QImage::Format_RGB32);
    EXPECT_FALSE(LoadBitmap(writeFile(dir, "short.bmp", smallBmp().left(30)), untouched));
    EXPECT_FALSE(LoadBitmap(writeFile(dir, "junk.bmp", QByteArray(500, 'x')), untouched));
    EXPECT_FALSE(LoadBitmap(dir.filePath("missing.bmp"), untouched));
    EXPECT_EQ(untouched.size(), QSize(1, 1));
}

TEST(ImageBoxes, PictureSizesTheCanvasAndMissingPictureLeavesItBlank)
{
    QTemporaryDir dir;
    ImageBox box;
    box.resize(50, 40);
    box.setPicture(dir.filePath("nothing.bmp"));
    EXPECT_EQ(box.canvas().width(), 50);   // blank, drawable at the box's size
    box.canvas().setPixel(49, 39, ColorRed);
    EXPECT_EQ(box.canvas().pixel(49, 39), ColorRed);

    EXPECT_TRUE(box.loadPicture(writeFile(dir, "ok.bmp", smallBmp())));
    EXPECT_EQ(box.canvas().width(), 3);
    EXPECT_EQ(box.canvas().pixel(0, 0), ColorBlue);
    EXPECT_FALSE(box.loadPicture(writeFile(dir, "junk.bmp", QByteArray(80, '\0'))));
    EXPECT_EQ(box.canvas().width(), 3);
}
