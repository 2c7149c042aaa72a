#pragma once

#include <QByteArray>
#include <QRect>
#include <QRgb>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace zantrel {

class GameData;

// One picture of an object drawn from the game's art as it is installed (its archives and
// patches folder, whatever the sources setting): an art list entry's frame file below the
// art folder, in the game's palette, in a sunken panel. Without the file the box is grey: a
// picture of another object would be a wrong one.
class ArtPicture {
public:
    // How the frame is placed: the item pictures centre it on grey at the size the settings
    // ask for; the other types centre it on black, scaled down to fit.
    enum class Fit { SizeSetting, ScaleDown };

    // The panel (object name panelName) takes place in parent; the picture fills it but for
    // a 2-pixel border. Both belong to parent.
    ArtPicture(QWidget* parent, QRect place, const QString& panelName, const QString& imageName,
               const QString& accessibleName, Fit fit);

    // Draws the entry's frame file below artFolder ("art/items/") when the game has it;
    // otherwise the grey box. sizeSetting is the settings' image size text (SizeSetting only).
    // Throws UserError when the file cannot be read or the size setting is no whole number:
    // the picture is then left grey.
    void show(const GameData& data, const QString& artFolder, const QString& entry,
              const QString& sizeSetting = QString());
    void clear();

    QFrame* panel() const { return m_panel; }
    QLabel* image() const { return m_image; }

private:
    void draw(const GameData& data, const QByteArray& frame, const QString& sizeSetting);

    QFrame* m_panel;
    QLabel* m_image;
    Fit m_fit;
};

} // namespace zantrel
