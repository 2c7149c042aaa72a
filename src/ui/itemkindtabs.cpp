#include "itemkindtabs.h"

#include "proto/itemfields.h"
#include "proto/recordkinds.h"
#include "ui/app.h"
#include "ui/formlayouts.h"

#include <QTabWidget>

namespace zantrel {

namespace {

// The kinds' tabs in the page control's order.
const char* const kKindTabs[] = {QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Weapon"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Armor"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Container"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Misc"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Ammo"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Drug"),
                                 QT_TRANSLATE_NOOP("zantrel::ItemKindTabs", "Key")};

} // namespace

ItemKindTabs::ItemKindTabs(QTabWidget* tabs, AppContext& app)
    : QObject(tabs), m_tabs(tabs), m_app(app), m_kinds(0, [this](int shown) {
          // A hidden tab is disabled too: the tab bar's keys and Ctrl+Tab pass over disabled
          // tabs, not over hidden ones.
          for (int k = 0; k < kItemKinds; ++k) {
              m_tabs->setTabVisible(m_kindTabs[k], k == shown);
              m_tabs->setTabEnabled(m_kindTabs[k], k == shown);
          }
      }) {
    RecordForm* forms[kItemKinds] = {};
    for (const char* t : kKindTabs) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet_") + QLatin1String(t));
        const int at = m_tabs->addTab(page, tr(t));
        m_tabs->setTabVisible(at, false);
        m_tabs->setTabEnabled(at, false);
        for (int k = 0; k < kItemKinds; ++k)
            if (QLatin1String(kItemTypes[k]) == QLatin1String(t)) {
                m_kindTabs[k] = at;
                forms[k] = addForm(page, k, itemKindLayout(k));
            }
    }
    for (RecordForm* form : forms)
        m_kinds.add(form);
    auto* use = new QWidget;
    use->setObjectName(QStringLiteral("TabSheet_LightUse"));
    m_tabs->addTab(use, tr("Light && Use"));
    m_useForm = addForm(use, -1, itemUseLayout());
}

RecordForm* ItemKindTabs::addForm(QWidget* tab, int kind, const FormLayout& layout) {
    auto* form = new RecordForm(tab, 0, kind, layout.items, layout.columns);
    connect(form, &RecordForm::edited, this, &ItemKindTabs::edited);
    connect(form, &RecordForm::validityChanged, this, &ItemKindTabs::validityChanged);
    return form;
}

void ItemKindTabs::fill(const QByteArray& bytes) {
    const Names* names = m_names.renew(m_app.gameData());
    m_useForm->fill(bytes, names);
    m_kinds.fill(bytes, names);
}

void ItemKindTabs::refill(const QByteArray& bytes, const QByteArray& baseline,
                          const ChangedFields& changed) {
    const Names* names = m_names.names();
    m_useForm->fill(bytes, baseline, names, &changed);
    m_kinds.fill(bytes, baseline, names, &changed);
}

bool ItemKindTabs::changeKind(int to, QWidget* parent) {
    if (!m_kinds.change(to, *m_app.prompter, parent, m_names.names()))
        return false;
    emit validityChanged();
    return true;
}

QList<FieldWrite> ItemKindTabs::fieldWrites() const {
    return m_useForm->fieldWrites() + m_kinds.fieldWrites();
}

QList<FieldWrite> ItemKindTabs::convertedWrites() const {
    return m_useForm->convertedWrites() + m_kinds.convertedWrites();
}

bool ItemKindTabs::valid() const {
    return m_useForm->valid() && m_kinds.valid();
}

int ItemKindTabs::savedLength(int length) const {
    return m_kinds.savedLength(length);
}

} // namespace zantrel
