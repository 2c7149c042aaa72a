#include "prototypedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace zantrel {

PrototypeDrops::PrototypeDrops(QWidget* window) : QObject(window), m_window(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

QString PrototypeDrops::prototypeIn(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {}; // one prototype at a time
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".pro"), Qt::CaseInsensitive) ? path : QString();
}

bool PrototypeDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = prototypeIn(drop->mimeData());
    if (path.isEmpty() && watched != m_window)
        return false; // not a prototype: the box's own drop handling
    // A copy, never a move: the file stays where it is; a link where only that is offered.
    const Qt::DropActions offered = drop->possibleActions();
    const Qt::DropAction action = offered & Qt::CopyAction   ? Qt::CopyAction
                                  : offered & Qt::LinkAction ? Qt::LinkAction
                                                             : Qt::IgnoreAction;
    if (path.isEmpty() || action == Qt::IgnoreAction) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { emit dropped(path); }, Qt::QueuedConnection);
    return true;
}

} // namespace zantrel
