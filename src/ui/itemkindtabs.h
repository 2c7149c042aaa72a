#pragma once

#include "formlayouts.h"
#include "kindforms.h"
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
    void refill(const QByteArray& bytes, const QByteArray& baseline, const ChangedFields& changed);
    QList<FieldWrite> fieldWrites() const;
    QList<FieldWrite> convertedWrites() const;
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

    QTabWidget* m_tabs;
    AppContext& m_app;
    RecordForm* m_useForm = nullptr;
    int m_kindTabs[7] = {}; // each kind's place in the page control
    KindForms m_kinds;
    FormNames m_names;
};

} // namespace zantrel
