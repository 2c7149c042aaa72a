#include "filewatch.h"

#include "core/files.h"
#include "core/usererror.h"

#include <QFileInfo>

namespace zantrel {

FileWatch::FileWatch(QObject* parent) : QObject(parent) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::fileChanged);
}

void FileWatch::watch(const QString& path, const QByteArray& bytes) {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_path = path;
    m_known = bytes;
    m_removed = false;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        m_watcher.addPath(path);
}

void FileWatch::fileChanged(const QString& path) {
    if (path != m_path)
        return;
    if (!QFileInfo(path).isFile()) {
        if (!m_removed) {
            m_removed = true;
            emit removedOutside(path);
        }
        return;
    }
    // A file replaced by renaming (as every save does) is a new file: watched anew.
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
    m_removed = false;
    QByteArray now;
    try {
        now = readFileBytes(path);
    } catch (const UserError&) {
        return; // being written: the next change tells
    }
    if (now == m_known)
        return; // a save of ours, or only its attributes changed
    m_known = now;
    emit changedOutside(path);
}

} // namespace zantrel
