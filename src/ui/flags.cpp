#include "flags.h"

#include "hexvalidator.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "uitext.h"

#include <algorithm>
#include <iterator>

namespace zantrel {

namespace {

const int kWordLength = 8;

// The common word, by position. Position 3 has no box, nor has "2" at position 5.
const FlagBoxRow kCommonRows[] = {
    {1, '1', 21, QT_TRANSLATE_NOOP("Flags", "Flag 8"), nullptr},
    {1, '2', 1, QT_TRANSLATE_NOOP("Flags", "Простреливается"),
     QT_TRANSLATE_NOOP(
         "Flags",
         "Видать испольуются для того, чтобы в режиме боя движок знал, можно ли через этот объект "
         "стрелять")},
    {1, '4', 22, QT_TRANSLATE_NOOP("Flags", "Flag 9"), nullptr},
    {1, '8', 23, QT_TRANSLATE_NOOP("Flags", "Flag 10"), nullptr},
    {1, 'A', 29, QT_TRANSLATE_NOOP("Flags", "Flag 15"), nullptr},
    {2, '1', 24, QT_TRANSLATE_NOOP("Flags", "Flag 11"), nullptr},
    {2, '2', 26, QT_TRANSLATE_NOOP("Flags", "Flag 12"), nullptr},
    {2, '4', 27, QT_TRANSLATE_NOOP("Flags", "Flag 13"), nullptr},
    {2, '8', 28, QT_TRANSLATE_NOOP("Flags", "Flag 14"), nullptr},
    {4, '1', 5, QT_TRANSLATE_NOOP("Flags", "Прозрачн. + свечение"),
     QT_TRANSLATE_NOOP("Flags", "Прозрачный + ночью светится (самосвечение)")},
    {4, '2', 2, QT_TRANSLATE_NOOP("Flags", "Прозрачность (25%)"),
     QT_TRANSLATE_NOOP("Flags", "Прозрачность объекта (типа стекло) 25% прозрачен")},
    {4, '4', 3, QT_TRANSLATE_NOOP("Flags", "Прозрачность (50%)"),
     QT_TRANSLATE_NOOP("Flags", "Прозрачность объекта (типа стекло) 50% прозрачен")},
    {4, '8', 4, QT_TRANSLATE_NOOP("Flags", "Жёлтая палитра"),
     QT_TRANSLATE_NOOP("Flags", "Объект приобретает жёлтоватый оттенок")},
    {5, '1', 8, QT_TRANSLATE_NOOP("Flags", "Не показ. жёлт. обвод."),
     QT_TRANSLATE_NOOP("Flags", "Не показывает жёлтую обводку предмета (ITEMS)")},
    {5, '4', 7, QT_TRANSLATE_NOOP("Flags", "Красная палитра"),
     QT_TRANSLATE_NOOP("Flags", "Объект приобретает красноватый оттенок")},
    {5, '8', 6, QT_TRANSLATE_NOOP("Flags", "Не просвечивается"),
     QT_TRANSLATE_NOOP("Flags", "Не просвечивается, когда криттер находится сзади объекта")},
    {6, '1', 17, QT_TRANSLATE_NOOP("Flags", "Flag 4"), nullptr},
    {6, '2', 18, QT_TRANSLATE_NOOP("Flags", "Flag 5"), nullptr},
    {6, '4', 19, QT_TRANSLATE_NOOP("Flags", "Flag 6"), nullptr},
    {6, '8', 20, QT_TRANSLATE_NOOP("Flags", "Flag 7"), nullptr},
    {7, '1', 10, QT_TRANSLATE_NOOP("Flags", "Проходим"),
     QT_TRANSLATE_NOOP("Flags", "Объект проходим")},
    {7, '2', 9, QT_TRANSLATE_NOOP("Flags", "Источник света"),
     QT_TRANSLATE_NOOP("Flags", "Объект является источником света")},
    {7, '4', 15, QT_TRANSLATE_NOOP("Flags", "Flag 2"), nullptr},
    {7, '8', 16, QT_TRANSLATE_NOOP("Flags", "Flag 3"), nullptr},
    {8, '1', 13, QT_TRANSLATE_NOOP("Flags", "Не отображать"),
     QT_TRANSLATE_NOOP("Flags", "Объект не рисуется на карте")},
    {8, '2', 14, QT_TRANSLATE_NOOP("Flags", "Flag 1"), nullptr},
    {8, '4', 12, QT_TRANSLATE_NOOP("Flags", "Показывать 1 раз"),
     QT_TRANSLATE_NOOP("Flags", "Объект исчезает, если повторно попасть на эту карту")},
    {8, '8', 11, QT_TRANSLATE_NOOP("Flags", "На задний план"),
     QT_TRANSLATE_NOOP(
         "Flags",
         "Объект как бы становится на задний план (может быть перекрыт другими объектами)")},
};

const FlagBoxRow kForUseRows[] = {
    {5, 'B', 31, QT_TRANSLATE_NOOP("Flags", "Can Use On"), nullptr},
    {6, '8', 30, QT_TRANSLATE_NOOP("Flags", "Can Use"), nullptr},
};

// Two captions begin with the Cyrillic capital Es (U+0421): users search for them as they
// have always been written.
const FlagBoxRow kIndividualRows[] = {
    {5, '1', 40, QT_TRANSLATE_NOOP("Flags", "Has special death"), nullptr},
    {5, '2', 41, QT_TRANSLATE_NOOP("Flags", "Has extra hand-to-hand range"), nullptr},
    {5, '4', 42, QT_TRANSLATE_NOOP("Flags", "Can't be knocked back"), nullptr},
    {6, '1', 36, QT_TRANSLATE_NOOP("Flags", "Dead body can age"), nullptr},
    {6, '2', 37, QT_TRANSLATE_NOOP("Flags", "Can't heal by age"), nullptr},
    {6, '4', 38, QT_TRANSLATE_NOOP("Flags", "Is Invulnerable"), nullptr},
    {6, '8', 39, QT_TRANSLATE_NOOP("Flags", "Can't be flatten on death"), nullptr},
    {7, '2', 33, QT_TRANSLATE_NOOP("Flags", "Can't be stolen from"), nullptr},
    {7, '4', 34, QT_TRANSLATE_NOOP("Flags", "Сan't drop items"), nullptr},
    {7, '8', 35, QT_TRANSLATE_NOOP("Flags", "Can't loose limbs"), nullptr},
    {8, '2', 32, QT_TRANSLATE_NOOP("Flags", "Сan Barter"), nullptr},
};

// Rows in the order of their box numbers, which is the order on screen and so the tab order.
std::vector<const FlagBoxRow*> byNumber(const std::vector<FlagBoxRow>& rows) {
    std::vector<const FlagBoxRow*> sorted;
    for (const FlagBoxRow& row : rows)
        sorted.push_back(&row);
    std::sort(sorted.begin(), sorted.end(),
              [](const FlagBoxRow* a, const FlagBoxRow* b) { return a->number < b->number; });
    return sorted;
}

// Small and semi-condensed, so the longest captions fit their columns with the wide fonts of
// Linux desktops too.
QFont smallFont(QFont font) {
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QCheckBox* makeBox(QWidget* parent, const FlagBoxRow& row, const QString& group) {
    auto* box = new QCheckBox(tableText("Flags", row.caption), parent);
    // Set on each box: a page's style sheet drops a font a box would inherit from its panel.
    box->setFont(smallFont(box->font()));
    box->setObjectName(QStringLiteral("CheckBox%1").arg(row.number));
    box->setAccessibleName(box->text() + group);
    if (row.hint)
        box->setToolTip(tableText("Flags", row.hint));
    return box;
}

QLineEdit* makeText(QWidget* parent, const char* name, QRect place, const QString& accessible) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(QLatin1String(name));
    text->setGeometry(place);
    text->setFrame(false);
    QFont font = text->font();
    font.setBold(true);
    text->setFont(font);
    // A page's style sheet would otherwise give the word its own font and border back.
    text->setStyleSheet(QStringLiteral("QLineEdit { font-weight: bold; border: none; }"));
    text->setValidator(new HexValidator(text));
    text->setAccessibleName(accessible);
    text->setText(QStringLiteral("00000000"));
    return text;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, const char* name, QPoint place) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(place);
    label->adjustSize();
    return label;
}

} // namespace

