#include "recordpages.h"

#include "proto/recordkinds.h"
#include "ui/app.h"
#include "ui/formlayouts.h"
#include "ui/recordform.h"

#include <QGroupBox>
#include <QLineEdit>

namespace zantrel {

namespace {

QString kindTitle(std::uint32_t kind) {
    const QString title = builtinChoiceName(Choices::SceneryKind, kind);
    return title.isEmpty() ? QString::number(qint32(kind)) : title;
}

class RecordPage : public TypePage {
    Q_OBJECT
public:
    RecordPage(QWidget* page, int type, const PageContext& context, QLineEdit* size);

    void fill(const QByteArray& bytes) override;
    QList<FieldWrite> fieldWrites() const override;
    bool valid() const override;
    void showFirstInnerPage() override {}
    int savedLength(int length) const override;

private:
    RecordForm* addForm(QWidget* box, int kind, const FormLayout& layout);
    bool kindPicked(std::uint32_t from, std::uint32_t to);
    void showKind(int kind);
    RecordForm* kindForm() const;

    QWidget* m_page;
    int m_type;
    PageContext m_context;
    QLineEdit* m_size;
    FormNames m_names;
    RecordForm* m_common = nullptr;
    QGroupBox* m_kindBoxes[kSceneryKinds] = {};
    RecordForm* m_kindForms[kSceneryKinds] = {};
    int m_kind = -1;            // the scenery kind shown
    bool m_kindChanged = false; // picked anew since the last fill
};

RecordPage::RecordPage(QWidget* page, int type, const PageContext& context, QLineEdit* size)
    : m_page(page), m_type(type), m_context(context), m_size(size) {
    const int commonHeight = type == 4 ? 56 : 84;
    auto* common = new QGroupBox(QStringLiteral("Properties"), page);
    common->setObjectName(QStringLiteral("Properties%1").arg(type));
    common->setGeometry(2, 112, 371, commonHeight);
    m_common = addForm(common, -1, recordLayout(type));
    if (type != 2)
        return;
    m_common->setPickGuard(
        kKindOffset, [this](std::uint32_t from, std::uint32_t to) { return kindPicked(from, to); });
    for (int k = 0; k < kSceneryKinds; ++k) {
        auto* box = new QGroupBox(kindTitle(std::uint32_t(k)), page);
        box->setObjectName(QStringLiteral("SceneryKind_") + QLatin1String(kSceneryKindPrefixes[k]));
        box->setGeometry(2, 112 + commonHeight + 4, 371, 84);
        box->hide();
        m_kindBoxes[k] = box;
        m_kindForms[k] = addForm(box, k, sceneryKindLayout(k));
    }
}

RecordForm* RecordPage::addForm(QWidget* box, int kind, const FormLayout& layout) {
    auto* form = new RecordForm(box, m_type, kind, layout.items, layout.columns);
    connect(form, &RecordForm::edited, this, &TypePage::edited);
    connect(form, &RecordForm::validityChanged, this, &TypePage::validityChanged);
    return form;
}

RecordForm* RecordPage::kindForm() const {
    return m_kind >= 0 ? m_kindForms[m_kind] : nullptr;
}

void RecordPage::showKind(int kind) {
    m_kind = kind >= 0 && kind < kSceneryKinds ? kind : -1;
    for (int k = 0; k < kSceneryKinds; ++k)
        if (m_kindBoxes[k])
            m_kindBoxes[k]->setVisible(k == m_kind);
}

void RecordPage::fill(const QByteArray& bytes) {
    m_size->setText(QString::number(bytes.size()) + QStringLiteral(" bytes"));
    const Names* names = m_names.renew(m_context.app->gameData());
    m_common->fill(bytes, names);
    m_kindChanged = false;
    if (m_type != 2)
        return;
    showKind(recordFor(bytes).kindNumber);
    if (RecordForm* form = kindForm())
        form->fill(bytes, names);
}

bool RecordPage::kindPicked(std::uint32_t from, std::uint32_t to) {
    if (to >= std::uint32_t(kSceneryKinds))
        return false; // an unknown kind stays only as the file has it
    if (!confirmKindChange(*m_context.app->prompter, m_page->window(),
                           QStringLiteral("scenery kind"), kindTitle(from), kindTitle(to),
                           recordLength(2, int(to))))
        return false;
    showKind(int(to));
    kindForm()->fillDefaults(m_names.names());
    m_kindChanged = true;
    emit validityChanged();
    return true;
}

QList<FieldWrite> RecordPage::fieldWrites() const {
    QList<FieldWrite> writes = m_common->fieldWrites();
    if (RecordForm* form = kindForm())
        writes += form->fieldWrites();
    return writes;
}

bool RecordPage::valid() const {
    const RecordForm* form = kindForm();
    return m_common->valid() && (!form || form->valid());
}

int RecordPage::savedLength(int length) const {
    return m_kindChanged ? recordLength(2, m_kind) : length;
}

} // namespace

std::unique_ptr<TypePage> createRecordPage(QWidget* page, int objectType,
                                           const PageContext& context, QLineEdit* size) {
    return std::make_unique<RecordPage>(page, objectType, context, size);
}

} // namespace zantrel

#include "recordpages.moc"
