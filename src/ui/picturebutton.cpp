#include "picturebutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace zantrel {

namespace {

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Enter presses a picture button the way Space presses any button: down while the key is
// held, clicked when it is let go.
template <typename Handler> void withEnterAsSpace(QKeyEvent* event, Handler handle) {
    if (!isEnter(event)) {
        handle(event);
        return;
    }
    QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                    event->isAutoRepeat(), ushort(event->count()));
    handle(&space);
    event->setAccepted(space.isAccepted());
}

} // namespace

PictureButton::PictureButton(QWidget* parent, const QString& name, const QString& resource,
                             const QRect& place, const QString& action)
    : QAbstractButton(parent), m_picture(resource) {
    setObjectName(name);
    setGeometry(place);
    setAccessibleName(action);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::pressed, this, &PictureButton::updatePictures);
    connect(this, &QAbstractButton::released, this, &PictureButton::updatePictures);
}

ButtonFace* PictureButton::overlay(const QString& name, const QString& resource) {
    auto* face = new ButtonFace(this, name, resource);
    face->hide();
    return face;
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

void PictureButton::setFocusMarkColor(const QColor& color) {
    m_focusMarkColor = color;
    update();
    repaintFaces();
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

void PictureButton::repaintFaces() {
    for (ButtonFace* face : {m_pressed, m_highlight})
        if (face)
            face->update();
}

bool PictureButton::event(QEvent* event) {
    // Enter belongs to the focused picture button, not to the window's Enter shortcut.
    if (event->type() == QEvent::ShortcutOverride && isEnter(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractButton::event(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    withEnterAsSpace(event, [this](QKeyEvent* e) { QAbstractButton::keyPressEvent(e); });
}

void PictureButton::keyReleaseEvent(QKeyEvent* event) {
    withEnterAsSpace(event, [this](QKeyEvent* e) { QAbstractButton::keyReleaseEvent(e); });
}

void PictureButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    repaintFaces();
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    repaintFaces();
}

void PictureButton::paintFocusMark(QPainter& painter, const QRect& area) const {
    if (!hasFocus())
        return;
    painter.setPen(QPen(m_focusMarkColor, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -2, -2));
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    paintFocusMark(painter, rect());
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

ButtonFace::ButtonFace(PictureButton* button, const QString& name, const QString& resource)
    : Picture(button->parentWidget(), name, resource, button->geometry(), button->accessibleName()),
      m_button(button) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ButtonFace::paintEvent(QPaintEvent* event) {
    Picture::paintEvent(event);
    QPainter painter(this);
    m_button->paintFocusMark(painter, rect());
}

} // namespace zantrel