const std::vector<FlagBoxRow>& commonFlagRows() {
    static const std::vector<FlagBoxRow> rows(std::begin(kCommonRows), std::end(kCommonRows));
    return rows;
}

const std::vector<FlagBoxRow>& forUseFlagRows() {
    static const std::vector<FlagBoxRow> rows(std::begin(kForUseRows), std::end(kForUseRows));
    return rows;
}

const std::vector<FlagBoxRow>& individualFlagRows() {
    static const std::vector<FlagBoxRow> rows(std::begin(kIndividualRows),
                                              std::end(kIndividualRows));
    return rows;
}

void FlagWord::add(QCheckBox* box, int position, QChar digit) {
    m_boxes.push_back({box, position, digit});
}

namespace {

// The value of a hexadecimal digit; -1 for anything else.
int digitValue(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    return u >= u'A' && u <= u'F' ? u - u'A' + 10 : -1;
}

} // namespace

void FlagWord::decode() const {
    const QString word = m_text->text().left(kWordLength);
    for (const Box& b : m_boxes) {
        const int bits = digitValue(b.digit);
        const int at = b.position <= word.size() ? digitValue(word[b.position - 1]) : -1;
        if (at >= 0 && (at & bits) == bits)
            b.box->setChecked(true);
    }
}

void FlagWord::clear() const {
    for (const Box& b : m_boxes)
        b.box->setChecked(false);
}

