#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QWidget;

namespace zantrel {

struct AppContext;

// The "Recent" submenu: the files last opened or saved, newest first, one item each, kept in
// the settings file so the list outlives the program. Disabled while empty.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    // Fills menu from the settings file; window is the parent of a failure's message.
    RecentMenu(QMenu* menu, AppContext& app, QWidget* window);

    const QStringList& files() const { return m_files; }
    void add(const QString& path);    // opened or saved: first in the list
    void remove(const QString& path); // a file that is gone

signals:
    void chosen(const QString& path);

private:
    void rebuild();
    void store();

    QMenu* m_menu;
    AppContext& m_app;
    QWidget* m_window;
    QStringList m_files;
    bool m_failureShown = false;
};

} // namespace zantrel
