#pragma once

#include "preview/critterart.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace zantrel {

class FrameClock;

// The critter's picture in its black panel, and the "Rotate" button that turns it through the
// six facings, one every quarter of a second. Prepared bitmaps below the start folder win
// (images/critters/<name>_<facing>.bmp); without them the game's own standing art is drawn;
// without either, images/notav.bmp. The game's art can also play: "Play" runs the standing
// animation of the shown facing at the file's rate, while the panel is on screen.
class CritterPreview : public QObject {
    Q_OBJECT
public:
    // The panel Panel4 (121 x 121) with Image1 goes to `at` in parent, BitBtn1 below it and
    // "Play" (BitBtn2) beside that. clock drives the animation (a TimerClock when null); it
    // becomes the panel's child.
    // The widgets and the timer belong to parent; this object must be deleted no later than
    // parent.
    // Prepared bitmaps are looked for below startFolder, then below ownFolder, where the
    // program keeps its own pictures (the not-available one); an empty ownFolder is
    // startFolder.
    CritterPreview(QWidget* parent, QPoint at, QString startFolder, QString ownFolder = {},
                   FrameClock* clock = nullptr);

    // The name of a critter art entry: its text up to the first comma.
    static QString artName(const QString& entry);

    // A critter's standing art for facing 1..6 and the palette it is drawn in; nothing when
    // it has none.
    struct Art {
        StandingArt art;
        Palette palette;
    };
    using ArtSource = std::function<std::optional<Art>(const QString& name, int facing)>;
    void setArtSource(ArtSource source) { m_artSource = std::move(source); }

    // Shows facing 3 of the entry's name, or the not-available picture when it has none.
    void showcritterimage(const QString& artEntry);
    void rotatePreview(); // "Rotate" starts the turning, "Stop" ends it
    void turnPreview();   // the next facing, 6 followed by 1
    void enable();        // any prototype was opened
    void playPreview();   // "Play" starts the standing animation, "Stop" ends it
    void nextFrame();     // the animation's next frame, the last followed by the first

    QFrame* panel() const { return m_panel; }
    QLabel* image() const { return m_image; }
    QPushButton* button() const { return m_button; }
    QTimer* timer() const { return m_timer; }
    QPushButton* playButton() const { return m_play; }
    FrameClock* clock() const { return m_clock; }
    int frame() const { return m_frame; }
    int facing() const { return m_facing; }
    QString baseName() const { return m_base; }
    // The file last shown in Image1.
    QString shownFile() const { return m_shown; }

signals:
    void failed(const QString& message); // a picture could not be loaded

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool load(const QString& path); // false: the picture stays as it was
    bool showArt(int facing);       // false: no art, the picture stays as it was
    void drawFrame();
    void stopPlaying();
    void updatePlay(); // the button follows what is shown; a running animation its rate
    void report(const QString& path);
    QString picture(const QString& relative) const;

    QString m_startFolder;
    QString m_ownFolder;
    QFrame* m_panel;
    QLabel* m_image;
    QPushButton* m_button;
    QTimer* m_timer;
    QPushButton* m_play;
    FrameClock* m_clock;
    std::optional<Art> m_art; // the facing's standing art while it is drawn from the game
    int m_frame = 0;
    bool m_playing = false;
    QString m_base; // relative to the start folder: images/critters/<name>
    QString m_name;
    ArtSource m_artSource;
    bool m_fromArt = false; // turning through the game's art, not the bitmaps
    std::uint8_t m_facing = 3;
    QString m_shown;
};

} // namespace zantrel
