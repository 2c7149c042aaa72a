#pragma once

#include <QPoint>

class QMimeData;
class QWidget;

// Mouse input the way a person gives it: at one point of a window, on whatever widget lies
// there, never sent to a chosen widget.
QWidget* widgetAt(QWidget* window, QPoint at);
void pressAt(QWidget* window, QPoint at);
void releaseAt(QWidget* window, QPoint at);
void clickAt(QWidget* window, QPoint at);
// The centre of the named control in its window's coordinates.
QPoint centreOf(QWidget* window, const char* name);
// A check box's indicator (its left end) in its window's coordinates.
QPoint boxOf(QWidget* window, const char* name);

// A double click at a point of a widget as the system delivers it: a click, then a press, the
// double click and a release (QTest's double click alone comes without the presses before it).
void doubleClickAt(QWidget* widget, QPoint at);

// A drag carrying data let go at one point of a window, as the window system delivers it:
// enter, move and drop go to the widget under that point that takes drops, or to the nearest
// of its parents that does. Whether the drop was accepted; false when nothing there takes
// drops or the enter was refused.
bool dropAt(QWidget* window, QPoint at, const QMimeData* data);
