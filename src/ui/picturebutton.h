#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zantrel {

class Picture;

// A skin button drawn as pictures. The button itself is the widget under the pointer; its
// pressed and highlighted pictures lie over it at the same place but never take the mouse,
// so the press and the release of one click reach the same widget.
class PictureButton : public QAbstractButton {
    Q_OBJECT
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Picture* overlay(const QString& name, const QString& resource);
    void updatePictures();

    QPixmap m_picture;
    Picture* m_pressed = nullptr;
    Picture* m_highlight = nullptr;
    bool m_latching = false;
    bool m_latched = false;
    bool m_hovered = false;
};

} // namespace zantrel
