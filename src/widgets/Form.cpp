#include "widgets/Form.h"

#include "widgets/ControlBar.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <climits>

std::function<void(Form&)> Form::modalHook;

namespace {
constexpr int kModalCancel = 2;
// Room left for the window's title bar when a window is made to fit its screen.
constexpr int kTitleAllowance = 40;
}

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window), scroll_(new QScrollArea(this)), client_(new PaintArea)
{
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setWidget(client_);
    client_->onPaint = [this] { FormPaint(); };
    // The mouse speaks the coordinates of the pictures: the canvas's, not the client's.
    client_->onMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        const QPoint p = canvasPoint(x, y);
        FormMouseDown(b, m, p.x(), p.y());
    };
    client_->onMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        const QPoint p = canvasPoint(x, y);
        FormMouseUp(b, m, p.x(), p.y());
    };
    client_->onMouseMove = [this](Qt::KeyboardModifiers m, int x, int y) {
        const QPoint p = canvasPoint(x, y);
        FormMouseMove(m, p.x(), p.y());
    };
    setClientSize(clientSize_.width(), clientSize_.height());
}

Form::~Form()
{
    if (modalLoop_)
        modalLoop_->quit();
}

QPoint Form::canvasPoint(int x, int y) const
{
    const QPoint o = client_->canvas().origin();
    const auto shifted = [](int v, int by) {
        return int(std::clamp<long long>(static_cast<long long>(v) - by, INT_MIN, INT_MAX));
    };
    return {shifted(x, o.x()), shifted(y, o.y())};
}

int Form::menuHeight() const
{
    return menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
}

void Form::setMenuBar(QMenuBar* bar)
{
    menuBar_ = bar;
    if (bar) {
        bar->setParent(this);
        bar->show();
    }
    setClientSize(clientSize_.width(), clientSize_.height());
}

void Form::setCaption(const QString& caption) { setWindowTitle(caption); }

void Form::setClientSize(int w, int h)
{
    clientSize_ = QSize(std::max(1, w), std::max(1, h));
    client_->resize(clientSize_);
    fitToScreen();
    layoutBars();
}

// The whole client when the screen has room for it, as a window of fixed size. Otherwise
// the window takes what the screen offers and scrolls; the user may enlarge it up to the
// whole client.
void Form::fitToScreen()
{
    const int top = menuHeight();
    const QSize full(clientSize_.width(), clientSize_.height() + top);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize room = s ? s->availableGeometry().size() - QSize(0, kTitleAllowance) : full;
    if (full.width() <= room.width() && full.height() <= room.height()) {
        setFixedSize(full);
    } else {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        setMinimumSize(std::min(full.width(), 200), std::min(full.height(), 150));
        setMaximumSize(full + QSize(bar, bar));
        resize(std::min(full.width() + bar, room.width()), std::min(full.height() + bar, room.height()));
    }
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width(), top);
    scroll_->setGeometry(0, top, width(), height() - top);
}

void Form::adoptLayout()
{
    if (!client_->windowTitle().isEmpty())
        setCaption(client_->windowTitle());
    setClientSize(client_->width(), client_->height());
}

void Form::setStatusBar(StatusBar* bar)
{
    if (statusBar_)
        disconnect(statusBar_, nullptr, this, nullptr);
    statusBar_ = bar;
    if (bar) {
        bar->setParent(client_);
        bar->show();
        connect(bar, &StatusBar::edgeChanged, this, &Form::layoutBars);
        connect(bar, &QObject::destroyed, this, [this] { statusBar_ = nullptr; });
    }
    layoutBars();
}

void Form::setToolBar(ControlBar* bar)
{
    if (toolBar_)
        disconnect(toolBar_, nullptr, this, nullptr);
    toolBar_ = bar;
    if (bar) {
        bar->setParent(client_);
        bar->show();
        connect(bar, &QObject::destroyed, this, [this] { toolBar_ = nullptr; });
    }
    layoutBars();
}

void Form::layoutBars()
{
    const int w = clientSize_.width(), h = clientSize_.height();
    int top = 0;
    if (statusBar_) {
        const int sh = statusBar_->height() > 0 ? statusBar_->height() : statusBar_->sizeHint().height();
        if (statusBar_->edge() == StatusBar::Edge::Top) {
            statusBar_->setGeometry(0, 0, w, sh);
            top = sh;
        } else {
            statusBar_->setGeometry(0, h - sh, w, sh);
        }
        statusBar_->raise();
    }
    if (toolBar_) {
        toolBar_->setGeometry(0, top, w, toolBar_->height());
        toolBar_->raise();
    }
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int top = menuHeight();
    if (menuBar_)
        menuBar_->setGeometry(0, 0, width(), top);
    scroll_->setGeometry(0, top, width(), height() - top);
    layoutBars();
}

void Form::show_()
{
    show();
    raise();
    activateWindow();
}

void Form::hide_() { hide(); }

bool Form::isShowing() const { return isVisible() || inModalHook_; }

void Form::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        RunGuarded([this] { FormShow(); });
}

int Form::showModal()
{
    modalResult_ = 0;
    if (modalHook) {
        inModalHook_ = true;
        RunGuarded([this] { FormShow(); });
        RunGuarded([this] { modalHook(*this); });
        inModalHook_ = false;
        return modalResult_ != 0 ? modalResult_ : 1;
    }
    if (modalLoop_)   // already running modally: a second loop would never end first
        return 0;
    if (isVisible())
        hide();   // showing again runs FormShow and makes it modal
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    show_();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
    return modalResult_ != 0 ? modalResult_ : kModalCancel;
}

void Form::setModalResult(int result)
{
    modalResult_ = result;
    if (result != 0 && modalLoop_)
        close_();
}

void Form::close_() { close(); }

void Form::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (modalLoop_)
        modalLoop_->quit();
    emit closed();
}
