#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>

class QLabel;
class QWidget;

namespace zantrel {

struct AppContext;
class ArtPicture;

// The item page's "Preview" group: the picture on the ground (Panel12, Image12) and the one in
// the inventory (Panel13, Image13), drawn from the game folder's art whatever the sources
// setting, centred on grey at the size the settings ask for.
class ItemPictures {
    Q_DECLARE_TR_FUNCTIONS(ItemPictures)

public:
    // The group goes into `parent`; its widgets belong to parent. `app` must outlive this.
    ItemPictures(QWidget* parent, const AppContext& app);
    ~ItemPictures();

    // Draws an art list entry's frame file when it exists; otherwise the grey box (a picture of
    // another item would be a wrong one). Throws UserError when the file cannot be read or the
    // size setting is no whole number: the picture is then left grey.
    void showGround(const QString& entry);
    void showInventory(const QString& entry);
    void clearGround();
    void clearInventory();

    QLabel* ground() const;
    QLabel* inventory() const;

private:
    const AppContext& m_app;
    std::unique_ptr<ArtPicture> m_ground;
    std::unique_ptr<ArtPicture> m_inventory;
};

} // namespace zantrel
