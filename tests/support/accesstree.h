#pragma once

#include <QList>
#include <QString>

#include <vector>

class QAccessibleInterface;
class QWidget;

// One control as assistive technology is told of it.
struct AccessibleControl {
    QString path; // the object names from the window down, for messages
    QString name;
    QString value;
    int role;
};

QAccessibleInterface* accessibleOf(QWidget* widget);
// What the control holds: its text, its entry, or the selected item of a list.
QString accessibleValue(QAccessibleInterface* control);
// Every interactive control reported visible below the window (buttons, boxes, lists, tabs).
std::vector<AccessibleControl> visibleControls(QWidget* window);

// The widgets the Tab key reaches in the window, from start round to it again (start first).
QList<QWidget*> tabWalk(QWidget* start, int limit = 500);
// Where a focus walk leaves the layout's reading order, or empty. Inside every widget the
// walk must go through each child once (all it reaches inside the child together), and from
// child to child either by rows (down to a lower row, or right along the same row) or by
// columns (right to a further column, or down the same column).
QString readingOrderFault(QWidget* window, const QList<QWidget*>& walk);
// A widget as the messages name it.
QString describe(const QWidget* widget);
