#include "files.h"

#include "core/platform.h"
#include "core/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace zantrel {

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
    case EISDIR:
        return QStringLiteral("This is a folder, not a file");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENAMETOOLONG:
    case EINVAL:
        return QStringLiteral("Invalid filename");
    default:
        return ioErrorText(posixError);
    }
}

QString ioErrorText(qint64 code) {
    return QStringLiteral("I/O error %1").arg(code);
}

QByteArray readFileBytes(const QString& path) {
    const platform::RegularFile file(path);
    if (file.size() > kMaxFileSize)
        throw UserError(fileErrorText(EFBIG), path);
    QByteArray data(qsizetype(file.size()), Qt::Uninitialized);
    const qint64 got = file.readAt(0, data.data(), data.size());
    if (got < 0)
        throw UserError(fileErrorText(EIO), path);
    data.resize(qsizetype(got)); // shrunk meanwhile
    return data;
}

QByteArray readFileHead(const QString& path, qint64 n) {
    const platform::RegularFile file(path);
    QByteArray data(qsizetype(qBound<qint64>(0, file.size(), n)), Qt::Uninitialized);
    const qint64 got = file.readAt(0, data.data(), data.size());
    if (got < 0)
        throw UserError(fileErrorText(EIO), path);
    data.resize(qsizetype(got));
    return data;
}

QString normalizedPath(const QString& text) {
    return QDir::fromNativeSeparators(text);
}

} // namespace zantrel
