#include "picturebutton.h"

#include "picture.h"

#include <QPainter>

namespace zantrel {

PictureButton::PictureButton(QWidget* parent, const QString& name, const QString& resource,
                             const QRect& place, const QString& action)
    : QAbstractButton(parent), m_picture(resource) {
    setObjectName(name);
    setGeometry(place);
    setAccessibleName(action);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::pressed, this, &PictureButton::updatePictures);
    connect(this, &QAbstractButton::released, this, &PictureButton::updatePictures);
}

Picture* PictureButton::overlay(const QString& name, const QString& resource) {
    auto* p = new Picture(parentWidget(), name, resource, geometry(), accessibleName());
    p->setAttribute(Qt::WA_TransparentForMouseEvents);
    p->hide();
    return p;
}

Picture* PictureButton::addPressedPicture(const QString& name, const QString& resource) {
    m_pressed = overlay(name, resource);
    return m_pressed;
}

Picture* PictureButton::addHighlightPicture(const QString& name, const QString& resource) {
    m_highlight = overlay(name, resource);
    return m_highlight;
}

void PictureButton::setLatching(bool latching) {
    m_latching = latching;
    updatePictures();
}

void PictureButton::setLatched(bool latched) {
    m_latched = latched;
    updatePictures();
}

void PictureButton::updatePictures() {
    const bool down = m_latching ? m_latched : isDown();
    if (m_pressed) {
        m_pressed->setVisible(down);
        m_pressed->raise();
    }
    if (m_highlight) {
        // A button without a pressed picture goes dark while held.
        m_highlight->setVisible(m_hovered && !isDown());
        m_highlight->raise();
    }
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    m_hovered = true;
    updatePictures();
}

void PictureButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    updatePictures();
}

} // namespace zantrel
