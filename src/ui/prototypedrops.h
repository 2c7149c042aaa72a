#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace zantrel {

// Takes a prototype file dropped anywhere on a window: on the window itself and on each of
// its boxes that take dropped text, which would otherwise get the file's name typed in.
// Other drags are left to the box under the pointer; the window itself refuses them.
class PrototypeDrops : public QObject {
    Q_OBJECT
public:
    // Watches window and its children as they are now.
    explicit PrototypeDrops(QWidget* window);

    // The one local file ending in ".pro" (any letter case) the drag carries, else empty.
    static QString prototypeIn(const QMimeData* data);

signals:
    // Sent after the drop is answered, so the program the file came from is not kept
    // waiting while the editor asks about unsaved changes.
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};

} // namespace zantrel
