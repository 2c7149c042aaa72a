#include "artpicture.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "gamedata/gamedata.h"
#include "preview/framedecoder.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace zantrel {

namespace {

constexpr QRgb kBlack = 0xFF000000;

} // namespace

ArtPicture::ArtPicture(QWidget* parent, QRect place, const QString& panelName,
                       const QString& imageName, const QString& accessibleName, Fit fit)
    : m_panel(new QFrame(parent)), m_image(new QLabel(m_panel)), m_fit(fit) {
    m_panel->setObjectName(panelName);
    m_panel->setGeometry(place);
    m_image->setObjectName(imageName);
    m_image->setGeometry(2, 2, place.width() - 4, place.height() - 4);
    m_image->setAccessibleName(accessibleName);
    clear();
}

void ArtPicture::show(const GameData& data, const QString& artFolder, const QString& entry,
                      const QString& sizeSetting) {
    // List entries may carry trailing blanks (the frame list keeps 12 characters of each
    // line); the file systems the lists were written for ignore them in a name.
    QString name = entry;
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    const QString path = artFolder + name;
    if (name.isEmpty() || !data.existsGamePath(path)) {
        clear();
        return;
    }
    draw(data, data.readGamePath(path), sizeSetting);
}

void ArtPicture::draw(const GameData& data, const QByteArray& frame, const QString& sizeSetting) {
    clear();
    const std::int32_t sizeMode = m_fit == Fit::SizeSetting ? strToInt(sizeSetting) : 0;
    Palette palette;
    try {
        palette = Palette::fromBytes(data.read(DataKind::Palette, QStringLiteral("color.pal")));
    } catch (const UserError&) {
        // without a palette the shape is still drawn, in black
    }
    const QSize box = m_image->size();
    m_image->setPixmap(QPixmap::fromImage(m_fit == Fit::SizeSetting
                                              ? renderFrame(frame, palette, sizeMode, box)
                                              : renderFittedFrame(frame, palette, box, kBlack)));
}

void ArtPicture::clear() {
    m_image->setPixmap(QPixmap::fromImage(greyPicture(m_image->size())));
}

} // namespace zantrel
