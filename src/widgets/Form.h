// One top-level window: an optional menu bar above the client area, a PaintArea whose
// canvas is the window's canvas and whose children are the controls at absolute
// positions. A window larger than its screen is made to fit it and its client area
// scrolls, so that every control can still be reached. FormShow runs on every showing; showModal runs a nested loop in which timers
// tick (or, with modalHook set, calls the hook instead and never blocks). Mouse events of
// the client reach the virtual handlers, each run guarded.
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
    void adoptLayout();   // after setupUi(client()): its title and size become caption and client size

    // The status bar and the toolbar strip span the client's width: the status bar at its
    // edge, the toolbar at the top, below the status bar when that is at the top too.
    void setStatusBar(StatusBar* bar);
    void setToolBar(ControlBar* bar);

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

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void layoutBars();
    void fitToScreen();
    int menuHeight() const;
    QPoint canvasPoint(int x, int y) const;   // a client point in canvas coordinates

    QMenuBar* menuBar_ = nullptr;
    QScrollArea* scroll_;
    PaintArea* client_;
    StatusBar* statusBar_ = nullptr;
    ControlBar* toolBar_ = nullptr;
    QSize clientSize_{400, 300};
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = 0;
    bool inModalHook_ = false;
};
