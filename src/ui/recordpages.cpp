#include "recordpages.h"

#include "proto/recordkinds.h"
#include "ui/app.h"
#include "ui/formlayouts.h"
#include "ui/kindforms.h"
#include "ui/recordform.h"
#include "ui/uitext.h"

#include <QGroupBox>
#include <QLineEdit>

namespace zantrel {

namespace {

class RecordPage : public TypePage {
    Q_OBJECT
public:
    RecordPage(QWidget* page, int type, const PageContext& context, QLineEdit* size);

    void fill(const QByteArray& bytes) override;
    void refill(const QByteArray& bytes, const QByteArray& baseline,
                const ChangedFields& changed) override;
    QList<FieldWrite> fieldWrites() const override;
    QList<FieldWrite> convertedWrites() const override;
    bool valid() const override;
    void showFirstInnerPage() override {}
    int savedLength(int length) const override;

private:
    RecordForm* addForm(QWidget* box, int kind, const FormLayout& layout);

    QWidget* m_page;
    int m_type;
    PageContext m_context;
    QLineEdit* m_size;
    int m_length = 0; // the file's, as opened
    FormNames m_names;
    RecordForm* m_common = nullptr;
    QGroupBox* m_kindBoxes[kSceneryKinds] = {};
    KindForms m_kinds;
};

RecordPage::RecordPage(QWidget* page, int type, const PageContext& context, QLineEdit* size)
    : m_page(page), m_type(type), m_context(context), m_size(size), m_kinds(2, [this](int shown) {
          for (int k = 0; k < kSceneryKinds; ++k)
              m_kindBoxes[k]->setVisible(k == shown);
      }) {
    const int commonHeight = type == 4 ? 56 : type == 2 ? 108 : 84;
    auto* common = new QGroupBox(TypePage::tr("Properties"), page);
    common->setObjectName(QStringLiteral("Properties%1").arg(type));
    common->setGeometry(2, 112, 371, commonHeight);
    m_common = addForm(common, -1, recordLayout(type));
    if (type != 2)
        return;
    m_common->setPickGuard(kKindOffset, [this](std::uint32_t to) {
        if (!m_kinds.change(int(to), *m_context.app->prompter, m_page->window(), m_names.names()))
            return false;
        emit validityChanged();
        // The size box tells the length the save will write.
        m_size->setText(TypePage::tr("%1 bytes").arg(savedLength(m_length)));
        return true;
    });
    for (int k = 0; k < kSceneryKinds; ++k) {
        auto* box = new QGroupBox(shownChoiceName(Choices::SceneryKind, std::uint32_t(k)), page);
        box->setObjectName(QStringLiteral("SceneryKind_") + QLatin1String(kSceneryKindPrefixes[k]));
        box->setGeometry(2, 112 + commonHeight + 4, 371, 84);
        box->hide();
        m_kindBoxes[k] = box;
        m_kinds.add(addForm(box, k, sceneryKindLayout(k)));
    }
}

RecordForm* RecordPage::addForm(QWidget* box, int kind, const FormLayout& layout) {
    auto* form = new RecordForm(box, m_type, kind, layout.items, layout.columns);
    connect(form, &RecordForm::edited, this, &TypePage::edited);
    connect(form, &RecordForm::validityChanged, this, &TypePage::validityChanged);
    return form;
}

void RecordPage::fill(const QByteArray& bytes) {
    m_length = int(bytes.size());
    m_size->setText(TypePage::tr("%1 bytes").arg(bytes.size()));
    const Names* names = m_names.renew(m_context.app->gameData());
    m_common->fill(bytes, names);
    if (m_type == 2)
        m_kinds.fill(bytes, names);
}

void RecordPage::refill(const QByteArray& bytes, const QByteArray& baseline,
                        const ChangedFields& changed) {
    m_size->setText(QString::number(savedLength(int(bytes.size()))) + QStringLiteral(" bytes"));
    m_common->fill(bytes, baseline, m_names.names(), &changed);
    if (m_type == 2)
        m_kinds.fill(bytes, baseline, m_names.names(), &changed);
}

QList<FieldWrite> RecordPage::convertedWrites() const {
    return m_common->convertedWrites() + m_kinds.convertedWrites();
}

QList<FieldWrite> RecordPage::fieldWrites() const {
    return m_common->fieldWrites() + m_kinds.fieldWrites();
}

bool RecordPage::valid() const {
    return m_common->valid() && m_kinds.valid();
}

int RecordPage::savedLength(int length) const {
    return m_kinds.savedLength(length);
}

} // namespace

std::unique_ptr<TypePage> createRecordPage(QWidget* page, int objectType,
                                           const PageContext& context, QLineEdit* size) {
    return std::make_unique<RecordPage>(page, objectType, context, size);
}

} // namespace zantrel

#include "recordpages.moc"
