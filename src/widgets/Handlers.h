// Connecting handlers to controls. Every handler connected here runs inside RunGuarded:
// an exception escaping it is shown in an "Error" box and the program goes on.
#pragma once

#include <QtGlobal>

#include <functional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class RadioGroup;
class Timer;
class UpDown;

void RunGuarded(const std::function<void()>& handler);

// How long the handler now running has run, in ms: the outermost one, whatever
// handlers it calls in turn; 0 when none runs. The status bar repaints itself
// only inside handlers that run long, and tests set the clock behind it
// (milliseconds since any fixed point; nullptr: the real clock).
qint64 HandlerClockMs();
qint64 HandlerRunningMs();
void SetHandlerClockForTest(qint64 (*nowMs)());

void OnClick(QAbstractButton* button, std::function<void()> h);   // clicked (user or click())
void OnClick(QCheckBox* box, std::function<void()> h);            // toggled: code or user, only on change
void OnChange(QLineEdit* edit, std::function<void()> h);          // textChanged: code or user, only on change
void OnClick(RadioGroup* group, std::function<void()> h);         // itemClicked: code or user, only on change
// A checkable item's mark is put back silently before h runs: the handler toggles its own
// mark with setChecked, and sees it as it was before the click.
void OnClick(QAction* item, std::function<void()> h);
bool ToggleChecked(QAction* item);   // what such a handler does with its mark; the new state
void OnClick(UpDown* updown, std::function<void(bool up)> h);     // after a user press moved the position
void OnTimer(Timer* timer, std::function<void()> h);
// A click (a press and a release of a mouse button) on the box's own free area; a click
// on one of its controls or labels belongs to that control, not to the box.
void OnClick(QGroupBox* box, std::function<void()> h);
bool HasClickHandler(const QGroupBox* box);   // for tests that click every clickable box
