// The main window as a user meets it: our start-up picture and the click that
// removes it, the drawing area clear of every control, and presses on the strings.
#include "StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <set>

namespace {

using MainWindowLayout = StartedWorkbench;

void Click(QWidget* target, QPoint at)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
}

// The visible controls of the client that lie over the rectangle.
std::vector<QWidget*> ControlsOver(const QRect& area)
{
    std::vector<QWidget*> over;
    for (QWidget* w : Form1->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(Form1->client()) && w->geometry().intersects(area))
            over.push_back(w);
    return over;
}

} // namespace

TEST_F(MainWindowLayout, OurPictureCoversTheWindowUntilTheFirstClick)
{
    ASSERT_TRUE(Form1->Image17->isVisible());
    const QImage& picture = Form1->Image17->canvas().image();
    EXPECT_EQ(picture.size(), Form1->Image17->size());
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 5u);   // a picture with text on it, not a blank box
    EXPECT_TRUE(Form1->Image17->geometry().contains(Form1->PageControl1->geometry()));
    // The whole part between the bars, wherever the status bar stands.
    EXPECT_EQ(Form1->Image17->geometry(), Form1->scrolledPart());
    Form1->CheckBox56->setChecked(false);   // "St": the status bar to the bottom
    QApplication::processEvents();
    EXPECT_EQ(Form1->Image17->geometry(), Form1->scrolledPart());
    Form1->CheckBox56->setChecked(true);
    QApplication::processEvents();
    EXPECT_EQ(Form1->Image17->geometry(), Form1->scrolledPart());

    const QPoint onTab = Form1->PageControl1->geometry().center();
    Click(Form1->Image17, Form1->Image17->mapFrom(Form1->client(), onTab));
    EXPECT_FALSE(Form1->Image17->isVisible());
    EXPECT_TRUE(Form1->PageControl1->isAncestorOf(Form1->client()->childAt(onTab)));
}

// The pictures are drawn where no control lies, with the canvas's origin at the
// area's corner, and no drawing leaves the area whichever bars are shown.
TEST_F(MainWindowLayout, TheDrawingAreaIsClearOfControlsAndHoldsThePicture)
{
    Form1->Image17MouseDown();
    const QRect area = Form1->DrawingArea();
    Canvas& canvas = Form1->canvas();
    EXPECT_EQ(canvas.origin(), area.topLeft());
    EXPECT_EQ(area.top(), Form1->StatusBar1->height() + Form1->ControlBar1->height());
    EXPECT_EQ(fieldDrawTop, 0);
    // The widest picture, the statistics background of the 70 x 70 experiments
    // (x 0..779), and the square the video frames record.
    EXPECT_GE(area.width(), 780);
    EXPECT_GE(area.height(), 704);
    EXPECT_TRUE(ControlsOver(area).empty());

    canvas.brush.color = ColorRed;
    canvas.fillRect(-100, -100, canvas.width(), canvas.height());   // kept inside the area
    const QImage& image = canvas.image();
    EXPECT_EQ(canvas.pixel(0, 0), ColorRed);
    EXPECT_EQ(image.pixel(area.topLeft()), image.pixel(area.bottomRight()));
    EXPECT_NE(image.pixel(area.left(), area.top() - 1), image.pixel(area.topLeft()));
    EXPECT_NE(image.pixel(area.right() + 1, area.top()), image.pixel(area.topLeft()));

    Form1->Button149Click();   // a recorded run and its picture: row 0 shows at the top
    EXPECT_GT(stopTimeA, 0);
    EXPECT_NE(canvas.pixel(3, 3), ColorRed);

    // The bars move, the area and the origin follow: a status bar at the bottom, no toolbar.
    Form1->CheckBox56->setChecked(false);
    EXPECT_EQ(canvas.origin().y(), Form1->ControlBar1->height());
    EXPECT_EQ(Form1->DrawingArea().bottom(), Form1->clientSize().height() - Form1->StatusBar1->height() - 1);
    Form1->CheckBox54->setChecked(false);
    EXPECT_EQ(canvas.origin().y(), 0);
    Form1->CheckBox56->setChecked(true);   // only the status bar at the top
    EXPECT_EQ(canvas.origin().y(), Form1->StatusBar1->height());
    EXPECT_EQ(fieldDrawTop, 0);
    EXPECT_TRUE(ControlsOver(Form1->DrawingArea()).empty());
}

// A press on the top two cell rows of the strings, at the top of the drawing
// area, toggles the cell under it; the bars above the area take their own clicks.
TEST_F(MainWindowLayout, APressOnTheStringsTogglesTheCellUnderIt)
{
    Form1->Image17MouseDown();
    const QRect area = Form1->DrawingArea();
    std::fill(stringA, stringA + 27, uint8_t{2});
    std::fill(stringB, stringB + 27, uint8_t{1});
    Click(Form1->client(), area.topLeft() + QPoint(2 * cellWidth + 3, 3));
    EXPECT_EQ(stringA[2], 1);
    EXPECT_EQ(stringB[2], 2);
    EXPECT_EQ(stringA[1], 2);
    Click(Form1->client(), area.topLeft() + QPoint(2 * cellWidth + 3, 2 * cellHeight + 3));   // below the two rows
    EXPECT_EQ(stringA[2], 1);
}
