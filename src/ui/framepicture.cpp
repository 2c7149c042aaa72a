#include "framepicture.h"

#include "app.h"
#include "core/usererror.h"
#include "gamedata/gamenames.h"
#include "prompter.h"

#include <QComboBox>
#include <QWidget>

namespace zantrel {

namespace {

const char* const kKinds[] = {"Scenery", "Wall", "Tile", "Misc"};

} // namespace

FramePicture::FramePicture(QWidget* page, int objectType, const PageContext& context, QRect place)
    : QObject(page), m_type(objectType), m_context(context),
      m_picture(page, place, QStringLiteral("Panel%1").arg(14 + objectType),
                QStringLiteral("Image%1").arg(14 + objectType),
                tr("%1 picture").arg(QLatin1String(kKinds[(objectType - 2) & 3])),
                ArtPicture::Fit::ScaleDown) {
    // The list follows the frame boxes; an opening that leaves the list's position as it was
    // draws at its end, when the list's count is known.
    if (m_context.frames)
        connect(m_context.frames, &QComboBox::currentIndexChanged, this, &FramePicture::redraw);
    if (m_context.document)
        connect(m_context.document, &Document::opened, this, &FramePicture::redraw);
}

void FramePicture::redraw() {
    const Document* document = m_context.document;
    if (!document || !m_context.app || !m_context.frames || document->type() != m_type)
        return;
    const int at = m_context.frames->currentIndex();
    if (at < 0 || at >= document->artCount()) { // "<NONE>", or no entry yet
        m_picture.clear();
        return;
    }
    // The art folder of the type's list: art/scenery/scenery.lst names art/scenery/ files.
    const QString list = GameNames::artList(std::uint32_t(m_type));
    const QString folder = list.left(list.lastIndexOf(QLatin1Char('/')) + 1);
    try {
        m_picture.show(m_context.app->gameData(), folder, m_context.frames->itemText(at));
        m_reported.clear();
    } catch (const UserError& e) {
        m_picture.clear();
        const QString text = AppContext::withPath(e.text(), e.path());
        if (text == m_reported || !m_context.app->prompter)
            return;
        m_reported = text;
        QWidget* window = m_picture.panel()->window();
        m_context.app->prompter->error(window, QStringLiteral("Error"), text);
    }
}

} // namespace zantrel
