#pragma once

#include <QLabel>
#include <QPoint>

namespace zantrel {

// A skin picture that reports mouse presses, moves and releases in its own coordinates:
// the frameless windows are dragged and their picture buttons pressed through these.
class Picture : public QLabel {
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, const QString& resource, const QRect& place,
            const QString& accessibleName = QString());
    void setResource(const QString& resource);

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);
    void entered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Shows one of two pictures lying at the same place.
void showOneOf(Picture* shown, Picture* hidden);

} // namespace zantrel
