#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Everything that differs between Windows and the POSIX systems, behind one set of
// functions: platform_posix.cpp and platform_win.cpp each hold one side, so no other
// file needs an #ifdef for the file system.
namespace zantrel::platform {

// A regular file opened for reading at any offset. Devices, pipes and folders are refused
// ("File access denied"); opening never blocks, and on Windows the file stays open to the
// game for reading, writing and deleting. Throws UserError with the file layer's text and
// the path.
class RegularFile {
public:
    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The size when opened.
    qint64 size() const { return m_size; }
    // Up to size bytes at offset, fewer where the file ends first; -1 when reading fails.
    qint64 readAt(qint64 offset, char* into, qint64 size) const;

private:
    qintptr m_handle; // a file descriptor, or a Windows handle
    qint64 m_size = 0;
};

// The roots the tree window's drive box offers: the drive letters on Windows; elsewhere
// "/" first, then the mount points of real volumes; the user's home folder last.
QStringList driveRoots();

// Mounted file systems that hold no user files (proc, sysfs, tmpfs, cgroup ...).
bool isPseudoFileSystem(const QByteArray& type);

// Whether a file can be created in folder. On Windows the folder's access rules decide,
// which Qt's permission flags do not consult.
bool isWritableFolder(const QString& folder);

// The read-only attribute on Windows; elsewhere a file without any write permission bit.
bool isReadOnly(const QString& path);
bool setReadOnly(const QString& path, bool readOnly);

} // namespace zantrel::platform
