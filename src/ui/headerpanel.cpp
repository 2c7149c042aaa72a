#include "headerpanel.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "flags.h"
#include "gamedata/lists.h"
#include "hexvalidator.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "uitext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <cmath>

namespace zantrel {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, int x, int y, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

HeaderPanel::HeaderPanel(QWidget* back, const Document& document)
    : QWidget(back), m_document(document) {
    setObjectName(QStringLiteral("HeaderPanel"));
    setGeometry(0, 0, 322, 449);
    // The building order is the focus order (the lists are put in their rows).
    buildFormatButtons();
    buildFileButtons();
    buildBoxes();
    buildLists();
    m_flags = std::make_unique<CommonFlags>(this);
    connect(m_flags.get(), &CommonFlags::edited, this, &HeaderPanel::edited);
    m_edits[13] = m_flags->text();
    connectBoxes();
    applyValidators();
}

void HeaderPanel::buildFormatButtons() {
    m_decimalButton = new QRadioButton(tr("Decimal"), this);
    m_decimalButton->setObjectName(QStringLiteral("RadioButton1"));
    m_decimalButton->move(16, 12);
    m_hexButton = new QRadioButton(tr("HEX"), this);
    m_hexButton->setObjectName(QStringLiteral("RadioButton2"));
    m_hexButton->move(88, 12);
    m_hexButton->setChecked(true);
    m_decimalButton->setEnabled(false);
    m_hexButton->setEnabled(false);
    connect(m_decimalButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showDecimal();
    });
    connect(m_hexButton, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showHex();
    });
}

void HeaderPanel::buildFileButtons() {
    auto button = [this](const char* name, const QString& text, QRect place) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        return b;
    };
    m_openButton = button("Button1", tr("Open .PRO"), {155, 8, 69, 25});
    m_saveButton = button("Button2", tr("Save .PRO"), {223, 8, 66, 25});
    m_saveAsButton = button("Button3", tr("As..."), {288, 8, 33, 25});
    m_saveButton->setEnabled(false);
    m_saveAsButton->setEnabled(false);
}

void HeaderPanel::buildBoxes() {
    QLabel* title = addLabel(this, tr("Header ( 32 bytes)"), 8, 40, "Label1");
    title->setGeometry(8, 40, 300, 16);
    title->setAlignment(Qt::AlignHCenter);

    const struct {
        int number;
        QRect place;
        const char* hint; // the box's tool tip
    } boxes[] = {
        {1, {24, 60, 28, 21}, QT_TR_NOOP("Object Type")},
        {6, {112, 60, 96, 21}, QT_TR_NOOP("Object type name")},
        {2, {24, 84, 44, 21}, QT_TR_NOOP("ObjectID")},
        {3, {152, 84, 76, 21}, QT_TR_NOOP("ObjectID x 100")},
        {4, {24, 108, 22, 21}, QT_TR_NOOP("ObjectType")},
        {11, {48, 108, 22, 21}, QT_TR_NOOP("Frame Shift")},
        {12, {72, 108, 38, 21}, QT_TR_NOOP("FrameID")},
        {5, {24, 132, 84, 21}, QT_TR_NOOP("Script")},
    };
    for (const auto& b : boxes) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(b.number));
        e->setGeometry(b.place);
        e->setToolTip(tr(b.hint));
        e->setText(b.number == 6 ? QString() : QStringLiteral("0"));
        e->setEnabled(false);
        m_edits[b.number] = e;
    }
    // The accessible names are the rows'; the type's name box is no field.
    for (const RecordRow& row : headerRows(0))
        if (row.control != QLatin1String("Edit13"))
            m_edits[boxOf(row)]->setAccessibleName(tr(row.name.toUtf8().constData()));
    m_edits[6]->setAccessibleName(tr("Object type name"));
    m_edits[6]->setReadOnly(true);
    addLabel(this, QStringLiteral("--------->"), 56, 63);
    addLabel(this, tr("ObjectID"), 72, 87);
    addLabel(this, tr("ObjectID x 100"), 232, 87);
    addLabel(this, tr("Frame ID"), 236, 111);
    addLabel(this, tr("Script"), 236, 135);
    addLabel(this, tr("Object Type"), 212, 63);
}

