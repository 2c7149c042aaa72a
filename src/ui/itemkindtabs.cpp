#include "itemkindtabs.h"

#include "proto/fieldcodec.h"
#include "proto/itemfields.h"
#include "proto/recordkinds.h"
#include "ui/app.h"
#include "ui/formlayouts.h"

#include <QTabWidget>

namespace zantrel {

namespace {

// The kinds' tabs in the page control's order.
const char* const kKindTabs[] = {"Weapon", "Armor", "Container", "Misc", "Ammo", "Drug", "Key"};

} // namespace

ItemKindTabs::ItemKindTabs(QTabWidget* tabs, AppContext& app)
    : QObject(tabs), m_tabs(tabs), m_app(app) {
    for (const char* t : kKindTabs) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet_") + QLatin1String(t));
        const int at = m_tabs->addTab(page, QLatin1String(t));
        m_tabs->setTabVisible(at, false);
        for (int k = 0; k < kItemKinds; ++k)
            if (QLatin1String(kItemTypes[k]) == QLatin1String(t)) {
                m_kindTabs[k] = at;
                m_kindForms[k] = addForm(page, k, itemKindLayout(k));
            }
    }
    auto* use = new QWidget;
    use->setObjectName(QStringLiteral("TabSheet_LightUse"));
    m_tabs->addTab(use, QStringLiteral("Light && Use"));
    m_useForm = addForm(use, -1, itemUseLayout());
}

RecordForm* ItemKindTabs::addForm(QWidget* tab, int kind, const FormLayout& layout) {
    auto* form = new RecordForm(tab, 0, kind, layout.items, layout.columns);
    connect(form, &RecordForm::edited, this, &ItemKindTabs::edited);
    connect(form, &RecordForm::validityChanged, this, &ItemKindTabs::validityChanged);
    return form;
}

void ItemKindTabs::showKind(int kind) {
    m_kind = kind >= 0 && kind < kItemKinds ? kind : -1;
    for (int k = 0; k < kItemKinds; ++k)
        m_tabs->setTabVisible(m_kindTabs[k], k == m_kind);
}

void ItemKindTabs::fill(const QByteArray& bytes) {
    const Names* names = m_names.renew(m_app.gameData());
    m_useForm->fill(bytes, names);
    m_kindChanged = false;
    m_storedKind =
        bytes.size() >= kKindOffset + 4 ? fieldValue(bytes, kKindOffset, 4) : 0xFFFFFFFFu;
    showKind(recordFor(bytes).kindNumber);
    if (m_kind >= 0)
        m_kindForms[m_kind]->fill(bytes, names);
}

bool ItemKindTabs::changeKind(int to, QWidget* parent) {
    if (to < 0 || to >= kItemKinds)
        return false;
    const QString from =
        m_kind >= 0 ? QLatin1String(kItemTypes[m_kind]) : QString::number(qint32(m_storedKind));
    if (!confirmKindChange(*m_app.prompter, parent, QStringLiteral("item type"), from,
                           QLatin1String(kItemTypes[to]), recordLength(0, to)))
        return false;
    showKind(to);
    m_kindForms[to]->fillDefaults(m_names.names());
    m_kindChanged = true;
    emit validityChanged();
    return true;
}

QList<FieldWrite> ItemKindTabs::fieldWrites() const {
    QList<FieldWrite> writes = m_useForm->fieldWrites();
    if (m_kind >= 0)
        writes += m_kindForms[m_kind]->fieldWrites();
    return writes;
}

bool ItemKindTabs::valid() const {
    return m_useForm->valid() && (m_kind < 0 || m_kindForms[m_kind]->valid());
}

int ItemKindTabs::savedLength(int length) const {
    return m_kindChanged ? recordLength(0, m_kind) : length;
}

} // namespace zantrel
