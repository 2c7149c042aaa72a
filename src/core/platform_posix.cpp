#include "platform.h"

namespace zantrel::platform {

bool isPseudoFileSystem(const QByteArray& type) {
    // squashfs is real, but it holds read-only package images (snaps) that would flood the box.
    static const char* const pseudo[] = {
        "autofs",   "binfmt_misc", "bpf",     "configfs",   "debugfs",     "devpts",
        "devtmpfs", "efivarfs",    "fusectl", "hugetlbfs",  "mqueue",      "nsfs",
        "proc",     "pstore",      "ramfs",   "rpc_pipefs", "securityfs",  "selinuxfs",
        "squashfs", "sysfs",       "tmpfs",   "tracefs",    "fuse.portal", "fuse.gvfsd-fuse",
    };
    const QByteArray t = type.toLower();
    if (t.startsWith("cgroup"))
        return true;
    for (const char* p : pseudo)
        if (t == p)
            return true;
    return false;
}

} // namespace zantrel::platform

// The rest is the POSIX side; on Windows platform_win.cpp stands in its place.
#ifndef Q_OS_WIN

#include "core/files.h"
#include "core/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zantrel::platform {

namespace {

// The mode bits only: the "user" flags say what the current user may do, and root may
// write anything.
constexpr QFileDevice::Permissions kWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

RegularFile::RegularFile(const QString& path) {
    if (path.isEmpty())
        throw UserError(fileErrorText(EINVAL), path);
    // Non-blocking, so a FIFO in the way cannot hang the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw UserError(fileErrorText(errno), path);
    m_handle = fd;
    struct stat st {};
    // Only regular files: a folder, a device or a pipe is no game file.
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    else if (!S_ISREG(st.st_mode))
        err = EACCES;
    if (err != 0) {
        ::close(fd);
        throw UserError(fileErrorText(err), path);
    }
    m_size = st.st_size;
}

RegularFile::~RegularFile() {
    ::close(int(m_handle));
}

qint64 RegularFile::readAt(qint64 offset, char* into, qint64 size) const {
    // pread, so no file position is shared between readers.
    qint64 done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(int(m_handle), into + done, size_t(size - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

QStringList driveRoots() {
    QStringList roots;
    auto add = [&roots](const QString& path) {
        const QString root = QDir::cleanPath(path);
        // Bind mounts of single files (containers do that) are no roots.
        if (!root.isEmpty() && !roots.contains(root) && QFileInfo(root).isDir())
            roots << root;
    };
    add(QDir::rootPath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !isPseudoFileSystem(volume.fileSystemType()))
            add(volume.rootPath());
    add(QDir::homePath());
    return roots;
}

bool isWritableFolder(const QString& folder) {
    // access(2) answers for the current user, root included.
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool isReadOnly(const QString& path) {
    return QFileInfo::exists(path) && !(QFile::permissions(path) & kWrite);
}

bool setReadOnly(const QString& path, bool readOnly) {
    // WriteUser is how Qt spells the owner's write bit when setting permissions; lifting
    // the attribute gives the owner back the right to write, as Windows does.
    const QFileDevice::Permissions now = QFile::permissions(path);
    return QFile::setPermissions(path, readOnly ? now & ~(kWrite | QFileDevice::WriteUser)
                                                : now | QFileDevice::WriteOwner);
}

} // namespace zantrel::platform

#endif
