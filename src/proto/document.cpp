#include "document.h"

#include "core/usererror.h"
#include "fieldcodec.h"
#include "core/files.h"
#include "core/platform.h"
#include "core/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace zantrel {

HeaderLayout headerLayout(int objtype) {
    switch (objtype) {
    case 4:
        return {12, 20};
    case 5:
        return {20, -1};
    default:
        return {20, 28};
    }
}

qint64 scriptLine(std::uint32_t id) {
    return id == kNoScript ? -1 : qint64(id & 0xFFFFFFu);
}

std::uint32_t scriptIdForLine(std::uint32_t stored, int line, int objtype) {
    const std::uint32_t type = stored != kNoScript ? stored >> 24 : objtype == 1 ? 4u : 3u;
    return type << 24 | (std::uint32_t(line) & 0xFFFFFFu);
}

QByteArray applyFields(QByteArray base, const QList<FieldWrite>& fields) {
    for (const FieldWrite& f : fields) {
        if (f.untouched && f.offset + f.width > base.size())
            continue;
        hexToField(base, f.offset, f.width, f.hex);
    }
    return base;
}

bool isReadOnly(const QString& path) {
    return platform::isReadOnly(path);
}

void writePrototype(const QString& path, const QByteArray& bytes) {
    saveFileAtomically(path, bytes, true);
}

} // namespace zantrel
