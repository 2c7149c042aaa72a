#include "documentcontroller.h"

#include "app.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "documenthistory.h"
#include "filewatch.h"
#include "flags.h"
#include "gamedata/datafolder.h"
#include "gamedata/lists.h"
#include "gamedata/messagewriter.h"
#include "gamedata/prototypes.h"
#include "headerpanel.h"
#include "markedfield.h"
#include "objecttexts.h"
#include "prompter.h"
#include "proto/document.h"
#include "simplepages.h"
#include "typepage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>

#include <cerrno>
#include <cmath>

namespace zantrel {

namespace {
constexpr int kHeaderMinimum = 12; // object id, text id, frame id
constexpr int kLastObjectType = 5; // misc
const char* const kCannotSave = QT_TRANSLATE_NOOP("zantrel::DocumentController",
                                                  "Cannot save file. Please check marked fields");
const char* const kProtoFilter =
    QT_TRANSLATE_NOOP("zantrel::DocumentController", "Fallout PROTO (*.pro)|*.pro");
// Asked as closing asks: "Changes are not saved. Do you really want to open a file?"
const char* const kOpenQuestion = QT_TRANSLATE_NOOP(
    "zantrel::DocumentController", "Изменения не сохранены. Вы действительно хотите открыть файл?");
} // namespace

DocumentController::DocumentController(AppContext& app, Document& document,
                                       const EditorParts& parts, QObject* parent)
    : QObject(parent), m_app(app), m_document(document), m_parts(parts),
      m_history(new DocumentHistory(document, this)), m_watch(new FileWatch(this)),
      m_texts(new ObjectTextsEditor(app, document, m_history->stack(), parts.window)) {
    connect(m_history, &DocumentHistory::restored, this, &DocumentController::redraw);
    connect(&m_document, &Document::fieldChanged, this,
            [this](int offset, int width) { m_changed.add(offset, width); });
    connect(m_watch, &FileWatch::changedOutside, this, &DocumentController::changedOutside);
    connect(m_watch, &FileWatch::removedOutside, this, &DocumentController::removedOutside);
    // An edited name shows at once beside the script, not only after the save.
    connect(&m_document, &Document::textsChanged, this, &DocumentController::refreshDescription);
}

QUndoStack* DocumentController::history() const {
    return m_history->stack();
}

void DocumentController::editTexts() {
    m_texts->edit();
}

void DocumentController::takeEdit() {
    if (m_redrawing || !m_document.isOpened())
        return; // the controls follow the document, or are being filled at opening
    TypePage* page = typePage();
    QByteArray base = m_document.current();
    // A record whose kind changed is cut or padded to its new kind's length.
    if (page)
        base = resizedRecord(base, page->savedLength(int(base.size())));
    QList<FieldWrite> writes = m_parts.header->fieldWrites();
    if (page)
        writes += page->convertedWrites();
    // The step is named after the control the user worked, a run of typing in one box
    // merges; a control of another window (or none) leaves the name to the field.
    QWidget* focus = QApplication::focusWidget();
    const bool ours = focus && m_parts.window->isAncestorOf(focus);
    const QString label = ours ? focus->accessibleName() : QString();
    const bool typing = ours && qobject_cast<QLineEdit*>(focus);
    m_history->record(applyFields(base, writes), typing ? focus->objectName() : QString(), label);
    m_changed.clear(); // the controls show these values already
    updateValidity();
}

void DocumentController::redraw() {
    m_redrawing = true;
    try {
        m_parts.header->showBytes(m_document.current());
        if (TypePage* page = typePage())
            page->refill(m_document.current(), m_document.bytes(), m_changed);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
    }
    m_redrawing = false;
    m_changed.clear();
    refreshDescription();
    updateValidity();
}

void DocumentController::changedOutside(const QString& path) {
    const QString question = tr("The file has been changed by another program. Reload it?");
    if (!m_app.prompter->question(m_parts.window, tr("File changed"),
                                  AppContext::withPath(question, path)))
        return; // the editor's values stay; a save patches the file as it is now
    openfile(path);
}

void DocumentController::removedOutside(const QString& path) {
    showError(tr("The file has been removed by another program. Saving writes it anew."), path);
}

void DocumentController::showError(const QString& text, const QString& path) {
    m_app.prompter->error(m_parts.window, tr("Error"), AppContext::withPath(text, path));
}

void DocumentController::showTypePage(int type) {
    // An unknown type has no page: none is shown, whatever the object type box says, so no
    // page shows the values of another file.
    const bool known = m_document.type() <= kLastObjectType;
    m_parts.pages->setVisible(known);
    if (!known)
        return;
    m_parts.pages->setCurrentIndex(type);
    for (int i = 0; i < 6; ++i)
        m_parts.pages->setTabEnabled(i, i == type);
    if (TypePage* page = type == 0 ? m_parts.itemPage : type == 1 ? m_parts.critterPage : nullptr)
        page->showFirstInnerPage();
}

TypePage* DocumentController::typePage() const {
    switch (m_document.type()) {
    case 0:
        return m_parts.itemPage;
    case 1:
        return m_parts.critterPage;
    default:
        return m_parts.simplePages->page(m_document.type());
    }
}

void DocumentController::updateValidity() {
    const TypePage* page = typePage();
    m_document.setValid(m_document.isOpened() && (!page || page->valid()) &&
                        m_document.problem().isEmpty());
}

bool DocumentController::mayReplaceDocument() {
    return !m_document.isModified() ||
           m_app.prompter->confirm(m_parts.window, tr("Confirm"), tr(kOpenQuestion));
}

void DocumentController::openWithDialog() {
    if (!mayReplaceDocument())
        return;
    const QString chosen =
        m_app.prompter->openFile(m_parts.window, QDir::currentPath(), tr(kProtoFilter));
    if (!chosen.isEmpty())
        openfile(chosen);
}

bool DocumentController::openPath(const QString& path) {
    if (!mayReplaceDocument())
        return false;
    const bool opened = openfile(path);
    m_parts.window->activateWindow();
    m_parts.window->setFocus();
    return opened;
}

bool DocumentController::openfile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return false; // nothing was read: the open document stays as it was
    }
    return openBytes(path, bytes, false);
}

