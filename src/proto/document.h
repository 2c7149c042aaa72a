#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

namespace zantrel {

struct RecordRow;

// The open prototype and the one owner of its values: which file, the bytes read from it, the
// bytes as they are now, whether it opened completely, has unsaved changes and may be saved.
// Pages show the current bytes and set fields on them; the lamp, the caption and the pages
// observe this object's signals.
class Document : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const QString& path() const { return m_path; }
    QString fileName() const;
    // The type read at opening: it picks the page, whatever the type byte is set to since.
    std::uint8_t type() const { return m_type; }
    const QByteArray& bytes() const { return m_bytes; }     // the whole file as it was opened
    const QByteArray& current() const { return m_current; } // as the user has edited it
    int kind() const; // the item or scenery kind word of the current bytes, -1 for none
    int scriptCount() const { return m_scriptCount; }
    int artCount() const { return m_artCount; }
    bool isOpened() const { return m_opened; }     // the last open went through completely
    bool isModified() const { return m_modified; } // bytes or texts differ from the saved
    bool isValid() const { return m_valid; }       // opened completely and no field marked red

    // A field's stored value in the current bytes.
    std::uint32_t value(const RecordRow& row) const;
    // The text typed for a field, converted by its row and set; throws UserError when it does
    // not convert. Range checks are problem()'s.
    void setField(const RecordRow& row, const QString& text);
    // All the bytes at once (an undo step, a kind change): each field that changed is told.
    void setCurrent(const QByteArray& bytes);
    // The first row whose check fails over the current bytes, as its message; empty when all
    // pass. A value the user has not changed from the opened file never counts.
    QString problem() const;
    // The bytes a save writes: base (the file as it is on disk, or the opened bytes) cut or
    // padded to the current length when the record's length changed, with every field of
    // the current record laid over it. Bytes outside the fields keep base's.
    QByteArray patched(QByteArray base) const;

    // A file's bytes were read: the document holds them, not yet completely opened. An
    // archived prototype has no file at path yet: saving writes one there.
    void load(const QString& path, const QByteArray& bytes, bool archived = false);
    bool isArchived() const { return m_archived; }
    void setListCounts(int scripts, int art);
    void finishOpening(); // every field filled: emits opened()
    void setModified(bool modified);
    void setValid(bool valid);
    // The bytes went to path (Save As moves the document there): no unsaved changes.
    void markSaved(const QString& path);

    // The object's name and description, as its message file holds them (set once it is
    // open) and as the user has edited them; they are saved with the bytes.
    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }
    // The texts of the opened file: nothing shown changes, so nothing is told.
    void loadTexts(const QString& name, const QString& description);
    void setTexts(const QString& name, const QString& description);
    // The text id of the current bytes (the number of the name's message); -1 for a record
    // too short to hold one.
    qint64 textId() const;
    bool nameChanged() const { return m_name != m_savedName; }
    bool descriptionChanged() const { return m_description != m_savedDescription; }

signals:
    void fieldChanged(int offset, int width); // after setCurrent or setField changed it
    void textsChanged();                      // after setTexts changed them
    void modifiedChanged(bool modified);
    void validityChanged(bool valid);
    void opened();
    void saved(const QString& path);

private:
    QString m_path;
    std::uint8_t m_type = 0;
    QByteArray m_bytes;   // as opened
    QByteArray m_saved;   // as last opened or saved: the lamp compares with it
    QByteArray m_current; // as edited
    QString m_name, m_savedName;
    QString m_description, m_savedDescription;
    int m_scriptCount = 0;
    int m_artCount = 0;
    bool m_opened = false;
    bool m_modified = false;
    bool m_valid = false;
    bool m_archived = false;
};

// One field the save writes: its place, its hex text, and whether the user left it as it
// was filled (such a field lying past the end of the file is not written, so short
// prototypes keep their length).
struct FieldWrite {
    int offset = 0;
    int width = 0;
    QString hex;
    bool untouched = false;
};

// Where a type keeps its header words: a tile has no light fields (flags at 12, script at
// 20), a misc object has no script field at all.
struct HeaderLayout {
    int flagsOffset;
    int scriptOffset; // -1: the type has none
};
HeaderLayout headerLayout(int objtype);

// A script id is a type byte and a 24-bit line index of scripts.lst; all ones is none.
constexpr std::uint32_t kNoScript = 0xFFFFFFFF;
// The line a script id names, or -1 for none.
qint64 scriptLine(std::uint32_t id);
// The id a picked line gets: the stored type byte is kept; a prototype that had no script
// takes the critter type (4) for critters and the item type (3) for the others.
std::uint32_t scriptIdForLine(std::uint32_t stored, int line, int objtype);

// The bytes cut to length, or padded with zeros up to it.
QByteArray resizedRecord(QByteArray bytes, int length);

// base with the fields applied by the hex codec.
QByteArray applyFields(QByteArray base, const QList<FieldWrite>& fields);

// Writes the bytes in one step (a temporary file renamed over the old one, so an
// interrupted save leaves the old file whole) and leaves the file read-only. A read-only
// file is replaced too. Throws UserError with the file layer's text and the path.
void writePrototype(const QString& path, const QByteArray& bytes);

bool isReadOnly(const QString& path);

} // namespace zantrel
