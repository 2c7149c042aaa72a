#include "recentmenu.h"

#include "app.h"
#include "core/usererror.h"
#include "prompter.h"
#include "settings/recentfiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace zantrel {

RecentMenu::RecentMenu(QMenu* menu, AppContext& app, QWidget* window)
    : QObject(menu), m_menu(menu), m_app(app), m_window(window),
      m_files(readRecentFiles(app.settingsPath)) {
    rebuild();
}

void RecentMenu::add(const QString& path) {
    const QStringList files = withRecentFile(m_files, QFileInfo(path).absoluteFilePath());
    if (files == m_files)
        return; // already first: nothing to write
    m_files = files;
    rebuild();
    store();
}

void RecentMenu::remove(const QString& path) {
    if (m_files.removeAll(path) == 0)
        return;
    rebuild();
    store();
}

void RecentMenu::rebuild() {
    m_menu->clear();
    for (int i = 0; i < m_files.size(); ++i) {
        // The first nine get their digit as the key that picks them in the open menu.
        QString name = QDir::toNativeSeparators(m_files[i]);
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* item = m_menu->addAction(number + QLatin1Char(' ') + name);
        const QString path = m_files[i];
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->setEnabled(!m_files.isEmpty());
}

void RecentMenu::store() {
    // Before the first start has written the settings, a file holding only the list would
    // pass for settings with nothing to check: the list waits in memory instead.
    if (!QFileInfo::exists(m_app.settingsPath))
        return;
    try {
        saveRecentFiles(m_app.settingsPath, m_files);
    } catch (const UserError& e) {
        // Once a run: the list still works, and every open would repeat the same message.
        if (m_failureShown)
            return;
        m_failureShown = true;
        m_app.prompter->error(m_window, tr("Error"), AppContext::withPath(e.text(), e.path()));
    }
}

} // namespace zantrel
