#include "savefile.h"

#include "core/files.h"
#include "core/platform.h"
#include "core/usererror.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace zantrel {

namespace {

QString saveErrorText(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
        return fileErrorText(EACCES);
    default:
        return fileErrorText(EIO);
    }
}

} // namespace

bool SaveSteps::isReadOnly(const QString& path) {
    return platform::isReadOnly(path);
}

bool SaveSteps::setReadOnly(const QString& path, bool readOnly) {
    return platform::setReadOnly(path, readOnly);
}

QFileDevice::FileError SaveSteps::commit(QSaveFile& file) {
    return file.commit() ? QFileDevice::NoError : file.error();
}

void saveFileAtomically(const QString& path, const QByteArray& bytes, bool leaveReadOnly) {
    SaveSteps steps;
    saveFileAtomically(path, bytes, leaveReadOnly, steps);
}

void saveFileAtomically(const QString& path, const QByteArray& bytes, bool leaveReadOnly,
                        SaveSteps& steps) {
    // The reading side's texts for the same faults: a file where a folder should be is a
    // missing folder.
    const QFileInfo info(path);
    if (info.isDir())
        throw UserError(fileErrorText(EISDIR), path);
    if (!info.dir().exists())
        throw UserError(fileErrorText(ENOENT), path);
    QSaveFile out(path);
    // Writing in place would lose the old file on a failure.
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        throw UserError(saveErrorText(out.error()), path);
    if (out.write(bytes) != bytes.size()) {
        const QString text = saveErrorText(out.error());
        out.cancelWriting();
        throw UserError(text, path);
    }
    const bool wasReadOnly = steps.isReadOnly(path);
    if (wasReadOnly)
        steps.setReadOnly(path, false);
    const QFileDevice::FileError error = steps.commit(out);
    // A failed attribute change loses no data, so it is not reported: the bytes are saved,
    // or the old file is kept.
    if (error != QFileDevice::NoError) {
        if (wasReadOnly)
            steps.setReadOnly(path, true);
        throw UserError(saveErrorText(error), path);
    }
    if (leaveReadOnly || wasReadOnly)
        steps.setReadOnly(path, true);
}

} // namespace zantrel