void HeaderPanel::buildLists() {
    m_frameList = new QComboBox(this);
    m_frameList->setObjectName(QStringLiteral("ComboBox2"));
    m_frameList->setGeometry(112, 108, 120, 21);
    m_frameList->setAccessibleName(tr("Frame"));
    m_scriptList = new QComboBox(this);
    m_scriptList->setObjectName(QStringLiteral("ComboBox1"));
    m_scriptList->setGeometry(112, 132, 120, 21);
    m_scriptList->setAccessibleName(tr("Script"));
    for (QComboBox* c : {m_scriptList, m_frameList}) {
        c->setEnabled(false);
        c->setMaxVisibleItems(20);
    }
    // Each list stands at the end of its row of boxes, and is reached after them.
    setTabOrder(m_edits[12], m_frameList);
    setTabOrder(m_frameList, m_edits[5]);
    setTabOrder(m_edits[5], m_scriptList);
    // User picks only: selecting by program does not run these.
    connect(m_scriptList, &QComboBox::activated, this, [this] { run([this] { scriptPicked(); }); });
    connect(m_frameList, &QComboBox::activated, this, [this] { run([this] { framePicked(); }); });
}

void HeaderPanel::connectBoxes() {
    connect(m_edits[1], &QLineEdit::textChanged, this,
            [this] { run([this] { objectTypeChanged(); }); });
    connect(m_edits[2], &QLineEdit::textChanged, this,
            [this] { run([this] { objectIdChanged(); }); });
    connect(m_edits[5], &QLineEdit::textChanged, this,
            [this] { run([this] { scriptBoxChanged(); }); });
    connect(m_edits[12], &QLineEdit::textChanged, this,
            [this] { run([this] { frameBoxChanged(); }); });
    for (int n : {3, 4, 11}) {
        QLineEdit* e = m_edits[n];
        connect(e, &QLineEdit::textChanged, this, [this, e] {
            if (!zeroIfEmpty(e))
                noteEdit();
        });
    }
    m_edits[2]->installEventFilter(this);
}

HeaderPanel::~HeaderPanel() = default;

QLineEdit* HeaderPanel::edit(int number) const {
    return number >= 1 && number <= 13 ? m_edits[number] : nullptr;
}

bool HeaderPanel::zeroIfEmpty(QLineEdit* edit) {
    if (!edit->text().isEmpty())
        return false;
    edit->setText(QStringLiteral("0")); // runs the box's handling again with "0"
    return true;
}

void HeaderPanel::selectEntry(QComboBox* list, double n, int none, const QString& text) {
    // A number past the list (or below it) and the text "-1" select "<NONE>".
    list->setCurrentIndex(n >= 0 && n < none && text != QLatin1String("-1") ? int(n) : none);
}

bool HeaderPanel::decimal() const {
    return m_decimalButton->isChecked();
}

