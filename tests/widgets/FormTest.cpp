// Windows: show handlers, the modal test hook, client mouse events, bars and the
// exception boundary.
#include "WidgetTestSupport.h"
#include "widgets/ControlBar.h"
#include "widgets/Form.h"
#include "widgets/StatusBar.h"
#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
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

void pressOnClient(Form& form, QPointF at, Qt::KeyboardModifiers m)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, m);
    QApplication::sendEvent(form.client(), &press);
}
}  // namespace

TEST(FormModal, HookRunsFormShowEachTimeAndNeverBlocks)
{
    CountingForm form;
    int hookCalls = 0;
    bool showingInHook = false;
    Form::modalHook = [&](Form& f) {
        showingInHook = f.isShowing();
        if (++hookCalls == 2)
            f.setModalResult(7);
    };
    const int first = form.showModal(), second = form.showModal();
    Form::modalHook = nullptr;
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 7);
    EXPECT_EQ(form.shows, 2);
    EXPECT_TRUE(showingInHook);
    EXPECT_FALSE(form.isShowing());
}

TEST(FormModal, RealLoopEndsOnCloseWithCancelAndShowRunsFormShowOncePerShowing)
{
    CountingForm form;
    QMetaObject::invokeMethod(&form, [&] { form.close_(); }, Qt::QueuedConnection);
    EXPECT_EQ(form.showModal(), 2);
    EXPECT_FALSE(form.isVisible());
    form.show_();
    form.show_();   // already showing: no second show event
    EXPECT_EQ(form.shows, 2);
}

// The bars take the strips of the client at their edges; the rest of the client is
// what the window scrolls.
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
    EXPECT_EQ(status->edge(), StatusBar::Edge::Bottom);
    EXPECT_EQ(status->geometry(), QRect(0, 300 - sh, 400, sh));
    EXPECT_EQ(tools->geometry(), QRect(0, 0, 400, 30));
    EXPECT_EQ(form.scrolledPart(), QRect(0, 30, 400, 300 - 30 - sh));

    status->setEdge(StatusBar::Edge::Top);
    EXPECT_EQ(status->geometry(), QRect(0, 0, 400, sh));
    EXPECT_EQ(tools->geometry(), QRect(0, sh, 400, 30));
    EXPECT_EQ(form.scrolledPart(), QRect(0, sh + 30, 400, 300 - 30 - sh));

    tools->hide();
    EXPECT_EQ(form.scrolledPart(), QRect(0, sh, 400, 300 - sh));
    tools->show();
    form.setClientSize(600, 300);
    status->setEdge(StatusBar::Edge::Bottom);
    EXPECT_EQ(status->geometry(), QRect(0, 300 - sh, 600, sh));
    EXPECT_EQ(tools->geometry(), QRect(0, 0, 600, 30));
}

TEST(FormEvents, ClientMouseReachesHandlerAndItsExceptionIsShown)
{
    RecordedMessages rec;
    CountingForm form;
    form.setMenuBar(new QMenuBar);
    form.setClientSize(200, 100);
    pressOnClient(form, {30, 40}, Qt::ShiftModifier);
    EXPECT_EQ(form.downs, std::vector<QPoint>{QPoint(30, 40)});   // client coordinates

    form.throwOnDown = true;
    pressOnClient(form, {1, 1}, Qt::NoModifier);
    ASSERT_EQ(rec.shown.size(), 1u);
    EXPECT_EQ(rec.shown[0].caption, "Error");
    EXPECT_EQ(rec.shown[0].text, "no table loaded");
    form.throwOnDown = false;
    pressOnClient(form, {2, 3}, Qt::ShiftModifier);   // the window goes on
    EXPECT_EQ(form.downs.size(), 2u);
}

