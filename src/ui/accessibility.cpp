#include "accessibility.h"

#include "picturebutton.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace zantrel {

namespace {

// The entry is also the box's text: the AT-SPI bridge passes no value text on, and a screen
// reader reads a combo box's text as what it shows.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        // The widget's own name, or its label's: never the entry, which is the value.
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The list first, then the typing box, as Qt's own combo box interface has them.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    // The entry as read-only text without a cursor or selection.
    QString text(int start, int end) const override {
        return box()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(object()); }
};

// One tab of a tab bar; it has no object of its own.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name) {
            const QString name = m_bar->accessibleTabName(m_index);
            return name.isEmpty() ? withoutMnemonic(m_bar->tabText(m_index)) : name;
        }
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (QAccessibleInterface* bar = parent())
            s = bar->state();
        const bool current = m_index == m_bar->currentIndex();
        s.selectable = true;
        s.checkable = true;
        s.selected = current;
        s.checked = current;
        s.focused = current && m_bar->hasFocus();
        // Hidden tabs exist for the pages that may show them; until then they are not there.
        if (!m_bar->isTabVisible(m_index)) {
            s.invisible = true;
            s.offscreen = true;
            s.focusable = false;
            s.selectable = false;
        }
        if (!m_bar->isTabEnabled(m_index))
            s.disabled = true;
        return s;
    }
    QRect rect() const override {
        if (!isValid() || !m_bar->isTabVisible(m_index))
            return QRect();
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }

    QStringList actionNames() const override {
        return isValid() && m_bar->isTabVisible(m_index) ? QStringList{pressAction()}
                                                         : QStringList();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid() && m_bar->isTabVisible(m_index) &&
            m_bar->isTabEnabled(m_index))
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// A tab bar's children are its tabs, numbered as the bar numbers them (Qt's focus and
// selection events name a tab by its index), then its own widgets (the scroll buttons).
class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // The bar's name, else its tab widget's; the current tab is what it shows, not what
        // it is.
        if (!bar()->accessibleName().isEmpty())
            return bar()->accessibleName();
        if (auto* pages = qobject_cast<QTabWidget*>(bar()->parentWidget()))
            if (!pages->accessibleName().isEmpty())
                return pages->accessibleName();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return bar()->count() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0)
            return nullptr;
        if (index >= bar()->count())
            return QAccessibleWidget::child(index - bar()->count());
        if (QAccessible::Id id = m_tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new TabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (!child->object()) {
            for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it)
                if (QAccessible::accessibleInterface(it.value()) == child)
                    return it.key();
            return -1;
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : bar()->count() + widget;
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() && bar()->currentIndex() >= 0 ? child(bar()->currentIndex())
                                                               : nullptr;
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(object()); }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

// A picture button's pressed or highlighted picture: part of the button's look.
class ButtonFaceAccessible : public QAccessibleWidget {
public:
    explicit ButtonFaceAccessible(QWidget* face) : QAccessibleWidget(face, QAccessible::Graphic) {}
    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

// The controls below container in rows; a widget that takes the focus is one control (a combo
// box with its typing box), one that passes it on (a tab widget to its bar) is gone into.
void controlsByRows(QWidget* container, QList<QWidget*>& out) {
    QList<QWidget*> parts;
    for (QObject* child : container->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            parts << w;
    std::stable_sort(parts.begin(), parts.end(), [](QWidget* a, QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    for (qsizetype at = 0; at < parts.size();) {
        const int rowBottom = parts[at]->geometry().bottom();
        const qsizetype first = at;
        while (at < parts.size() && parts[at]->y() <= rowBottom)
            ++at;
        std::stable_sort(parts.begin() + first, parts.begin() + at,
                         [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    }
    for (QWidget* w : std::as_const(parts)) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            out << w;
        else
            controlsByRows(w, out);
    }
}

QAccessibleInterface* zantrelInterfaces(const QString&, QObject* object) {
    // Asked for every class of the object from the most derived up: answer at the first.
    if (auto* box = qobject_cast<QComboBox*>(object))
        return new ComboBoxAccessible(box);
    if (auto* bar = qobject_cast<QTabBar*>(object))
        return new TabBarAccessible(bar);
    if (auto* face = qobject_cast<ButtonFace*>(object))
        return new ButtonFaceAccessible(face);
    return nullptr;
}

} // namespace

void orderTabsByRows(QWidget* container) {
    QList<QWidget*> controls;
    controlsByRows(container, controls);
    for (qsizetype k = 1; k < controls.size(); ++k)
        QWidget::setTabOrder(controls[k - 1], controls[k]);
}

void installAccessibility() {
    QAccessible::installFactory(zantrelInterfaces);
}

void nameComboEditors(QWidget* root) {
    for (QComboBox* box : root->findChildren<QComboBox*>())
        if (QLineEdit* typing = box->lineEdit(); typing && typing->accessibleName().isEmpty())
            typing->setAccessibleName(box->accessibleName());
}

// A caption as read out: a mnemonic's "&" goes, "&&" is one "&" ("Light && Use").
QString withoutMnemonic(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

} // namespace zantrel
