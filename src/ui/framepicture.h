#pragma once

#include "artpicture.h"
#include "typepage.h"

#include <QObject>
#include <QString>

namespace zantrel {

// The picture on a scenery, wall, tile or misc page: the header's frame list entry through the
// type's art list, centred on black and scaled down to fit, following the list (and the frame
// boxes the list follows) as it changes. The page of another type's prototype keeps its last
// picture, as it keeps its size and description.
class FramePicture : public QObject {
    Q_OBJECT
public:
    // objectType 2..5; the picture's panel and image are named Panel<14 + type> and
    // Image<14 + type>.
    FramePicture(QWidget* page, int objectType, const PageContext& context, QRect place);

    // Draws the list's entry when the open prototype is of this type.
    void redraw();
    const ArtPicture& picture() const { return m_picture; }

private:
    int m_type;
    PageContext m_context;
    ArtPicture m_picture;
    QString m_reported; // the last failure shown, so that one opening shows it once
};

} // namespace zantrel