// Child controls sit on the canvas, which keeps its pixels; the bars over it are opaque.
TEST(FormCanvas, ControlsSitOnTheCanvasAndBarsAreOpaque)
{
    Form form;
    form.setClientSize(200, 100);
    (new QPushButton("Go", form.client()))->setGeometry(10, 60, 50, 20);
    auto* status = new StatusBar;
    form.setStatusBar(status);
    auto* tools = new ControlBar;
    tools->resize(10, 30);
    form.setToolBar(tools);
    form.canvas().brush.color = ColorRed;
    form.canvas().fillRect(0, 0, 200, 100);
    form.show_();
    QApplication::processEvents();
    const QImage shot = form.grab().toImage();
    for (QPoint p : {tools->geometry().center(), status->geometry().center(), QPoint(150, status->geometry().bottom() - 1)})
        EXPECT_NE(QColor(shot.pixel(p)), QColor(255, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(QColor(shot.pixel(form.client()->mapTo(&form, QPoint(100, 50)))), QColor(255, 0, 0));
}

// A window larger than its screen fits the screen, frame included, and scrolls to every
// part of its client, while its bars stay in view.
TEST(FormLayout, AWindowLargerThanTheScreenScrollsBetweenItsBars)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize room = screen.size();
    Form form;
    form.setMenuBar(new QMenuBar);
    form.setClientSize(room.width() + 300, room.height() + 200);
    auto* status = new StatusBar;
    form.setStatusBar(status);
    auto* tools = new ControlBar;
    tools->resize(10, 30);
    form.setToolBar(tools);
    auto* far = new QPushButton("far", form.client());
    far->setGeometry(room.width() + 200, room.height() + 100, 60, 25);
    form.show_();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(form.frameGeometry())) << form.frameGeometry().x() << "," << form.frameGeometry().y();
    EXPECT_EQ(form.clientSize(), QSize(room.width() + 300, room.height() + 200));
    auto* scroll = form.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    scroll->ensureWidgetVisible(far);
    QApplication::processEvents();
    EXPECT_TRUE(form.shownPart().contains(far->geometry())) << form.shownPart().x() << "," << form.shownPart().y();
    const QRect view(scroll->viewport()->mapTo(&form, QPoint(0, 0)), scroll->viewport()->size());
    for (QWidget* bar : std::initializer_list<QWidget*>{tools, status}) {
        EXPECT_TRUE(form.rect().contains(bar->geometry()));
        EXPECT_FALSE(view.intersects(bar->geometry()));
    }

    Form small;
    small.setClientSize(300, 200);   // fits: a fixed size, no scrolling
    EXPECT_EQ(small.size(), QSize(300, 200));
    EXPECT_EQ(small.minimumSize(), small.maximumSize());
}

// A window opens centred on the main window, wholly on the screen; Escape ends a
// modal one as its close box would.
TEST(FormPlacement, SecondaryWindowsOpenOverTheMainWindowAndEscapeEndsAModalOne)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Form main;
    main.setClientSize(screen.width() / 2, screen.height() / 2);
    SetMainWindow(&main);
    main.show_();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(main.frameGeometry()));

    CountingForm box;
    box.setClientSize(200, 120);
    QMetaObject::invokeMethod(
        &box,
        [&] {
            EXPECT_LE((box.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
            EXPECT_TRUE(screen.contains(box.frameGeometry()));
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box.focusWidget() ? box.focusWidget() : &box, &escape);
        },
        Qt::QueuedConnection);
    QTimer::singleShot(5000, &box, [&] { box.setModalResult(5); });   // Escape failed: end the loop anyway
    EXPECT_EQ(box.showModal(), 2);
    EXPECT_FALSE(box.isVisible());
    SetMainWindow(nullptr);
}

// An edit too narrow for its text shows where the text begins, whether the layout
// or code set it; while the user types, the edit follows the cursor.
TEST(FormLayout, NarrowEditsShowTheStartOfTheirText)
{
    Form form;
    auto* edit = new QLineEdit("Edit63", form.client());
    edit->setGeometry(8, 8, 38, 21);
    form.adoptLayout();
    form.show_();
    QApplication::processEvents();
    EXPECT_EQ(edit->cursorPosition(), 0);
    edit->setText("-2147483648");
    EXPECT_EQ(edit->cursorPosition(), 0);

    edit->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    for (const auto& [key, text] : {std::pair{Qt::Key_1, "1"}, std::pair{Qt::Key_2, "2"}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(edit->text(), "12-2147483648");
    EXPECT_EQ(edit->cursorPosition(), 2);
}