bool HeaderPanel::run(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const UserError& e) {
        m_failed = true;
        emit failed(e.text());
        return false;
    }
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edits[2] && event->type() == QEvent::FocusOut && m_edits[2]->isEnabled()) {
        // Only a move to another control of the window: a menu, a pop-up or another window
        // taking the focus leaves the box as it was.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
        case Qt::ActiveWindowFocusReason:
            break;
        default:
            emit descriptionRefreshRequested();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A switch of notation rewrites the boxes but changes no value: it is no edit.
void HeaderPanel::noteEdit() {
    if (!m_converting)
        emit edited();
}

void HeaderPanel::objectTypeChanged() {
    QLineEdit* e = m_edits[1];
    if (zeroIfEmpty(e))
        return;
    noteEdit();
    if (m_document.type() > 5)
        return; // a file of an unknown type shows its header alone, whatever is typed here
    const std::int32_t type = strToInt(e->text());
    if (type >= 0 && type <= 5) {
        m_edits[6]->setText(shownTypeName(type));
        emit typeSelected(type);
    }
}

void HeaderPanel::objectIdChanged() {
    QLineEdit* e = m_edits[2];
    if (zeroIfEmpty(e))
        return;
    noteEdit();
    if (!e->hasFocus())
        return; // only what the user types proposes a text id
    if (decimal()) {
        const double id = strToFloat(e->text()) * 100;
        m_edits[3]->setText(QString::number(qint64(roundHalfEven(id))));
    } else {
        m_edits[3]->setText(hexText(hextoint(e->text()) * 100u, 8));
    }
}

void HeaderPanel::scriptBoxChanged() {
    QLineEdit* e = m_edits[5];
    if (zeroIfEmpty(e))
        return;
    noteEdit();
    // The type byte takes no part in choosing the line.
    selectEntry(m_scriptList, double(scriptLine(scriptWord())), m_document.scriptCount(),
                e->text());
}

std::uint32_t HeaderPanel::scriptWord() const {
    const QString text = m_edits[5]->text();
    if (!decimal())
        return hextoint(text);
    if (text == QLatin1String("-1"))
        return kNoScript;
    const double n = roundHalfEven(std::fabs(strToFloat(text)));
    return n > double(kNoScript) ? kNoScript : std::uint32_t(n);
}

bool HeaderPanel::hasScript() const {
    return headerLayout(m_document.type()).scriptOffset >= 0;
}

void HeaderPanel::frameBoxChanged() {
    QLineEdit* e = m_edits[12];
    if (zeroIfEmpty(e))
        return;
    noteEdit();
    double n = 0;
    if (decimal())
        n = roundHalfEven(strToFloat(e->text())); // a negative one lies beyond the list
    else
        n = hextoint(e->text());
    selectEntry(m_frameList, n, m_document.artCount(), e->text());
    if (e->text() == QLatin1String("FFFFFFFF"))
        e->setText(QStringLiteral("FFFF"));
}

void HeaderPanel::scriptPicked() {
    noteEdit();
    const int at = m_scriptList->currentIndex();
    const bool none = at == m_document.scriptCount() || at < 0;
    const std::uint32_t id =
        none ? kNoScript : scriptIdForLine(scriptWord(), at, m_document.type());
    if (decimal())
        m_edits[5]->setText(none ? QStringLiteral("-1") : QString::number(id));
    else
        m_edits[5]->setText(hexText(id, 8));
    emit descriptionRefreshRequested();
}

void HeaderPanel::framePicked() {
    noteEdit();
    const int at = m_frameList->currentIndex();
    if (decimal())
        m_edits[12]->setText(at == m_document.artCount() || at < 0 ? QStringLiteral("-1")
                                                                   : QString::number(at));
    else if (at < 0)
        m_edits[12]->setText(QStringLiteral("FFFFFFFF"));
    else
        m_edits[12]->setText(at == m_document.artCount() ? QStringLiteral("FFFF")
                                                         : hexText(std::uint32_t(at), 4));
    emit frameChanged();
}

// The number of a header row's box: "Edit12" is 12.
int HeaderPanel::boxOf(const RecordRow& row) {
    return row.control.mid(4).toInt();
}

bool HeaderPanel::fill(const QByteArray& bytes) {
    for (QString& f : m_filled)
        f.clear();
    if (!hasScript())
        showNoScript();
    // Each assignment runs the box's change handling, in the rows' order.
    for (const RecordRow& row : headerRows(m_document.type())) {
        const int number = boxOf(row);
        m_failed = false;
        const QString text = showField(row, bytes); // 2 * width hex digits
        QLineEdit* e = m_edits[number];
        if (e->text() != text) {
            e->setText(text);
        } else {
            // The same text as the last prototype's raises no change, but the lists were
            // refilled and the page may differ: let the box's handling run all the same.
            switch (number) {
            case 1:
                run([this] { objectTypeChanged(); });
                break;
            case 5:
                run([this] { scriptBoxChanged(); });
                break;
            case 12:
                run([this] { frameBoxChanged(); });
                break;
            default:
                break;
            }
        }
        if (m_failed)
            return false;
        m_filled[number] = e->text();
        if (row.offset + row.width > bytes.size())
            disableAbsent(number); // enableForOpen enables it again for the next file
    }
    return true;
}

void HeaderPanel::disableAbsent(int number) {
    m_edits[number]->setEnabled(false);
    if (number == 5)
        m_scriptList->setEnabled(false);
    if (number == 13) {
        m_flags->panel()->setEnabled(false);
        m_flags->manual()->setEnabled(false);
    }
}

QList<FieldWrite> HeaderPanel::fieldWrites() const {
    QList<FieldWrite> writes;
    for (const RecordRow& row : headerRows(m_document.type())) {
        const int number = boxOf(row);
        const QString text = hexOf(number);
        writes.append(
            {row.offset, row.width, text, !m_filled[number].isNull() && text == m_filled[number]});
    }
    return writes;
}

void HeaderPanel::showBytes(const QByteArray& bytes) {
    const bool wasDecimal = decimal();
    selectHex();
    fill(bytes);
    if (wasDecimal)
        m_decimalButton->setChecked(true);
}

void HeaderPanel::showNoScript() {
    const QSignalBlocker quiet(m_edits[5]);
    m_edits[5]->setText(kNoneEntry);
    m_scriptList->setCurrentIndex(m_document.scriptCount());
    m_edits[5]->setEnabled(false);
    m_scriptList->setEnabled(false);
}

void HeaderPanel::enableForOpen() {
    for (int n : {1, 2, 3, 4, 5, 6, 11, 12})
        m_edits[n]->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{m_scriptList, m_frameList, m_decimalButton,
                                                      m_hexButton, m_saveButton, m_saveAsButton})
        w->setEnabled(true);
    m_flags->enableForOpen();
}

double HeaderPanel::typeFieldValue() const {
    return strToFloat(m_edits[1]->text());
}

qint64 HeaderPanel::textIdValue() const {
    if (decimal())
        return strToInt(m_edits[3]->text());
    return hextoint(m_edits[3]->text());
}

} // namespace zantrel