void DocumentController::openGameFile(const QString& relative) {
    if (!mayReplaceDocument())
        return;
    const GameData& data = m_app.gameData();
    QByteArray bytes;
    try {
        bytes = data.readGamePath(relative);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return;
    }
    // Archives are never written: an archived prototype is saved as a loose file at the same
    // place under the patches folder, where the game looks first.
    const std::optional<GameSource> source = data.view()->locate(relative);
    const bool archived = source && source->kind == GameSource::Kind::Archive;
    const QString path = archived || !source ? patchesPath(data, relative) : source->name;
    openBytes(path, bytes, archived);
    m_parts.window->activateWindow();
}

bool DocumentController::openBytes(const QString& path, const QByteArray& bytes, bool archived) {
    // Less than the object id, text id and frame id is no prototype: the open one stays.
    if (bytes.size() < kHeaderMinimum) {
        showError(tr("Not a prototype: the file holds only %1 bytes").arg(bytes.size()), path);
        return false;
    }
    m_document.load(path, bytes, archived);
    m_changed.clear();
    bool ok = readLists();
    if (ok) {
        enableForOpen();
        ok = setvalues();
    }
    updateValidity();
    showTextWarnings();
    if (ok && !archived)
        emit fileUsed(path); // an archived prototype has no file yet: its first save makes one
    return ok;
}

// What the names of this opening skipped in the game's message files: each file once.
void DocumentController::showTextWarnings() {
    for (const UserError& w : m_app.gameData().textWarnings().take())
        m_app.prompter->error(m_parts.window, tr("Warning"),
                              AppContext::withPath(w.text(), w.path()));
}

bool DocumentController::readLists() {
    HeaderPanel* header = m_parts.header;
    header->scripts()->clear();
    header->frames()->clear();
    header->flags()->clearflags();
    const GameData& data = m_app.gameData();
    try {
        const ListContents scripts = readListBytes(
            data.read(DataKind::ScriptList, QStringLiteral("scripts.lst")), ListMode::First12);
        DataKind kind;
        QString list;
        ListContents art;
        if (artListFor(m_document.type(), kind, list))
            art = readListBytes(data.read(kind, list), ListMode::First12);
        else
            art.entries << kNoneEntry; // a type with no art list offers only "<NONE>"
        header->scripts()->addItems(scripts.entries);
        header->scripts()->setCurrentIndex(0);
        header->frames()->addItems(art.entries);
        header->frames()->setCurrentIndex(0);
        m_document.setListCounts(scripts.count, art.count);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return false;
    }
    return true;
}

void DocumentController::enableForOpen() {
    for (QPushButton* b : m_parts.descriptionButtons)
        if (b)
            b->setEnabled(true);
    for (TypePage* page : {m_parts.itemPage, m_parts.critterPage})
        page->opened();
    emit fileShown();
    m_parts.pages->setEnabled(true);
    m_parts.header->enableForOpen();
}

