// The smaller controls: status bar throttling, toolbar free area, group box clicks, bitmaps
// and image boxes.
#include "widgets/Bitmap.h"
#include "widgets/ControlBar.h"
#include "widgets/Handlers.h"
#include "widgets/ImageBox.h"
#include "widgets/RichEdit.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// A clock the test moves by hand, behind the handlers' running time.
qint64 fakeNowMs = 0;
qint64 FakeNow() { return fakeNowMs; }

// Records the text at every paint the status bar gets.
struct PaintedTexts : QObject {
    StatusBar* bar;
    QStringList texts;
    explicit PaintedTexts(StatusBar* b) : bar(b) { b->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) texts << bar->simpleText();
        return false;
    }
};

} // namespace

// Inside a handler that has run for 0.3 s a new text is painted at once, a few
// times a second at most, and no input reaches a control meanwhile; a short
// handler's texts wait for the ordinary paint after it.
TEST(StatusBarText, ALongHandlerRepaintsItsTextsAtOnceAndTakesNoInput)
{
    SetHandlerClockForTest(FakeNow);
    QWidget window;
    auto* bar = new StatusBar(&window);
    auto* button = new QPushButton("x", &window);
    button->setGeometry(0, 40, 40, 20);
    int clicks = 0;
    OnClick(button, [&] { ++clicks; });
    window.resize(300, 80);
    window.show();
    QApplication::processEvents();
    PaintedTexts painted(bar);

    RunGuarded([&] {
        bar->setSimpleText("short");   // 0 ms into the handler
        fakeNowMs += 299;
        bar->setSimpleText("still short");
        EXPECT_TRUE(painted.texts.isEmpty());
        // A click waiting in the queue while the handler runs on.
        QApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        for (int step = 0; step < 40; ++step) {   // 50 ms apart, from 0.3 s on
            fakeNowMs += 50;
            if (bar->progressDue()) bar->setSimpleText(QString("record %1").arg(step));
        }
        EXPECT_EQ(clicks, 0);
    });
    // Two seconds of texts, painted as they were set, every 250 ms or more.
    EXPECT_GE(painted.texts.size(), 7);
    EXPECT_LE(painted.texts.size(), 9);
    for (const QString& t : painted.texts) EXPECT_TRUE(t.startsWith("record ")) << t.toStdString();
    const int forced = bar->forcedRepaints();
    EXPECT_EQ(forced, painted.texts.size());
    QApplication::processEvents();
    EXPECT_EQ(clicks, 1);   // the click is taken once the handler has returned

    // A new handler starts short again.
    RunGuarded([&] { bar->setSimpleText("next"); });
    EXPECT_EQ(bar->forcedRepaints(), forced);
    SetHandlerClockForTest(nullptr);
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
    const auto press = [](QWidget* target, QPointF at) {
        QMouseEvent e(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    press(&bar, {200, 10});
    press(button, {5, 5});
    EXPECT_EQ(free, std::vector<QPoint>{QPoint(200, 10)});
}

// A label passes the mouse on to the box it sits in; its clicks are still not the box's.
TEST(GroupBoxClicks, OnlyClicksOnTheFreeAreaRunTheHandler)
{
    QGroupBox box("Results");
    box.resize(200, 100);
    auto* label = new QLabel("0", &box);
    label->setGeometry(10, 30, 40, 15);
    auto* button = new QPushButton("x", &box);
    button->setGeometry(60, 30, 40, 25);
    int clicks = 0;
    EXPECT_FALSE(HasClickHandler(&box));
    OnClick(&box, [&] { ++clicks; });
    EXPECT_TRUE(HasClickHandler(&box));
    box.show();
    QApplication::processEvents();
    const auto mouse = [](QWidget* target, QEvent::Type type, QPointF at) {
        QMouseEvent e(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    const auto click = [&](QWidget* target, QPointF at) {
        mouse(target, QEvent::MouseButtonPress, at);
        mouse(target, QEvent::MouseButtonRelease, at);
    };
    click(label, {5, 5});
    click(button, {5, 5});
    EXPECT_EQ(clicks, 0);
    click(&box, {150, 80});
    EXPECT_EQ(clicks, 1);
    mouse(label, QEvent::MouseButtonPress, {5, 5});   // pressed on the label, released beside it
    mouse(&box, QEvent::MouseButtonRelease, {150, 80});
    EXPECT_EQ(clicks, 1);
}

// Lines longer than the box are shown from their first character, the newest at the bottom.
TEST(RichEditLines, ANarrowBoxShowsTheStartsOfItsLines)
{
    RichEdit box;
    box.resize(90, 60);
    box.addLine("(=0) 0 column = -1, filled before the box is first shown");
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.horizontalScrollBar()->value(), 0);
    for (int i = 1; i < 12; ++i)
        box.addLine(QString("(=0) %1 column = -1, a line far wider than the box").arg(i), ColorRed);
    QApplication::processEvents();
    EXPECT_EQ(box.lineCount(), 12);
    EXPECT_EQ(box.lines().back(), "(=0) 11 column = -1, a line far wider than the box");
    EXPECT_GT(box.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(box.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
    box.clearLines();
    EXPECT_EQ(box.lineCount(), 0);
}

// Lines added many at a time hold what the same lines added one by one hold: the
// texts, the colour of each line and the last line in view, also after lines already
// there and across a clear.
TEST(RichEditLines, ManyLinesAtOnceAreTheLinesAddedOneByOne)
{
    RichEdit one, many;
    for (RichEdit* box : {&one, &many}) {
        box->resize(120, 80);
        box->show();
    }
    const QStringList first = {"first", "", "  2 -0 -1    3"};
    QStringList second;
    for (int i = 0; i < 500; ++i) second << QString("row %1").arg(i);
    const auto colourOf = [](const RichEdit& box, int line) {
        return box.document()->findBlockByNumber(line).begin().fragment().charFormat().foreground().color();
    };
    for (const auto& [lines, colour] : {std::pair{first, ColorRed}, std::pair{second, ColorBlue}}) {
        for (const QString& l : lines) one.addLine(l, colour);
        many.addLines(lines, colour);
    }
    QApplication::processEvents();
    EXPECT_EQ(many.lines(), one.lines());
    EXPECT_EQ(many.lineCount(), 503);
    for (const int line : {0, 2, 3, 502}) EXPECT_EQ(colourOf(many, line), colourOf(one, line)) << line;
    EXPECT_EQ(colourOf(many, 3), ToQColor(ColorBlue));
    EXPECT_EQ(many.verticalScrollBar()->value(), many.verticalScrollBar()->maximum());
    EXPECT_GT(many.verticalScrollBar()->maximum(), 0);

    many.clearLines();
    many.addLines({});
    EXPECT_EQ(many.lineCount(), 0);
    many.setLines({"a", "b"});
    EXPECT_EQ(many.lines(), (QStringList{"a", "b"}));
}

// Setting the lines a box already holds leaves it as setting new lines does:
// the texts, all black, the view brought back to the last line and to the
// lines' first characters, however the user had scrolled; after lines added
// in other colours the same texts are set again in black.
TEST(RichEditLines, TheSameLinesSetAgainShowTheLastLineInBlack)
{
    RichEdit box;
    box.resize(120, 80);
    box.show();
    QStringList lines;
    for (int i = 0; i < 40; ++i) lines << QString("  %1 -    x  y  Z  a line wider than the box").arg(i);
    const auto colourOf = [&box](int line) {
        return box.document()->findBlockByNumber(line).begin().fragment().charFormat().foreground().color();
    };
    const auto showsTheLastLine = [&](const QStringList& want) {
        QApplication::processEvents();
        EXPECT_EQ(box.lines(), want);
        for (int line = 0; line < want.size(); ++line) EXPECT_EQ(colourOf(line), ToQColor(ColorBlack)) << line;
        EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
        EXPECT_EQ(box.horizontalScrollBar()->value(), 0);
        EXPECT_EQ(box.textCursor().blockNumber(), want.size() - 1);
        EXPECT_EQ(box.textCursor().positionInBlock(), 0);
    };
    box.setLines(lines);
    showsTheLastLine(lines);
    const QImage first = box.grab().toImage();
    box.verticalScrollBar()->setValue(0);   // the user looks at the first lines, far right
    box.horizontalScrollBar()->setValue(box.horizontalScrollBar()->maximum());
    box.setTextCursor(QTextCursor(box.document()->firstBlock()));
    box.setLines(lines);
    showsTheLastLine(lines);
    EXPECT_EQ(box.grab().toImage(), first);

    box.addLine("red", ColorRed);
    box.setLines(lines);
    showsTheLastLine(lines);

    const QStringList longer = lines + QStringList{"a", "b"};
    box.addLines({"a", "b"}, ColorBlue);   // the texts of `longer`, partly blue
    box.setLines(longer);
    showsTheLastLine(longer);
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

// A 3x2 BMP written with our own header, bottom-up, padded rows: red below, blue on top.
QByteArray smallBmp()
{
    const auto h = BmpHeader24(3, 2);
    QByteArray bytes(reinterpret_cast<const char*>(h.data()), qsizetype(h.size()));
    bytes += QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\0", 12);   // bottom row: red
    bytes += QByteArray("\xff\0\0\xff\0\0\xff\0\0\0\0\0", 12);   // top row: blue
    return bytes;
}
}  // namespace

TEST(Bitmaps, LoadReadsOurOwnFramesAndRejectsShortOrGarbageFiles)
{
    QTemporaryDir dir;
    QImage img;
    ASSERT_TRUE(LoadBitmap(writeFile(dir, "ok.bmp", smallBmp()), img));
    EXPECT_EQ(img.size(), QSize(3, 2));
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(img.pixel(2, 1)), QColor(255, 0, 0));

    QImage untouched(1, 1, QImage::Format_RGB32);
    EXPECT_FALSE(LoadBitmap(writeFile(dir, "short.bmp", smallBmp().left(30)), untouched));
    EXPECT_FALSE(LoadBitmap(writeFile(dir, "junk.bmp", QByteArray(500, 'x')), untouched));
    EXPECT_FALSE(LoadBitmap(dir.filePath("missing.bmp"), untouched));
    EXPECT_EQ(untouched.size(), QSize(1, 1));
}

TEST(ImageBoxes, MissingPictureLeavesABlankCanvasAndBadOneKeepsTheOld)
{
    QTemporaryDir dir;
    ImageBox box;
    box.resize(50, 40);
    box.setPicture(dir.filePath("nothing.bmp"));
    EXPECT_EQ(box.canvas().width(), 50);   // blank, drawable at the box's size
    EXPECT_TRUE(box.loadPicture(writeFile(dir, "ok.bmp", smallBmp())));
    EXPECT_EQ(box.canvas().pixel(0, 0), ColorBlue);
    EXPECT_FALSE(box.loadPicture(writeFile(dir, "junk.bmp", QByteArray(80, '\0'))));
    EXPECT_EQ(box.canvas().width(), 3);
}
