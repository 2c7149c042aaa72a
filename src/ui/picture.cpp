#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zantrel {

Picture::Picture(QWidget* parent, const QString& name, const QString& resource, const QRect& place,
                 const QString& accessibleName)
    : QLabel(parent) {
    setObjectName(name);
    setGeometry(place);
    setScaledContents(true);
    setMouseTracking(true);
    setAccessibleName(accessibleName.isEmpty() ? name : accessibleName);
    setResource(resource);
}

void Picture::setResource(const QString& resource) {
    if (!resource.isEmpty())
        setPixmap(QPixmap(resource));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit released(event->position().toPoint());
}

void Picture::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit entered();
}

void Picture::paintEvent(QPaintEvent*) {
    // Skin pictures keep their colours on disabled pages (the About picture before the
    // first prototype is open), as pictures do.
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap());
}

void showOneOf(Picture* shown, Picture* hidden) {
    hidden->hide();
    shown->show();
    shown->raise();
}

} // namespace zantrel
