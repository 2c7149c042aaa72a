#include "newprototype.h"

#include "core/files.h"
#include "core/platform.h"
#include "core/savefile.h"
#include "core/usererror.h"
#include "listfile.h"
#include "proto/fieldcodec.h"
#include "prototypes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace zantrel {

namespace {

// A file as it was before a step, to put back when a later step fails.
struct Kept {
    QString path;
    bool existed = false;
    QByteArray bytes;

    static Kept of(const QString& path) {
        Kept k{path, QFileInfo(path).isFile(), QByteArray()};
        if (k.existed)
            k.bytes = readFileBytes(path);
        return k;
    }
    // Best effort: the failure that started the undo is the one to tell.
    void restore() const noexcept {
        try {
            if (existed) {
                saveFileAtomically(path, bytes, false);
            } else if (QFileInfo(path).isFile()) {
                platform::setReadOnly(path, false);
                QFile::remove(path);
            }
        } catch (const UserError&) {
        }
    }
};

// The folders above file that are not there yet: the ones a failed step takes away again.
QStringList missingFolders(const QString& file) {
    QStringList out;
    for (QFileInfo f(QFileInfo(file).path()); !f.exists() && !f.isRoot(); f = QFileInfo(f.path()))
        out << f.filePath();
    return out;
}

// Deepest first, and only while empty: a folder someone filled since is theirs.
void removeFolders(QStringList folders) noexcept {
    std::sort(folders.begin(), folders.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& folder : folders)
        QDir().rmdir(folder);
}

void makeFolder(const QString& file) {
    const QString folder = QFileInfo(file).path();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw UserError(fileErrorText(EACCES), folder);
}

// The first name from n on that no file of the type and no list line has.
QString freeName(const GameData& data, ObjectType type, const ListFile& list, int n) {
    QSet<QString> listed;
    for (int i = 0; i < list.count(); ++i)
        listed.insert(QString::fromLatin1(list.name(i)).toLower());
    const QString folder = QStringLiteral("proto/") + typeFolder(type) + QLatin1Char('/');
    for (;; ++n) {
        const QString name = QStringLiteral("%1.pro").arg(n, 8, 10, QLatin1Char('0'));
        if (!listed.contains(name) && !data.existsGamePath(folder + name) &&
            !QFileInfo::exists(patchesPath(data, folder + name)))
            return name;
    }
}

} // namespace

NewPrototype createPrototype(const GameData& data, ObjectType type, const QByteArray& start,
                             const ObjectTexts& texts) {
    if (start.size() < 12 || std::uint8_t(start[0]) != std::uint8_t(type))
        throw UserError(QStringLiteral("The prototype to start from is not of the type %1")
                            .arg(typeFolder(type)));
    // Refused texts stop it before anything is written.
    if (texts.name)
        messageTextBytes(*texts.name, TextBox::Name, data.codePage());
    if (texts.description)
        messageTextBytes(*texts.description, TextBox::Description, data.codePage());

    const QString listPath = patchesPath(data, prototypeListPath(type));
    if (listPath.isEmpty())
        throw UserError(QStringLiteral("No game folder: no prototype can be added"));
    const Kept list = Kept::of(listPath);
    QByteArray listBytes = list.bytes;
    if (!list.existed && data.existsGamePath(prototypeListPath(type)))
        listBytes = data.readGamePath(prototypeListPath(type));
    const ListFile lines(listBytes);
    const int n = lines.count() + 1;
    if (n > 0xFFFFFF)
        throw UserError(QStringLiteral("The list holds too many lines for another id"), listPath);

    NewPrototype made;
    made.id = std::uint32_t(type) << 24 | std::uint32_t(n);
    const QString name = freeName(data, type, lines, n);
    made.file = patchesPath(data, QStringLiteral("proto/%1/%2").arg(typeFolder(type), name));
    QByteArray bytes = start;
    setFieldValue(bytes, 0, 4, made.id);
    setFieldValue(bytes, 4, 4, std::uint32_t(n) * 100);
    const QString messagesPath = objectTextsPath(data, int(type));
    const QStringList created = missingFolders(made.file) + missingFolders(messagesPath);
    const Kept written{made.file, false, QByteArray()};
    const Kept messages = Kept::of(messagesPath);
    try {
        makeFolder(made.file);
        saveFileAtomically(made.file, bytes, true);
        if (texts.name || texts.description)
            writeObjectTexts(data, int(type), qint64(n) * 100, texts);
        makeFolder(listPath);
        saveFileAtomically(listPath, appendListLine(listBytes, name.toLatin1()), false);
    } catch (const UserError&) {
        messages.restore();
        written.restore();
        removeFolders(created);
        throw;
    }
    return made;
}

} // namespace zantrel
