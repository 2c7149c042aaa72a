#pragma once

#include "picture.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace zantrel {

class ButtonFace;

// A skin button drawn as pictures. The button itself is the widget under the pointer; its
// pressed and highlighted pictures lie over it at the same place but never take the mouse,
// so the press and the release of one click reach the same widget.
//
// The keyboard reaches it with Tab (a click does not take the focus from a box being typed
// in); Space and Enter press it, showing the pressed picture while the key is down, and a
// dotted mark in the theme's colour shows where the focus is.
class PictureButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor focusMarkColor READ focusMarkColor WRITE setFocusMarkColor)
public:
    PictureButton(QWidget* parent, const QString& name, const QString& resource, const QRect& place,
                  const QString& action);

    // The picture shown while the button is held down, or latched.
    Picture* addPressedPicture(const QString& name, const QString& resource);
    // The picture shown while the pointer rests on the button and it is not held.
    Picture* addHighlightPicture(const QString& name, const QString& resource);
    // A latching button shows its pressed picture exactly while latched (the tree button
    // while the tree window it opened is on screen), not while held.
    void setLatching(bool latching);
    void setLatched(bool latched);
    bool latched() const { return m_latched; }

    QColor focusMarkColor() const { return m_focusMarkColor; }
    void setFocusMarkColor(const QColor& color);
    // The focus mark, while the button has the focus, on whichever picture of it is on top.
    void paintFocusMark(QPainter& painter, const QRect& area) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ButtonFace* overlay(const QString& name, const QString& resource);
    void updatePictures();
    void repaintFaces();

    QPixmap m_picture;
    ButtonFace* m_pressed = nullptr;
    ButtonFace* m_highlight = nullptr;
    QColor m_focusMarkColor{0, 255, 0};
    bool m_latching = false;
    bool m_latched = false;
    bool m_hovered = false;
};

// A picture of a button's state lying over the button. It is the button's look, not a control
// of its own: assistive technology is shown the button only (see accessibility.h).
class ButtonFace : public Picture {
    Q_OBJECT
public:
    ButtonFace(PictureButton* button, const QString& name, const QString& resource);
    PictureButton* button() const { return m_button; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureButton* m_button;
};

} // namespace zantrel
