#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

QPointer<QWidget> mainWindow;

// Room for a title bar and borders while the desktop has not told us its frame
// (before a window's first showing, or on a desktop that does not say).
constexpr QMargins kGuessedFrame(6, 32, 6, 6);

QMargins MarginsOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

}  // namespace

void SetMainWindow(QWidget* window) { mainWindow = window; }

QWidget* MainWindow() { return mainWindow; }

QMargins FrameMargins(const QWidget* window)
{
    if (const QMargins own = MarginsOf(window); !own.isNull())
        return own;
    if (mainWindow && mainWindow != window)
        if (const QMargins main = MarginsOf(mainWindow); !main.isNull())
            return main;
    return kGuessedFrame;
}

QRect AvailableScreenArea(const QWidget* window)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window->frameSize());
}

void PlaceOnOpening(QWidget* window)
{
    const QSize frame = window->size().grownBy(FrameMargins(window));
    const QRect area = AvailableScreenArea(window);
    const bool overMain = mainWindow && mainWindow != window && mainWindow->isVisible();
    const QPoint centre = overMain ? mainWindow->frameGeometry().center() : area.center();
    QPoint corner = centre - QPoint(frame.width() / 2, frame.height() / 2);
    // A frame larger than the area keeps its top-left corner (the title bar) on the screen.
    corner.setX(std::max(area.left(), std::min(corner.x(), area.left() + area.width() - frame.width())));
    corner.setY(std::max(area.top(), std::min(corner.y(), area.top() + area.height() - frame.height())));
    window->move(corner);   // a window's position is its frame's
}
