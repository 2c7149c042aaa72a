#include "document.h"

#include "core/files.h"
#include "core/platform.h"
#include "core/savefile.h"
#include "core/usererror.h"
#include "fieldcodec.h"
#include "records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace zantrel {

QString Document::fileName() const {
    return QFileInfo(m_path).fileName();
}

void Document::load(const QString& path, const QByteArray& bytes, bool archived) {
    m_path = path;
    m_archived = archived;
    m_bytes = bytes;
    m_saved = bytes;
    m_current = bytes;
    m_type = bytes.isEmpty() ? 0 : std::uint8_t(bytes[0]);
    m_opened = false;
    m_name = m_savedName = m_description = m_savedDescription = QString();
    setValid(false);
    setModified(false);
}

int Document::kind() const {
    return recordFor(m_current).kindNumber;
}

std::uint32_t Document::value(const RecordRow& row) const {
    return fieldValue(m_current, row.offset, row.width);
}

void Document::setField(const RecordRow& row, const QString& text) {
    QByteArray bytes = m_current;
    setFieldValue(bytes, row.offset, row.width, parseValue(row, text, m_current));
    setCurrent(bytes);
}

void Document::setCurrent(const QByteArray& bytes) {
    if (bytes == m_current)
        return;
    const QByteArray old = m_current;
    m_current = bytes;
    // Told by the rows of the new record; a length change tells every field.
    for (const RecordRow& row : recordFor(bytes).rows)
        if (old.size() != bytes.size() ||
            old.mid(row.offset, row.width) != bytes.mid(row.offset, row.width))
            emit fieldChanged(row.offset, row.width);
    setModified(m_current != m_saved || nameChanged() || descriptionChanged());
}

namespace {

// A critter total is judged on the side the user changed. When both sides changed and the
// partner's bound is looser (the base hit points test for 0 or more only, the extra ones for
// at most 999 too), the page judged the pair by whichever was typed last, which the bytes do
// not say: the looser side's check decides, so a pair the page lets through saves.
template <typename AsOpened>
bool looserPartnerChanged(const Record& record, const RecordRow& row, const AsOpened& asOpened) {
    if (row.check != RowCheck::Total || row.partner < 0 || row.bound < 0)
        return false;
    const RecordRow* partner = rowAt(record.rows, row.partner);
    return partner && partner->check == RowCheck::Total &&
           (partner->bound < 0 || partner->bound > row.bound) &&
           !asOpened(partner->offset, partner->width);
}

} // namespace

QString Document::problem() const {
    const Record record = recordFor(m_current);
    const bool sameRecord = recordFor(m_bytes).kindNumber == record.kindNumber;
    const auto asOpened = [&](int offset, int width) {
        return sameRecord && offset + width <= m_bytes.size() &&
               m_bytes.mid(offset, width) == m_current.mid(offset, width);
    };
    for (const RecordRow& row : record.rows) {
        // A value as the file stores it is saved as it is.
        if (asOpened(row.offset, row.width))
            continue;
        if (looserPartnerChanged(record, row, asOpened))
            continue;
        const QString message = checkField(record, row, m_current);
        if (!message.isEmpty())
            return message;
    }
    return QString();
}

QByteArray Document::patched(QByteArray base) const {
    if (m_current.size() != m_bytes.size())
        base = resizedRecord(base, int(m_current.size()));
    for (const RecordRow& row : recordFor(m_current).rows)
        if (row.offset + row.width <= base.size())
            base.replace(row.offset, row.width, m_current.mid(row.offset, row.width));
    return base;
}

void Document::setListCounts(int scripts, int art) {
    m_scriptCount = scripts;
    m_artCount = art;
}

void Document::finishOpening() {
    m_opened = true;
    setModified(false);
    emit opened();
}

void Document::setModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Document::setValid(bool valid) {
    if (m_valid == valid)
        return;
    m_valid = valid;
    emit validityChanged(valid);
}

void Document::markSaved(const QString& path) {
    m_path = path;
    m_saved = m_current;
    m_savedName = m_name;
    m_savedDescription = m_description;
    m_archived = false;
    setModified(false);
    emit saved(path);
}

void Document::loadTexts(const QString& name, const QString& description) {
    m_name = m_savedName = name;
    m_description = m_savedDescription = description;
    setModified(m_current != m_saved);
}

qint64 Document::textId() const {
    return m_current.size() >= 8 ? qint64(fieldValue(m_current, 4, 4)) : -1;
}

void Document::setTexts(const QString& name, const QString& description) {
    if (name == m_name && description == m_description)
        return;
    m_name = name;
    m_description = description;
    emit textsChanged();
    setModified(m_current != m_saved || nameChanged() || descriptionChanged());
}

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

QByteArray resizedRecord(QByteArray bytes, int length) {
    if (length >= 0 && length != bytes.size())
        bytes.resize(length, '\0');
    return bytes;
}

QByteArray applyFields(QByteArray base, const QList<FieldWrite>& fields) {
    for (const FieldWrite& f : fields) {
        if (f.offset + f.width > base.size())
            continue; // a short file keeps its length: what it lacks is never written
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