void FlagWord::change() {
    emit edited();
    const QString word = m_text->text().left(kWordLength);
    clear();
    // Only a clipped text is written back (which runs this cycle once more inside): writing
    // an unchanged text would move the cursor to the end and break undo while typing.
    if (word != m_text->text())
        m_text->setText(word);
    decode();
}

void FlagWord::flagchange(QCheckBox* box, QChar digit, int position) const {
    QString word = m_text->text();
    const int bits = digitValue(digit);
    const int at = position >= 1 && position <= word.size() ? digitValue(word[position - 1]) : -1;
    if (at >= 0 && bits >= 0) {
        // Only the box's own bits change: other flags sharing the digit stay as stored.
        const int value = box->isChecked() ? at | bits : at & ~bits;
        word[position - 1] = QString::number(value, 16).toUpper().front();
    }
    if (word != m_text->text()) {
        m_text->setText(word); // the text-change cycle brings every box of the word in line
        return;
    }
    // A position beyond the end of a short text: the click changes nothing, the box included.
    clear();
    decode();
}

CommonFlags::CommonFlags(QWidget* parent) {
    connect(&m_word, &FlagWord::edited, this, &CommonFlags::edited);
    makeLabel(parent, tr("FLAGS"), "LabelFlags", {8, 156});

    m_panel = new QFrame(parent);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(4, 172, 313, 233);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setAccessibleName(tr("Flags"));

    auto* divider = new QFrame(m_panel);
    divider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    divider->setGeometry(153, 4, 3, 224);

    // Left column CheckBox1..14 with captions on the right; right column CheckBox15..29 (25 is
    // "Set Manually:", below the panel) with captions on the left, against the box.
    for (const FlagBoxRow* row : byNumber(commonFlagRows())) {
        QCheckBox* box = makeBox(m_panel, *row, tr(" (flags)"));
        const bool right = row->number >= 15;
        const int line = right ? row->number - (row->number > 25 ? 16 : 15) : row->number - 1;
        box->setGeometry(right ? 157 : 3, 4 + 16 * line, right ? 152 : 150, 16);
        if (right)
            box->setLayoutDirection(Qt::RightToLeft);
        m_boxes[row->number] = box;
        m_word.add(box, row->position, QLatin1Char(row->digit));
        connect(box, &QCheckBox::clicked, this, [this, row, box] {
            m_word.flagchange(box, QLatin1Char(row->digit), row->position);
        });
    }

    m_manual = new QCheckBox(tr("Set Manually:"), parent);
    m_manual->setObjectName(QStringLiteral("CheckBox25"));
    m_manual->setGeometry(8, 410, 110, 18);
    m_manual->setAccessibleName(tr("Set flags manually"));

    m_text = makeText(parent, "Edit13", {120, 408, 90, 22}, tr("Flags (hexadecimal)"));
    m_text->setMaxLength(kWordLength);
    QFont font = m_text->font();
    font.setPixelSize(13);
    m_text->setFont(font);
    m_text->setStyleSheet(
        QStringLiteral("QLineEdit { font-weight: bold; font-size: 13px; border: none; }"));

    m_word.setText(m_text);
    connect(m_text, &QLineEdit::textChanged, this, [this] { flagsTextChanged(); });
    connect(m_manual, &QCheckBox::clicked, this, [this] { manualToggled(); });

    m_panel->setEnabled(false);
    m_manual->setEnabled(false);
    m_text->setEnabled(false);
}

