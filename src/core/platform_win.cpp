#include "platform.h"

// The whole file is the Windows side; elsewhere platform_posix.cpp stands in its place.
#ifdef Q_OS_WIN

#include "core/files.h"
#include "core/usererror.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <string>

// Without the min and max macros, which clash with std:: and Qt.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace zantrel::platform {

namespace {

std::wstring nativeName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// The same texts the POSIX side reports; codes without a counterpart keep their number.
QString windowsErrorText(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return fileErrorText(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return fileErrorText(EACCES);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_PARAMETER:
        return fileErrorText(EINVAL);
    default:
        return ioErrorText(qint64(code));
    }
}

HANDLE handleOf(qintptr h) {
    return reinterpret_cast<HANDLE>(h);
}

} // namespace

RegularFile::RegularFile(const QString& path) {
    if (path.isEmpty())
        throw UserError(fileErrorText(EINVAL), path);
    // Shared for everything, so the game (or another editor) may keep the file open, write
    // it or delete it meanwhile. Without backup semantics a folder fails to open.
    const HANDLE h = CreateFileW(nativeName(path).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw UserError(windowsErrorText(GetLastError()), path);
    m_handle = reinterpret_cast<qintptr>(h);
    // Only files on a disk: a console, a printer port or a pipe is no game file.
    QString error;
    LARGE_INTEGER size{};
    if (GetFileType(h) != FILE_TYPE_DISK)
        error = fileErrorText(EACCES);
    else if (!GetFileSizeEx(h, &size))
        error = windowsErrorText(GetLastError());
    if (!error.isEmpty()) {
        CloseHandle(h);
        throw UserError(error, path);
    }
    m_size = size.QuadPart;
}

RegularFile::~RegularFile() {
    CloseHandle(handleOf(m_handle));
}

qint64 RegularFile::readAt(qint64 offset, char* into, qint64 size) const {
    qint64 done = 0;
    while (done < size) {
        // The offset travels with each read, as pread's does.
        OVERLAPPED at{};
        at.Offset = DWORD(quint64(offset + done));
        at.OffsetHigh = DWORD(quint64(offset + done) >> 32);
        const DWORD want = DWORD(qMin<qint64>(size - done, qint64(1) << 24));
        DWORD got = 0;
        if (!ReadFile(handleOf(m_handle), into + done, want, &got, &at))
            return GetLastError() == ERROR_HANDLE_EOF ? done : -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

QStringList driveRoots() {
    QStringList roots;
    auto add = [&roots](const QString& path) {
        const QString root = QDir::cleanPath(QDir::fromNativeSeparators(path));
        if (!root.isEmpty() && !roots.contains(root, Qt::CaseInsensitive))
            roots << root;
    };
    for (const QFileInfo& drive : QDir::drives())
        add(drive.absoluteFilePath());
    add(QDir::homePath());
    return roots;
}

bool isWritableFolder(const QString& folder) {
    // Qt's permission flags on Windows only see the read-only attribute, which folders
    // ignore; the folder's access rules decide, so try them.
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("zantrel-XXXXXX.tmp")));
    return probe.open();
}

bool isReadOnly(const QString& path) {
    const DWORD attributes = GetFileAttributesW(nativeName(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool setReadOnly(const QString& path, bool readOnly) {
    const std::wstring name = nativeName(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    // "Normal" may only stand alone.
    const DWORD others = attributes & ~DWORD(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY);
    DWORD wanted = readOnly ? others | FILE_ATTRIBUTE_READONLY : others;
    if (wanted == 0)
        wanted = FILE_ATTRIBUTE_NORMAL; // the one value that means "no attributes"
    return wanted == attributes || SetFileAttributesW(name.c_str(), wanted);
}

} // namespace zantrel::platform

#endif
