#include "cursorfile.h"

#include <QByteArray>
#include <QFile>
#include <QPixmap>

namespace zantrel {

// A 6-byte directory, then entries whose words at 4 and 6 are the hot spot. Qt reads the
// picture; the hot spot we take from the file ourselves.
bool readCursorFile(const QString& path, QCursor& cursor) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(22);
    const QPixmap picture(path, "CUR");
    if (picture.isNull() || head.size() < 22)
        return false;
    auto word = [&head](int at) { return int(quint8(head[at])) | int(quint8(head[at + 1])) << 8; };
    cursor = QCursor(picture, word(10), word(12));
    return true;
}

} // namespace zantrel
