#include "itempictures.h"

#include "app.h"
#include "artpicture.h"
#include "preview/framedecoder.h"

#include <QGroupBox>
#include <QLabel>

namespace zantrel {

namespace {

// Where the pictures come from: always the game folder's art, whatever the sources setting.
const char* const kGroundArt = "art/items/";
const char* const kInventoryArt = "art/inven/";

} // namespace

ItemPictures::ItemPictures(QWidget* parent, const AppContext& app) : m_app(app) {
    auto* preview = new QGroupBox(tr("Preview"), parent);
    preview->setGeometry(4, 162, 357, 156);
    const struct {
        const char* caption;
        Qt::Alignment align;
        const char* panel;
        const char* image;
        const char* name;
        int x;
    } pictures[] = {
        {QT_TR_NOOP("Pic on Ground:"), Qt::AlignLeft, "Panel12", "Image12",
         QT_TR_NOOP("Ground picture"), 12},
        {QT_TR_NOOP(":Pic in Inventory"), Qt::AlignRight, "Panel13", "Image13",
         QT_TR_NOOP("Inventory picture"), 184},
    };
    for (const auto& p : pictures) {
        auto* caption = new QLabel(tr(p.caption), preview);
        caption->setGeometry(p.x, 13, 161, 16);
        caption->setAlignment(p.align | Qt::AlignVCenter);
        auto picture = std::make_unique<ArtPicture>(
            preview, QRect(p.x, 30, kPictureBox.width() + 4, kPictureBox.height() + 4),
            QLatin1String(p.panel), QLatin1String(p.image), tr(p.name),
            ArtPicture::Fit::SizeSetting);
        (p.x == 12 ? m_ground : m_inventory) = std::move(picture);
    }
}

ItemPictures::~ItemPictures() = default;

QLabel* ItemPictures::ground() const {
    return m_ground->image();
}

QLabel* ItemPictures::inventory() const {
    return m_inventory->image();
}

// The pictures always come from the game as it is installed (its archives and patches
// folder), whichever folder the lists are read from.
void ItemPictures::showGround(const QString& entry) {
    m_ground->show(m_app.gameData(), QLatin1String(kGroundArt), entry, m_app.settings.imageSize);
}

void ItemPictures::showInventory(const QString& entry) {
    m_inventory->show(m_app.gameData(), QLatin1String(kInventoryArt), entry,
                      m_app.settings.imageSize);
}

void ItemPictures::clearGround() {
    m_ground->clear();
}

void ItemPictures::clearInventory() {
    m_inventory->clear();
}

} // namespace zantrel
