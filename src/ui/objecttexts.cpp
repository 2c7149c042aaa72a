#include "objecttexts.h"

#include "app.h"
#include "core/usererror.h"
#include "gamecatalogue.h"
#include "gamedata/catalogue.h"
#include "gamedata/messagewriter.h"
#include "prompter.h"
#include "proto/document.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoCommand>
#include <QUndoStack>

namespace zantrel {

namespace {

// One edit of the two texts: undo puts the earlier pair back.
class TextsStep : public QUndoCommand {
public:
    TextsStep(Document& document, QString name, QString description)
        : QUndoCommand(ObjectTextsEditor::tr("Name and Description")),
          m_document(document), m_before{document.name(), document.description()},
          m_after{std::move(name), std::move(description)} {}
    void redo() override { m_document.setTexts(m_after.first, m_after.second); }
    void undo() override { m_document.setTexts(m_before.first, m_before.second); }

private:
    Document& m_document;
    std::pair<QString, QString> m_before, m_after;
};

bool hasTexts(const Document& document) {
    return document.isOpened() && document.type() < kObjectTypeCount && document.textId() >= 0;
}

} // namespace

TextBoxes addTextBoxes(QFormLayout* form, const QString& name, const QString& description) {
    QWidget* parent = form->parentWidget();
    TextBoxes boxes{new QLineEdit(name, parent), new QPlainTextEdit(description, parent)};
    boxes.name->setObjectName(QStringLiteral("Edit120"));
    boxes.name->setAccessibleName(ObjectTextsDialog::tr("Name"));
    boxes.description->setObjectName(QStringLiteral("Memo6"));
    boxes.description->setAccessibleName(ObjectTextsDialog::tr("Description"));
    boxes.description->setTabChangesFocus(true);
    form->addRow(ObjectTextsDialog::tr("Name:"), boxes.name);
    form->addRow(ObjectTextsDialog::tr("Description:"), boxes.description);
    return boxes;
}

bool textsMayBeKept(const AppContext& app, QWidget* parent, const QString& name,
                    const QString& description) {
    try {
        const QString codePage = app.gameData().codePage();
        messageTextBytes(name, TextBox::Name, codePage);
        messageTextBytes(description, TextBox::Description, codePage);
        return true;
    } catch (const UserError& e) {
        app.prompter->error(parent, ObjectTextsEditor::tr("Error!"), e.text());
        return false;
    }
}

ObjectTextsDialog::ObjectTextsDialog(QWidget* parent, const QString& name,
                                     const QString& description, int sharing)
    : TextsDialog(parent), m_sharing(new QLabel(this)) {
    setObjectName(QStringLiteral("ObjectTexts"));
    setWindowTitle(tr("Name and Description"));
    m_sharing->setObjectName(QStringLiteral("Label120"));
    // Two texts, not one with %n: without a translation loaded the source text is shown.
    if (sharing == 1)
        m_sharing->setText(tr("Also the name of 1 other prototype: changing it renames it too."));
    else if (sharing > 1)
        m_sharing->setText(
            tr("Also the name of %1 other prototypes: changing it renames them too.").arg(sharing));
    m_sharing->setWordWrap(true);
    m_sharing->setVisible(sharing > 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    m_boxes = addTextBoxes(form, name, description);
    form->addRow(m_sharing);
    form->addRow(buttons);
    resize(420, 240);
}

QString TextsDialog::name() const {
    return m_boxes.name->text();
}

QString TextsDialog::description() const {
    return m_boxes.description->toPlainText();
}

void TextsDialog::accept() {
    if (!check || check())
        QDialog::accept();
}

ObjectTextsEditor::ObjectTextsEditor(AppContext& app, Document& document, QUndoStack* history,
                                     QWidget* window)
    : QObject(window), m_app(app), m_document(document), m_history(history), m_window(window) {}

void ObjectTextsEditor::load() {
    if (!hasTexts(m_document))
        return;
    try {
        const ShownTexts texts =
            readObjectTexts(m_app.gameData(), m_document.type(), m_document.textId());
        m_document.loadTexts(texts.name, texts.description);
    } catch (const UserError&) {
        m_document.loadTexts(QString(), QString()); // the archive's fault is told elsewhere
    }
}

void ObjectTextsEditor::edit() {
    if (!hasTexts(m_document))
        return;
    int sharing = 0;
    try {
        const Catalogue& catalogue = m_app.catalogue.catalogue();
        sharing = qMax(0, catalogue.textIdUsers(ObjectType(m_document.type()),
                                                std::int32_t(m_document.textId())) -
                              1);
    } catch (const UserError&) {
        // without the list the sharing is not known; the texts can still be edited
    }
    auto* dialog =
        new ObjectTextsDialog(m_window, m_document.name(), m_document.description(), sharing);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->check = [this, dialog] {
        return textsMayBeKept(m_app, m_window, dialog->name(), dialog->description());
    };
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (dialog->name() != m_document.name() ||
            dialog->description() != m_document.description())
            m_history->push(new TextsStep(m_document, dialog->name(), dialog->description()));
    });
    dialog->open();
}

QString ObjectTextsEditor::save() {
    if (!hasTexts(m_document) || (!m_document.nameChanged() && !m_document.descriptionChanged()))
        return QString();
    ObjectTexts texts;
    if (m_document.nameChanged())
        texts.name = m_document.name();
    if (m_document.descriptionChanged())
        texts.description = m_document.description();
    return writeObjectTexts(m_app.gameData(), m_document.type(), m_document.textId(), texts);
}

} // namespace zantrel