void CommonFlags::setcommonflags() {
    m_word.decode();
}

void CommonFlags::clearflags() {
    m_word.clear();
}

void CommonFlags::manualToggled() {
    applyManual();
}

void CommonFlags::flagsTextChanged() {
    m_word.change();
}

// Only one way of editing is open at a time, so the boxes never act on a text shorter than a
// whole word while it is being typed.
void CommonFlags::enableForOpen() {
    m_manual->setEnabled(true);
    applyManual();
}

void CommonFlags::applyManual() {
    const bool typing = m_manual->isChecked();
    m_text->setEnabled(typing);
    m_panel->setEnabled(!typing);
}

QCheckBox* CommonFlags::box(int number) const {
    return number >= 0 && number < int(m_boxes.size()) ? m_boxes[number] : nullptr;
}

CritterFlags::CritterFlags(QWidget* container) {
    for (FlagWord* word : {&m_forUse, &m_individ})
        connect(word, &FlagWord::edited, this, &CritterFlags::edited);
    makeLabel(container, tr("Flags for Use"), "LabelFlagsForUse", {8, 4});

    auto build = [this, container](const std::vector<FlagBoxRow>& rows, FlagWord& word,
                                   const QString& group) {
        for (const FlagBoxRow* row : byNumber(rows)) {
            QCheckBox* box = makeBox(container, *row, group);
            const int n = row->number;
            const QPoint place = n == 30   ? QPoint(8, 22)
                                 : n == 31 ? QPoint(200, 22)
                                 : n <= 36 ? QPoint(8, 70 + 18 * (n - 32))
                                           : QPoint(180, 70 + 18 * (n - 37));
            box->move(place);
            box->resize(n == 30 ? 90 : n == 31 ? 150 : n <= 36 ? 170 : 178, 18);
            m_boxes[n - 30] = box;
            word.add(box, row->position, QLatin1Char(row->digit));
            connect(box, &QCheckBox::clicked, this, [this, &word, row, box] {
                flagchange(word.text(), box, QString(QLatin1Char(row->digit)), row->position);
            });
        }
    };

    m_forUseText = makeText(container, "Edit111", {100, 20, 90, 22}, tr("Flags for Use"));
    m_forUseText->setReadOnly(true);
    m_forUse.setText(m_forUseText);
    build(forUseFlagRows(), m_forUse, tr(" (flags for use)"));

    makeLabel(container, tr("Individual Flags"), "LabelIndividualFlags", {8, 52});
    m_individText = makeText(container, "Edit112", {8, 182, 90, 22}, tr("Individual Flags"));
    m_individText->setReadOnly(true);
    m_individ.setText(m_individText);
    build(individualFlagRows(), m_individ, tr(" (individual flags)"));

    // Tab order as read: "Can Use", its word, "Can Use On", then the columns and their word.
    QWidget::setTabOrder(m_boxes[0], m_forUseText);
    QWidget::setTabOrder(m_forUseText, m_boxes[1]);
    QWidget::setTabOrder(m_boxes[12], m_individText);

    connect(m_forUseText, &QLineEdit::textChanged, this, [this] { forUseTextChanged(); });
    connect(m_individText, &QLineEdit::textChanged, this, [this] { individualTextChanged(); });
}

void CritterFlags::flagchange(QLineEdit* text, QCheckBox* box, const QString& digit, int position) {
    const QChar d = digit.isEmpty() ? QLatin1Char('0') : digit.front();
    if (text == m_forUseText)
        m_forUse.flagchange(box, d, position);
    else if (text == m_individText)
        m_individ.flagchange(box, d, position);
}

void CritterFlags::setflagsonuse() {
    m_forUse.decode();
}

void CritterFlags::clearflagsonuse() {
    m_forUse.clear();
}

void CritterFlags::setindividflags() {
    m_individ.decode();
}

void CritterFlags::clearindividflags() {
    m_individ.clear();
}

void CritterFlags::forUseTextChanged() {
    m_forUse.change();
}

void CritterFlags::individualTextChanged() {
    m_individ.change();
}

QCheckBox* CritterFlags::box(int number) const {
    return number >= 30 && number <= 42 ? m_boxes[number - 30] : nullptr;
}

} // namespace zantrel
