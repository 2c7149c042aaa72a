#include "clicks.h"

#include <QTest>
#include <QWidget>

QWidget* widgetAt(QWidget* window, QPoint at) {
    QWidget* w = window->childAt(at);
    return w ? w : window;
}

void pressAt(QWidget* window, QPoint at) {
    QWidget* w = widgetAt(window, at);
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(window, at));
}

void releaseAt(QWidget* window, QPoint at) {
    QWidget* w = widgetAt(window, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(window, at));
}

void clickAt(QWidget* window, QPoint at) {
    QWidget* w = widgetAt(window, at);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(window, at));
}

QPoint centreOf(QWidget* window, const char* name) {
    auto* w = window->findChild<QWidget*>(QLatin1String(name));
    return w ? w->mapTo(window, w->rect().center()) : QPoint(-1, -1);
}

QPoint boxOf(QWidget* window, const char* name) {
    auto* w = window->findChild<QWidget*>(QLatin1String(name));
    return w ? w->mapTo(window, QPoint(6, w->height() / 2)) : QPoint(-1, -1);
}
