#include "itempictures.h"

#include "app.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "gamedata/datafolder.h"
#include "preview/framedecoder.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

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
        auto* panel = new QFrame(preview);
        panel->setObjectName(QLatin1String(p.panel));
        panel->setGeometry(p.x, 30, 161, 121);
        auto* image = new QLabel(panel);
        image->setObjectName(QLatin1String(p.image));
        image->setGeometry(2, 2, kPictureBox.width(), kPictureBox.height());
        image->setAccessibleName(tr(p.name));
        image->setPixmap(QPixmap::fromImage(greyPicture()));
        (p.x == 12 ? m_ground : m_inventory) = image;
    }
}

void ItemPictures::showGround(const QString& entry) {
    drawEntry(kGroundArt, entry, m_ground);
}

void ItemPictures::showInventory(const QString& entry) {
    drawEntry(kInventoryArt, entry, m_inventory);
}

void ItemPictures::clearGround() {
    clear(m_ground);
}

void ItemPictures::clearInventory() {
    clear(m_inventory);
}

void ItemPictures::drawEntry(const char* folder, const QString& entry, QLabel* box) {
    // List entries may carry trailing blanks (the frame list keeps 12 characters of each
    // line); the file systems the lists were written for ignore them in a name.
    QString name = entry;
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.isEmpty()) {
        clear(box);
        return;
    }
    // The pictures always come from the game as it is installed (its archives and patches
    // folder), whichever folder the lists are read from.
    const QString path = QLatin1String(folder) + name;
    const GameData& data = m_app.gameData();
    if (!data.existsGamePath(path)) {
        clear(box);
        return;
    }
    drawimage(data.readGamePath(path), box);
}

// The frame on grey, centred, at the size the settings ask for; a setting that is not a
// whole number leaves the grey and throws.
void ItemPictures::drawimage(const QByteArray& frame, QLabel* box) {
    clear(box);
    const std::int32_t sizeMode = strToInt(m_app.settings.imageSize);
    Palette palette;
    try {
        palette = Palette::fromBytes(
            m_app.gameData().read(DataKind::Palette, QStringLiteral("color.pal")));
    } catch (const UserError&) {
        // without a palette the shape is still drawn, in black
    }
    box->setPixmap(QPixmap::fromImage(renderFrame(frame, palette, sizeMode)));
}

void ItemPictures::clear(QLabel* box) {
    box->setPixmap(QPixmap::fromImage(greyPicture()));
}

} // namespace zantrel