bool DocumentController::setvalues() {
    HeaderPanel* header = m_parts.header;
    header->selectHex();
    if (!header->fill(m_document.bytes()))
        return false; // an object type the panel cannot show stopped the filling
    header->flags()->setcommonflags();
    if (m_document.type() > kLastObjectType) {
        showTypePage(0);
        header->edit(6)->setText(tr("Unknown"));
        m_app.prompter->error(m_parts.window, tr("Warning"),
                              AppContext::withPath(tr("Unknown object type %1: only the header "
                                                      "is shown")
                                                       .arg(m_document.type()),
                                                   m_document.path()));
    }
    refreshDescription();
    if (TypePage* page = typePage()) {
        try {
            page->fill(m_document.bytes());
        } catch (const UserError& e) {
            showError(e.text(), e.path());
            return false; // a page filled part-way is not saved
        }
    }
    m_savePreset = m_document.path();
    m_document.finishOpening();
    m_texts->load();
    m_history->restart();
    m_watch->watch(m_document.isArchived() ? QString() : m_document.path(), m_document.bytes());
    return true;
}

// Says why a save is refused: the first red field, brought forward on its tab.
bool DocumentController::maySave() {
    updateValidity();
    if (m_document.isValid())
        return true;
    QString text = tr(kCannotSave);
    const MarkedField marked = findMarkedField(m_parts.pages);
    if (marked.box) {
        showMarkedField(marked);
        text += tr("\n\nFirst marked field: \"%1\" on the tab \"%2\".")
                    .arg(marked.box->accessibleName(), marked.tabs);
        if (!marked.box->toolTip().isEmpty())
            text += QLatin1Char('\n') + marked.box->toolTip();
    } else if (!m_document.problem().isEmpty()) {
        text += QStringLiteral("\n\n") + m_document.problem();
    }
    m_app.prompter->error(m_parts.window, tr("Error!"), text);
    return false;
}

void DocumentController::save() {
    if (maySave())
        savefile(m_document.path(), false);
}

void DocumentController::saveAs() {
    if (!maySave())
        return;
    const QString chosen = m_app.prompter->saveFile(m_parts.window, m_savePreset, tr(kProtoFilter),
                                                    QStringLiteral("pro"));
    if (!chosen.isEmpty())
        savefile(chosen, true);
}

bool DocumentController::savefile(const QString& path, bool saveAs) {
    m_parts.header->selectHex();
    try {
        // Every field converts, or the first that does not is told and nothing is written.
        if (const TypePage* page = typePage())
            page->fieldWrites();
        // Save keeps what the file holds now outside the fields; Save As writes the
        // document: the opened file's bytes with the fields applied. A file removed since
        // is written anew.
        const bool firstLoose = !saveAs && m_document.isArchived();
        if (firstLoose && !QDir().mkpath(QFileInfo(path).path()))
            throw UserError(fileErrorText(EACCES), path);
        const bool fromDisk = !saveAs && !firstLoose && QFileInfo::exists(path);
        const QByteArray written =
            m_document.patched(fromDisk ? readFileBytes(path) : m_document.bytes());
        // The names first: a prototype is never saved with texts that were not.
        m_texts->save();
        writePrototype(path, written);
        m_watch->watch(path, written);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
        return false;
    }
    m_document.markSaved(saveAs ? path : m_document.path());
    m_history->markClean();
    if (saveAs)
        m_savePreset = path;
    emit fileUsed(m_document.path());
    prototypeWritten();
    return true;
}

void DocumentController::prototypeWritten() {
    // The file may be one the game's list names: its stored id, text id or kind, and where
    // the game takes it from, may be new.
    const int type = m_document.type();
    if (type < 0 || type >= kObjectTypeCount)
        return;
    try {
        m_app.catalogue.typeWritten(ObjectType(type));
    } catch (const UserError& e) {
        showError(e.text(), e.path());
    }
}

void DocumentController::refreshDescription() {
    if (m_document.type() > kLastObjectType)
        return; // no page, so no description box
    HeaderPanel* header = m_parts.header;
    const GameData& data = m_app.gameData();
    try {
        const qint64 number = header->textIdValue();
        const QString names = nameMessageFile(m_document.type());
        // The name being edited is the one of the text id the document holds; any other
        // number typed shows what the message file has.
        const bool edited = m_document.nameChanged() && number == m_document.textId();
        const QString name = edited ? m_document.name() + QLatin1Char(' ')
                             : names.isEmpty()
                                 ? kNoneEntry
                                 : shownObjectMessage(data, m_document.type(), number);
        QString description = kNoneEntry;
        const int script = header->scripts()->currentIndex();
        if (script != m_document.scriptCount())
            description = scriptDescriptionBytes(
                data.read(DataKind::ScriptList, QStringLiteral("scripts.lst")), qMax(script, 0));
        const int type = int(roundHalfEven(std::fabs(header->typeFieldValue())));
        QPlainTextEdit* memo =
            type == 1 ? m_parts.critterPage->descriptionBox() : m_parts.simplePages->memo(type);
        if (!memo)
            return; // items show no description
        memo->setPlainText(tr("Name: ") + name + tr("\nScript description: ") + description);
    } catch (const UserError& e) {
        showError(e.text(), e.path());
    }
}

} // namespace zantrel
