// One top-level window: an optional menu bar above the client area, a PaintArea whose
// canvas is the window's canvas and whose children are the controls at absolute
// positions. The toolbar and the status bar belong to the client's layout (they cover
// its top and bottom strips) but stay fixed in the window: a window larger than its
// screen is made to fit it and only the part of the client between the bars scrolls,
// so that every control can still be reached and the bars stay in view. A window opens
// centred on the main window (the main window on its screen), wholly on the screen.
// FormShow runs on every showing; showModal runs a nested loop in which timers tick
// (or, with modalHook set, calls the hook instead and never blocks) and Escape closes
// the window. Mouse events of the client reach the virtual handlers, each run guarded.
#pragma once

#include "widgets/PaintArea.h"

#include <QWidget>
#include <functional>

class QEventLoop;
class QMenuBar;
class QScrollArea;
class StatusBar;
class ControlBar;

class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    PaintArea* client() const { return client_; }
    Canvas& canvas() { return client_->canvas(); }

    void setMenuBar(QMenuBar* bar);
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    void setClientSize(int w, int h);
    QSize clientSize() const { return clientSize_; }
    // After setupUi(client()): its title and size become caption and client size, and
    // every edit shows the start of a text too wide for it, as set by the layout or by
    // code, while the user is not typing in it.
    void adoptLayout();

    // The status bar and the toolbar strip span the window's width: the status bar at its
    // edge, the toolbar at the top, below the status bar when that is at the top too. In
    // the client they take the strips of their heights at the same edges; a hidden bar
    // takes none.
    void setStatusBar(StatusBar* bar);
    void setToolBar(ControlBar* bar);
    // The part of the client between the bars, the part that scrolls (client coordinates).
    QRect scrolledPart() const;
    // The part of the client the window shows now (client coordinates).
    QRect shownPart() const;

    void show_();
    void hide_();
    int showModal();                   // the modal result; 2 (cancel) when closed without one
    void close_();
    void setModalResult(int result);   // ends a running showModal with this result
    bool isShowing() const;

    virtual void FormShow() {}
    virtual void FormPaint() {}
    // Mouse positions in canvas coordinates (the client's, unless the canvas's origin is moved).
    virtual void FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}
    virtual void FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}
    virtual void FormMouseMove(Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}

    // Tests: when set, showModal runs FormShow, calls the hook (the "user"), and returns
    // the result the hook set (1 if none) without showing the window or running a loop.
    static std::function<void(Form&)> modalHook;

signals:
    void closed();
    // The part of the client the window shows changed: its size (the window's size or
    // the bars') or where the bars leave it.
    void visibleAreaChanged();

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutBars();
    void fitToScreen();
    int menuHeight() const;
    int statusHeight() const;    // 0 while hidden
    int toolBarHeight() const;   // 0 while hidden
    QPoint canvasPoint(int x, int y) const;   // a client point in canvas coordinates

    QMenuBar* menuBar_ = nullptr;
    QScrollArea* scroll_;
    QWidget* page_;       // what the scroll area shows: the client's part between the bars
    PaintArea* client_;
    StatusBar* statusBar_ = nullptr;
    ControlBar* toolBar_ = nullptr;
    QSize clientSize_{400, 300};
    QRect laidOutPart_;   // scrolledPart() as the bars were last laid out
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
    bool inModalHook_ = false;
};
