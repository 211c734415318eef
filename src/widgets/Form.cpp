#include "widgets/Form.h"

#include "widgets/ControlBar.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"
#include "widgets/WindowPlacement.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <climits>

std::function<void(Form&)> Form::modalHook;

namespace {
constexpr int kModalCancel = 2;
}

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window), scroll_(new QScrollArea(this)), page_(new QWidget), client_(new PaintArea(page_))
{
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    scroll_->setWidget(page_);
    scroll_->viewport()->installEventFilter(this);
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
// the window takes what the screen offers, frame included, and scrolls; the user may
// enlarge it up to the whole client.
void Form::fitToScreen()
{
    const QSize full(clientSize_.width(), clientSize_.height() + menuHeight());
    const QMargins frame = FrameMargins(this);
    const QSize room = AvailableScreenArea(this).size().shrunkBy(frame);
    if (full.width() <= room.width() && full.height() <= room.height()) {
        setFixedSize(full);
    } else {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        setMinimumSize(std::min(full.width(), 200), std::min(full.height(), 150));
        setMaximumSize(full + QSize(bar, bar));
        resize(std::min(full.width() + bar, room.width()), std::min(full.height() + bar, room.height()));
    }
}

void Form::adoptLayout()
{
    if (!client_->windowTitle().isEmpty())
        setCaption(client_->windowTitle());
    setClientSize(client_->width(), client_->height());
    // A line edit shows the part of its text around its cursor, and a text set
    // puts the cursor at its end.
    for (QLineEdit* edit : client_->findChildren<QLineEdit*>()) {
        edit->setCursorPosition(0);
        connect(edit, &QLineEdit::textChanged, edit, [edit] {
            if (!edit->hasFocus())
                edit->setCursorPosition(0);
        });
    }
}

void Form::setStatusBar(StatusBar* bar)
{
    if (statusBar_) {
        disconnect(statusBar_, nullptr, this, nullptr);
        statusBar_->removeEventFilter(this);
    }
    statusBar_ = bar;
    if (bar) {
        bar->setParent(this);
        bar->show();
        bar->installEventFilter(this);
        connect(bar, &StatusBar::edgeChanged, this, &Form::layoutBars);
        connect(bar, &QObject::destroyed, this, [this] { statusBar_ = nullptr; });
    }
    layoutBars();
}

void Form::setToolBar(ControlBar* bar)
{
    if (toolBar_) {
        disconnect(toolBar_, nullptr, this, nullptr);
        toolBar_->removeEventFilter(this);
    }
    toolBar_ = bar;
    if (bar) {
        bar->setParent(this);
        bar->show();
        bar->installEventFilter(this);
        connect(bar, &QObject::destroyed, this, [this] { toolBar_ = nullptr; });
    }
    layoutBars();
}

int Form::statusHeight() const
{
    if (!statusBar_ || statusBar_->isHidden())
        return 0;
    return statusBar_->height() > 0 ? statusBar_->height() : statusBar_->sizeHint().height();
}

int Form::toolBarHeight() const { return toolBar_ && !toolBar_->isHidden() ? toolBar_->height() : 0; }

QRect Form::scrolledPart() const
{
    const bool statusOnTop = statusBar_ && statusBar_->edge() == StatusBar::Edge::Top;
    const int top = (statusOnTop ? statusHeight() : 0) + toolBarHeight();
    const int bottom = clientSize_.height() - (statusOnTop ? 0 : statusHeight());
    return QRect(0, top, clientSize_.width(), std::max(0, bottom - top));
}

// Top to bottom: the menu bar, a status bar at the top, the toolbar, the scrolled part
// of the client, a status bar at the bottom.
void Form::layoutBars()
{
    const int w = width();
    int top = menuHeight();
    int bottom = height();
    if (menuBar_)
        menuBar_->setGeometry(0, 0, w, top);
    if (statusBar_) {
        const int sh = statusHeight();
        if (statusBar_->edge() == StatusBar::Edge::Top) {
            statusBar_->setGeometry(0, top, w, sh);
            top += sh;
        } else {
            bottom -= sh;
            statusBar_->setGeometry(0, bottom, w, sh);
        }
    }
    if (toolBar_) {
        toolBar_->setGeometry(0, top, w, toolBar_->height());
        top += toolBarHeight();
    }
    scroll_->setGeometry(0, top, w, std::max(0, bottom - top));
    const QRect part = scrolledPart();
    page_->resize(part.size());
    client_->move(-part.topLeft());
    if (part != laidOutPart_) {
        laidOutPart_ = part;
        emit visibleAreaChanged();
    }
}

QRect Form::shownPart() const
{
    const QWidget* view = scroll_->viewport();
    return QRect(client_->mapFrom(view, QPoint(0, 0)), view->size()).intersected(client_->rect());
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == scroll_->viewport())
        emit visibleAreaChanged();
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        && (watched == statusBar_ || watched == toolBar_))
        layoutBars();
    return QWidget::eventFilter(watched, event);
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    layoutBars();
}

void Form::show_()
{
    if (!isVisible()) {
        fitToScreen();   // the screen may differ from the one the window was built on
        PlaceOnOpening(this);
        scroll_->horizontalScrollBar()->setValue(0);
        scroll_->verticalScrollBar()->setValue(0);
    }
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

void Form::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && modalLoop_) {
        close_();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Form::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (modalLoop_)
        modalLoop_->quit();
    emit closed();
}
