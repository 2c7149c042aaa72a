#include "critterpreview.h"

#include "app.h"
#include "core/files.h"
#include "core/usererror.h"
#include "frameclock.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace zantrel {

namespace {

const char* const kRotate = QT_TRANSLATE_NOOP("zantrel::CritterPreview", "Rotate");
const char* const kStop = QT_TRANSLATE_NOOP("zantrel::CritterPreview", "Stop");

} // namespace

CritterPreview::CritterPreview(QWidget* parent, QPoint at, QString startFolder, QString ownFolder,
                               FrameClock* clock)
    : m_startFolder(std::move(startFolder)),
      m_ownFolder(ownFolder.isEmpty() ? m_startFolder : std::move(ownFolder)) {
    m_panel = new QFrame(parent);
    m_panel->setObjectName(QStringLiteral("Panel4"));
    m_panel->setGeometry(at.x(), at.y(), 121, 121);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(2);

    m_image = new QLabel(m_panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(2, 2, 117, 117);
    m_image->setAlignment(Qt::AlignCenter); // centred, never scaled
    m_image->setAccessibleName(tr("Critter preview"));

    m_button = new QPushButton(tr(kRotate), parent);
    m_button->setObjectName(QStringLiteral("BitBtn1"));
    m_button->setGeometry(at.x() + (121 - 70) / 2, at.y() + 121 + 6, 70, 25);
    m_button->setAccessibleName(tr("Rotate the preview"));
    m_button->setEnabled(false);
    connect(m_button, &QPushButton::clicked, this, [this] { rotatePreview(); });

    m_timer = new QTimer(m_panel); // found by name with the window's other controls
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(250);
    connect(m_timer, &QTimer::timeout, this, [this] { turnPreview(); });

    m_play = new QPushButton(tr("Play"), parent);
    m_play->setObjectName(QStringLiteral("BitBtn2"));
    m_play->setGeometry(m_button->geometry().translated(70 + 6, 0));
    m_play->setAccessibleName(tr("Play the standing animation"));
    m_play->setEnabled(false);
    connect(m_play, &QPushButton::clicked, this, [this] { playPreview(); });

    m_clock = clock ? clock : new TimerClock(m_panel);
    m_clock->setParent(m_panel);
    m_clock->setObjectName(QStringLiteral("Timer3"));
    connect(m_clock, &FrameClock::ticked, this, [this] { nextFrame(); });
    // The animation runs only while it can be seen: another tab or page hides the panel.
    m_panel->installEventFilter(this);
}

bool CritterPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        updatePlay();
    return false;
}

QString CritterPreview::artName(const QString& entry) {
    const int comma = entry.indexOf(QLatin1Char(','));
    return comma < 0 ? entry : entry.left(comma);
}

QString CritterPreview::picture(const QString& relative) const {
    // Art names are often upper case in the lists while the pictures are not.
    const QString below = resolvePath(m_startFolder, relative);
    return QFileInfo(below).isFile() ? below : resolvePath(m_ownFolder, relative);
}

bool CritterPreview::load(const QString& path) {
    // Regular files only: a pipe or a device under that name must not block the window.
    QImage picture;
    if (QFileInfo(path).isFile() && picture.load(path)) {
        m_image->setPixmap(QPixmap::fromImage(picture));
        m_shown = path;
        return true;
    }
    return false;
}

void CritterPreview::report(const QString& path) {
    emit failed(tr("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
}

bool CritterPreview::showArt(int facing) {
    if (!m_artSource)
        return false;
    std::optional<Art> art;
    try {
        art = m_artSource(m_name, facing);
    } catch (const UserError& e) {
        emit failed(AppContext::withPath(e.text(), e.path())); // a broken archive, say
        return false;
    }
    if (!art)
        return false;
    m_art = std::move(art);
    m_frame %= m_art->art.frames();
    drawFrame();
    m_shown = QStringLiteral("art/critters/%1aa").arg(m_name);
    return true;
}

void CritterPreview::drawFrame() {
    m_image->setPixmap(QPixmap::fromImage(
        renderCritterFrame(m_art->art.file, m_art->art.direction, m_frame, m_art->palette)));
}

void CritterPreview::showcritterimage(const QString& artEntry) {
    m_name = artName(artEntry);
    m_base = QStringLiteral("images/critters/") + m_name;
    m_facing = 3;
    m_fromArt = false;
    m_art.reset();
    m_frame = 0;
    const QString first = picture(m_base + QStringLiteral("_3.bmp"));
    if (QFileInfo(first).isFile()) {
        if (!load(first))
            report(first);
        m_button->setEnabled(true); // a running rotation goes on with the new name
        updatePlay();
        return;
    }
    if (showArt(3)) {
        m_fromArt = true;
        m_button->setEnabled(true);
        updatePlay(); // and a running animation with the new art, at its rate
        return;
    }
    m_timer->stop();
    m_button->setText(tr(kRotate));
    const QString notAvailable = resolvePath(m_ownFolder, QStringLiteral("images/notav.bmp"));
    if (!load(notAvailable))
        report(notAvailable);
    m_button->setEnabled(false);
    updatePlay();
}

void CritterPreview::rotatePreview() {
    if (m_button->text() == tr(kRotate)) {
        m_button->setText(tr(kStop));
        m_timer->start();
    } else {
        m_button->setText(tr(kRotate));
        m_timer->stop();
    }
}

void CritterPreview::turnPreview() {
    m_facing = m_facing + 1 > 6 ? 1 : m_facing + 1;
    if (m_fromArt) {
        if (showArt(m_facing))
            return;
        m_timer->stop(); // as below: one message, no tick while it is up
        m_button->setText(tr(kRotate));
        m_art.reset();
        updatePlay();
        report(QStringLiteral("art/critters/%1aa.fr%2").arg(m_name).arg(m_facing - 1));
        return;
    }
    const QString next = picture(m_base + QStringLiteral("_%1.bmp").arg(m_facing));
    if (load(next))
        return;
    // A facing that cannot be shown would fail on every tick: stop at the first one, before
    // the message, so no tick arrives while it is up.
    m_timer->stop();
    m_button->setText(tr(kRotate));
    report(next);
}

void CritterPreview::enable() {
    m_button->setEnabled(true);
}

void CritterPreview::playPreview() {
    if (m_playing)
        stopPlaying();
    else
        m_playing = true;
    updatePlay();
}

void CritterPreview::stopPlaying() {
    m_playing = false;
}

void CritterPreview::nextFrame() {
    if (!m_art)
        return;
    m_frame = (m_frame + 1) % m_art->art.frames();
    drawFrame();
}

void CritterPreview::updatePlay() {
    // Prepared bitmaps are one picture a facing, and a single frame has nothing to play.
    const bool playable = m_art && m_art->art.frames() > 1;
    if (!playable)
        stopPlaying();
    m_play->setEnabled(playable);
    m_play->setText(m_playing ? tr("Stop") : tr("Play"));
    if (m_playing && m_panel->isVisible()) {
        const int interval = std::max(1, 1000 / m_art->art.fps());
        if (!m_clock->isActive() || m_clock->interval() != interval)
            m_clock->start(interval);
    } else {
        m_clock->stop();
    }
}

} // namespace zantrel
