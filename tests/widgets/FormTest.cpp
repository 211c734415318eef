// Windows: show handlers, the modal test hook, client mouse events, bars and the
// exception boundary.
#include "widgets/ControlBar.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
class CountingForm : public Form {
public:
    int shows = 0;
    std::vector<QPoint> downs;
    bool throwOnDown = false;
    void FormShow() override { ++shows; }
    void FormMouseDown(Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) override
    {
        if (throwOnDown)
            throw std::runtime_error("no table loaded");
        if (b == Qt::LeftButton && m.testFlag(Qt::ShiftModifier))
            downs.push_back({x, y});
    }
};

struct HookReset {
    ~HookReset() { Form::modalHook = nullptr; }
};
}  // namespace

TEST(FormModal, HookRunsFormShowEachTimeAndNeverBlocks)
{
    HookReset reset;
    CountingForm form;
    int hookCalls = 0;
    bool showingInHook = false;
    Form::modalHook = [&](Form& f) {
        ++hookCalls;
        showingInHook = f.isShowing();
        if (hookCalls == 2)
            f.setModalResult(7);
    };
    EXPECT_EQ(form.showModal(), 1);
    EXPECT_EQ(form.showModal(), 7);
    EXPECT_EQ(form.shows, 2);
    EXPECT_EQ(hookCalls, 2);
    EXPECT_TRUE(showingInHook);
    EXPECT_FALSE(form.isShowing());
}

TEST(FormModal, RealLoopEndsOnCloseWithCancel)
{
    CountingForm form;
    QObject::connect(&form, &Form::closed, [] {});
    QMetaObject::invokeMethod(&form, [&] { form.close_(); }, Qt::QueuedConnection);
    EXPECT_EQ(form.showModal(), 2);
    EXPECT_EQ(form.shows, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(FormShowing, ShowRunsFormShowOnEveryShowingOnly)
{
    CountingForm form;
    EXPECT_FALSE(form.isShowing());
    form.show_();
    form.show_();   // already showing: no second show event
    EXPECT_EQ(form.shows, 1);
    EXPECT_TRUE(form.isShowing());
    form.hide_();
    EXPECT_FALSE(form.isShowing());
    form.show_();
    EXPECT_EQ(form.shows, 2);
    int closes = 0;
    QObject::connect(&form, &Form::closed, [&] { ++closes; });
    form.close_();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.isShowing());
}

TEST(FormLayout, ClientSizeCaptionAndMenuAbove)
{
    Form form;
    auto* menu = new QMenuBar;
    menu->addMenu("File");
    form.setMenuBar(menu);
    form.setCaption("Lattice");
    form.setClientSize(320, 200);
    EXPECT_EQ(form.windowTitle(), "Lattice");
    EXPECT_EQ(form.client()->size(), QSize(320, 200));
    EXPECT_EQ(form.client()->y(), menu->height());
    EXPECT_GT(menu->height(), 0);
    EXPECT_EQ(form.height(), 200 + menu->height());

    // What uic leaves on the client becomes the window's caption and size.
    form.client()->setWindowTitle("Table editor");
    form.client()->resize(500, 260);
    form.adoptLayout();
    EXPECT_EQ(form.caption(), "Table editor");
    EXPECT_EQ(form.clientSize(), QSize(500, 260));
}

TEST(FormLayout, StatusBarAtEitherEdgeAndToolBarBelowATopStatusBar)
{
    Form form;
    form.setClientSize(400, 300);
    auto* status = new StatusBar;
    auto* tools = new ControlBar;
    tools->resize(10, 30);
    form.setToolBar(tools);
    form.setStatusBar(status);
    const int sh = status->height();
    ASSERT_GT(sh, 0);
    EXPECT_EQ(status->geometry(), QRect(0, 300 - sh, 400, sh));   // bottom by default
    EXPECT_EQ(tools->geometry(), QRect(0, 0, 400, 30));

    status->setEdge(StatusBar::Edge::Top);
    EXPECT_EQ(status->geometry(), QRect(0, 0, 400, sh));
    EXPECT_EQ(tools->geometry(), QRect(0, sh, 400, 30));

    form.setClientSize(600, 300);
    status->setEdge(StatusBar::Edge::Bottom);
    EXPECT_EQ(status->geometry(), QRect(0, 300 - sh, 600, sh));
    EXPECT_EQ(tools->geometry(), QRect(0, 0, 600, 30));
}

TEST(FormEvents, ClientMouseReachesHandlerInClientCoordinates)
{
    CountingForm form;
    form.setMenuBar(new QMenuBar);
    form.setClientSize(200, 100);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 40), QPointF(30, 40), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(form.client(), &press);
    ASSERT_EQ(form.downs.size(), 1u);
    EXPECT_EQ(form.downs[0], QPoint(30, 40));
}

TEST(FormEvents, ExceptionInAWindowHandlerIsShownAndTheWindowGoesOn)
{
    std::vector<MessageRecord> shown;
    SetMessageRecorder(&shown);
    CountingForm form;
    form.throwOnDown = true;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(form.client(), &press);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Error");
    EXPECT_EQ(shown[0].text, "no table loaded");
    form.throwOnDown = false;
    QMouseEvent shifted(QEvent::MouseButtonPress, QPointF(2, 3), QPointF(2, 3), Qt::LeftButton, Qt::LeftButton,
                        Qt::ShiftModifier);
    QApplication::sendEvent(form.client(), &shifted);
    EXPECT_EQ(form.downs.size(), 1u);
    SetMessageRecorder(nullptr);
}

TEST(FormCanvas, ChildControlsSitOnTheCanvasThatKeepsItsPixels)
{
    Form form;
    form.setClientSize(200, 100);
    auto* button = new QPushButton("Go", form.client());
    button->setGeometry(10, 10, 50, 20);
    form.canvas().brush.color = ColorRed;
    form.canvas().fillRect(100, 50, 110, 60);
    form.show_();
    QApplication::processEvents();
    const QImage shot = form.client()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(105, 55)), QColor(255, 0, 0));
    EXPECT_EQ(form.canvas().pixel(105, 55), ColorRed);
    EXPECT_GE(form.canvas().width(), 1600);
}
