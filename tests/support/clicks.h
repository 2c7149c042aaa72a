#pragma once

#include <QPoint>

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
