#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QLabel;
class QWidget;

namespace zantrel {

struct AppContext;

// The item page's "Preview" group: the picture on the ground (Panel12, Image12) and the one in
// the inventory (Panel13, Image13), drawn from the game folder's art whatever the sources
// setting, centred on grey at the size the settings ask for.
class ItemPictures {
    Q_DECLARE_TR_FUNCTIONS(ItemPictures)

public:
    // The group goes into `parent`; its widgets belong to parent. `app` must outlive this.
    ItemPictures(QWidget* parent, const AppContext& app);

    // Draws an art list entry's frame file when it exists; otherwise the grey box (a picture of
    // another item would be a wrong one). Throws UserError when the file cannot be read or the
    // size setting is no whole number: the picture is then left grey.
    void showGround(const QString& entry);
    void showInventory(const QString& entry);
    void clearGround();
    void clearInventory();

    QLabel* ground() const { return m_ground; }
    QLabel* inventory() const { return m_inventory; }

private:
    void drawEntry(const char* folder, const QString& entry, QLabel* box);
    void drawimage(const QByteArray& frame, QLabel* box);
    static void clear(QLabel* box);

    const AppContext& m_app;
    QLabel* m_ground = nullptr;
    QLabel* m_inventory = nullptr;
};

} // namespace zantrel
