#include "files.h"

#include "core/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zantrel {

namespace {
// No game text, palette or frame file comes near this; larger ones are refused rather
// than read into memory.
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;
} // namespace

namespace {

// Depth-first over the candidates of each level, the exact name first, so that of two
// folders differing only in case the one holding the file is found.
bool resolveFrom(const QString& folder, const QStringList& parts, int i, QString& found) {
    if (i == parts.size()) {
        found = folder;
        return QFileInfo::exists(folder);
    }
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const QString& part = parts[i];
    if (QFileInfo::exists(prefix + part) && resolveFrom(prefix + part, parts, i + 1, found))
        return true;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries) {
        if (e != part && e.compare(part, Qt::CaseInsensitive) == 0 &&
            resolveFrom(prefix + e, parts, i + 1, found))
            return true;
    }
    return false;
}

} // namespace

QString resolvePath(const QString& base, const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found;
    if (!parts.isEmpty() && resolveFrom(base, parts, 0, found))
        return found;
    // Not found: the name as composed, so that opening it reports the missing file.
    QString path = base;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + rel;
}

QString fileErrorText(int posixError) {
    switch (posixError) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Invalid filename");
    default:
        return QStringLiteral("I/O error %1").arg(posixError);
    }
}

QByteArray readFileBytes(const QString& path) {
    if (path.isEmpty())
        throw UserError(fileErrorText(EINVAL), path);
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so a FIFO in the way cannot hang the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw UserError(fileErrorText(errno), path);
    struct stat st {};
    // Only regular files: a folder, a device or a pipe is no game file.
    int err = 0;
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    else if (!S_ISREG(st.st_mode))
        err = EACCES;
    else if (st.st_size > kMaxFileSize)
        err = EFBIG;
    if (err != 0) {
        ::close(fd);
        throw UserError(fileErrorText(err), path);
    }
    // The size fstat gave, read straight into place (what is appended meanwhile is not read).
    QByteArray data(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < data.size()) {
        const ssize_t got = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int readError = errno;
            ::close(fd);
            throw UserError(fileErrorText(readError), path);
        }
        if (got == 0)
            break; // shrunk meanwhile
        filled += got;
    }
    data.resize(filled);
    ::close(fd);
    return data;
}

} // namespace zantrel
