#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

namespace zantrel {

// Watches the open prototype's file, so that a change made by another program is told; the
// editor's own saves are known by their bytes and told nothing.
class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(QObject* parent = nullptr);

    // Watches path, which holds bytes as the editor knows it; an empty path watches nothing.
    void watch(const QString& path, const QByteArray& bytes);

signals:
    void changedOutside(const QString& path);
    void removedOutside(const QString& path);

private:
    void fileChanged(const QString& path);

    QFileSystemWatcher m_watcher;
    QString m_path;
    QByteArray m_known; // what the file held when last written, read or told
    bool m_removed = false;
};

} // namespace zantrel
