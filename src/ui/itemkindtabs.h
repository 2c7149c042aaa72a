#pragma once

#include "formlayouts.h"
#include "proto/document.h"
#include "recordform.h"

#include <QObject>

class QTabWidget;
class QWidget;

namespace zantrel {

struct AppContext;

// The item page's tabs after "Common Stats": one per item kind, of which only the open
// item's is shown, and "Light & Use" (light, attack modes, use flags, sound).
class ItemKindTabs : public QObject {
    Q_OBJECT
public:
    ItemKindTabs(QTabWidget* tabs, AppContext& app);

    void fill(const QByteArray& bytes);
    QList<FieldWrite> fieldWrites() const;
    bool valid() const;
    int savedLength(int length) const; // the new kind's once the kind changed
    // The item type list picked another kind: asks once, since the old kind's fields go.
    // false keeps the old kind.
    bool changeKind(int to, QWidget* parent);

signals:
    void edited();
    void validityChanged();

private:
    RecordForm* addForm(QWidget* tab, int kind, const FormLayout& layout);
    void showKind(int kind);

    QTabWidget* m_tabs;
    AppContext& m_app;
    RecordForm* m_useForm = nullptr;
    RecordForm* m_kindForms[7] = {};
    int m_kindTabs[7] = {}; // each kind's place in the page control
    int m_kind = -1;        // the kind whose tab is shown
    std::uint32_t m_storedKind = 0;
    bool m_kindChanged = false; // a new kind was picked since the last fill
    FormNames m_names;
};

} // namespace zantrel
