#pragma once

#include "gamedata/catalogue.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QModelIndex;
class QTabWidget;
class QTableView;

namespace zantrel {

struct AppContext;
class PrototypeFilter;
class PrototypeModel;

// "Prototypes": the game's objects as its lists name them, a page per type, each a table
// with a filter box above it. Enter or a double click on a row opens its prototype in the
// editor. The rows come from the shared catalogue and follow its changes.
class PrototypesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PrototypesWindow(AppContext& app);
    ~PrototypesWindow() override;

    // Shows the window at the right of the editor's frame (or as near as the screen lets it),
    // raised, with the keyboard in the shown page's filter box.
    void showBeside(const QRect& editorFrame);
    void showType(ObjectType type);

    QTabWidget* pages() const { return m_pages; }
    QLineEdit* filterBox(ObjectType type) const { return page(type).filter; }
    QTableView* table(ObjectType type) const { return page(type).table; }
    PrototypeModel* model(ObjectType type) const { return page(type).model; }
    // The rows in view: sorted and filtered.
    PrototypeFilter* rows(ObjectType type) const { return page(type).proxy; }

signals:
    // A row was opened: its file below the game's data root ("proto/items/00000012.pro").
    void prototypeChosen(const QString& relative);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        QLineEdit* filter = nullptr;
        QTableView* table = nullptr;
        QLabel* count = nullptr;
        PrototypeModel* model = nullptr;
        PrototypeFilter* proxy = nullptr;
        QString listProblem; // why the type's list could not be read
    };
    const Page& page(ObjectType type) const { return m_page[std::size_t(type)]; }
    ObjectType currentType() const;
    void buildPage(ObjectType type);
    void fillAll();
    void fill(ObjectType type);
    void showCount(ObjectType type);
    void open(ObjectType type, const QModelIndex& row);

    AppContext& m_app;
    QTabWidget* m_pages = nullptr;
    std::array<Page, kObjectTypeCount> m_page;
    int m_shownGeneration = 0; // the catalogue reading the tables show; 0 before the first
};

} // namespace zantrel
