#include "clicks.h"

#include <QApplication>
#include <QDropEvent>
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

void doubleClickAt(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

bool dropAt(QWidget* window, QPoint at, const QMimeData* data) {
    QWidget* target = widgetAt(window, at);
    while (!target->isWindow() && !target->acceptDrops())
        target = target->parentWidget();
    if (!target->acceptDrops())
        return false;
    const QPoint local = target->mapFrom(window, at);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(local, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    // The enter is always followed by a move, carrying the enter's answer.
    QDragMoveEvent move(local, offered, data, Qt::LeftButton, Qt::NoModifier);
    move.setDropAction(enter.dropAction());
    move.setAccepted(true);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(local), offered, data, Qt::NoButton, Qt::NoModifier);
    drop.setDropAction(move.dropAction());
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
