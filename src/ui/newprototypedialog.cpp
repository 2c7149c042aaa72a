#include "newprototypedialog.h"

#include "app.h"
#include "core/usererror.h"
#include "documentcontroller.h"
#include "gamedata/newprototype.h"
#include "objecttexts.h"
#include "prompter.h"
#include "proto/document.h"
#include "proto/recordkinds.h"
#include "uitext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

// OK in the dialog: the texts checked, the open prototype given up, the prototype added and
// opened. False keeps the dialog open with what was typed.
bool createAndOpen(AppContext& app, DocumentController& controller, const Document& document,
                   NewPrototypeDialog* dialog) {
    if (!textsMayBeKept(app, dialog, dialog->name(), dialog->description()) ||
        !controller.mayReplaceDocument())
        return false;
    const auto type = ObjectType(dialog->type());
    // The copy is what the editor shows: the open file's own unsaved changes are not saved,
    // the question said so, but they go into the new prototype.
    const QByteArray start = dialog->fromCopy()
                                 ? document.current()
                                 : defaultRecord(dialog->type(), qMax(0, dialog->kind()));
    NewPrototype made;
    try {
        // Both entries are written, so an old text at the new text id is not taken for its name.
        made =
            createPrototype(app.gameData(), type, start, {dialog->name(), dialog->description()});
    } catch (const UserError& e) {
        app.prompter->error(dialog, NewPrototypeDialog::tr("Error"),
                            AppContext::withPath(e.text(), e.path()));
        return false;
    }
    try {
        app.catalogue.typeWritten(type);
    } catch (const UserError& e) {
        // The prototype is in the game all the same; only the Prototypes window lags behind.
        app.prompter->error(dialog, NewPrototypeDialog::tr("Error"),
                            AppContext::withPath(e.text(), e.path()));
    }
    controller.openfile(made.file);
    return true;
}

} // namespace

NewPrototypeDialog::NewPrototypeDialog(QWidget* parent, const OpenPrototype& open)
    : TextsDialog(parent), m_open(open), m_form(new QFormLayout(this)), m_type(new QComboBox(this)),
      m_kind(new QComboBox(this)), m_copy(new QRadioButton(this)),
      m_defaults(new QRadioButton(tr("Start from the &defaults"), this)) {
    setObjectName(QStringLiteral("NewPrototype"));
    setWindowTitle(tr("New prototype"));
    m_type->setObjectName(QStringLiteral("ComboBox1"));
    m_type->setAccessibleName(tr("Type"));
    for (int t = 0; t < kObjectTypeCount; ++t)
        m_type->addItem(shownTypeName(t));
    m_kind->setObjectName(QStringLiteral("ComboBox2"));
    m_kind->setAccessibleName(tr("Kind"));

    m_form->addRow(tr("&Type:"), m_type);
    m_form->addRow(tr("&Kind:"), m_kind);
    m_form->addRow(tr("Start:"), buildStart());
    m_boxes = addTextBoxes(m_form, QString(), QString());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("ButtonBox1"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("xpButton1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("xpButton2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_form->addRow(buttons);

    // It starts at the open prototype's type and kind, as its copy; else at the first.
    m_type->setCurrentIndex(qMax(0, open.type));
    showKinds();
    if (open.kind >= 0 && open.kind < m_kind->count())
        m_kind->setCurrentIndex(open.kind);
    offerCopy();
    (m_copy->isEnabled() ? m_copy : m_defaults)->setChecked(true);
    connect(m_type, &QComboBox::activated, this, [this] {
        showKinds();
        offerCopy();
    });
    connect(m_kind, &QComboBox::activated, this, &NewPrototypeDialog::offerCopy);
    m_type->setFocus();
    resize(440, 320);
}

QWidget* NewPrototypeDialog::buildStart() {
    m_copy->setObjectName(QStringLiteral("RadioButton1"));
    QString copied =
        m_open.name.isEmpty() ? m_open.file : tr("%1 (%2)").arg(m_open.file, m_open.name);
    copied.replace(QLatin1Char('&'), QStringLiteral("&&")); // no key of its own
    m_copy->setText(m_open.type < 0 ? tr("Start as a &copy of the open prototype (none is open)")
                                    : tr("Start as a &copy of %1").arg(copied));
    m_copy->setAccessibleName(tr("Start as a copy of the open prototype"));
    m_copy->setToolTip(tr("Offered for the open prototype's own type and kind: its values as "
                          "the editor shows them, unsaved changes included."));
    m_defaults->setObjectName(QStringLiteral("RadioButton2"));
    m_defaults->setAccessibleName(tr("Start from the defaults"));
    m_defaults->setToolTip(tr("Every field zero; none for the script, prototypes, perks and "
                              "destinations."));
    auto* start = new QWidget(this);
    start->setObjectName(QStringLiteral("Panel1"));
    auto* starts = new QVBoxLayout(start);
    starts->setContentsMargins(0, 0, 0, 0);
    starts->addWidget(m_copy);
    starts->addWidget(m_defaults);
    return start;
}

void NewPrototypeDialog::showKinds() {
    const int type = m_type->currentIndex();
    m_kind->clear();
    for (int k = 0; k < kindCount(type); ++k)
        m_kind->addItem(shownChoiceName(type == 0 ? Choices::ItemKind : Choices::SceneryKind,
                                        std::uint32_t(k)));
    m_form->setRowVisible(m_kind, m_kind->count() > 0);
}

void NewPrototypeDialog::offerCopy() {
    const bool same = m_open.type == type() && m_open.kind == kind();
    m_copy->setEnabled(same);
    if (!same && m_copy->isChecked())
        m_defaults->setChecked(true);
}

int NewPrototypeDialog::type() const {
    return m_type->currentIndex();
}

int NewPrototypeDialog::kind() const {
    return m_kind->count() > 0 ? m_kind->currentIndex() : -1;
}

bool NewPrototypeDialog::fromCopy() const {
    return m_copy->isEnabled() && m_copy->isChecked();
}

void askNewPrototype(AppContext& app, DocumentController& controller, const Document& document,
                     QWidget* window) {
    // A new prototype is written under the game's patches folder, never in a folder of its
    // own making.
    if (!QFileInfo(app.gameData().gameFolder()).isDir()) {
        app.prompter->error(window, NewPrototypeDialog::tr("New prototype"),
                            NewPrototypeDialog::tr("No game folder is set: a new prototype is "
                                                   "added to the game. Choose the Fallout "
                                                   "folder in the settings first."));
        return;
    }
    OpenPrototype open;
    if (document.isOpened() && document.type() < kObjectTypeCount) {
        open.type = document.type();
        open.kind = kindCount(open.type) > 0 ? document.kind() : -1;
        open.file = document.fileName();
        open.name = document.name();
    }
    auto* dialog = new NewPrototypeDialog(window, open);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->check = [&app, &controller, &document, dialog] {
        return createAndOpen(app, controller, document, dialog);
    };
    dialog->setModal(true); // the other windows wait too: none opens a file meanwhile
    dialog->show();
}

} // namespace zantrel
