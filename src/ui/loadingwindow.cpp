#include "loadingwindow.h"

#include "placement.h"

#include "gamedata/gamesearch.h"
#include "gamedata/loadcheck.h"

#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "editorwindow.h"
#include "picture.h"
#include "prompter.h"
#include "settingswindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

namespace zantrel {

int gaugeStepFor(int count) {
    return count > 0 ? int(roundHalfEven(100.0 / count)) : 0;
}

int checkIntervalFor(int count) {
    return count > 0 ? int(roundHalfEven(500.0 / count)) : 0;
}

LoadingWindow::LoadingWindow(AppContext& app)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_app(app) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Zantrel"));
    setFixedSize(476, 455);
    setAttribute(Qt::WA_StyledBackground);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(0, 0, 476, 455);
    new Picture(panel, QStringLiteral("Image1"), QStringLiteral(":/skins/loading.jpg"),
                QRect(2, 2, 472, 451), tr("Zantrel loading screen"));
    m_label = new QLabel(panel);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(56, 365, 369, 16);
    m_bar = new QProgressBar(panel);
    m_bar->setObjectName(QStringLiteral("Gauge1"));
    m_bar->setGeometry(56, 384, 369, 17);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("Checking game files"));
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &LoadingWindow::checkNextFile);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredIn(screen->geometry(), size()));
}

void LoadingWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        startCheck();
}

void LoadingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    // Without a window manager the window may never become active; start the check anyway.
    QTimer::singleShot(200, this, [this] {
        if (!m_activated && isVisible())
            startCheck();
    });
}

void LoadingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    m_timer->stop();
    if (m_app.quit)
        m_app.quit();
    else
        QCoreApplication::quit();
}

void LoadingWindow::writeFirstSettings() {
    // The defaults, with the game folder where the game is usually installed, else where the
    // user points; with --game the user has named this run's game, so nothing is asked.
    SettingsForm form = defaultSettingsForm(m_app.defaultsFolder());
    QString game = findGameFolder(gameFolderCandidates(m_app.homeFolder));
    if (game.isEmpty() && m_app.gameFolderOverride.isEmpty()) {
        game = normalizedPath(askGameFolder(*m_app.prompter, this));
        m_folderDeclined = game.isEmpty();
    }
    if (!game.isEmpty()) {
        form.gameFolder = game;
        form.useSources = false; // an installed game: its own files, archives included
    }
    try {
        saveini(m_app.settingsPath, form);
    } catch (const UserError& e) {
        // Start anyway on the defaults; the user learns why they will not be kept.
        m_app.prompter->error(this, tr("Error"), AppContext::withPath(e.text(), e.path()));
    }
}

bool LoadingWindow::chooseAnotherGame() {
    // A run given its game on the command line, or a user who just declined to pick one,
    // is not asked again.
    if (m_folderDeclined || !m_app.gameFolderOverride.isEmpty())
        return false;
    const QScopedValueRollback<bool> writing(m_writingSettings, true);
    const QString game = normalizedPath(askGameFolder(*m_app.prompter, this));
    if (game.isEmpty())
        return false;
    // The chosen game's own files, archives included; every other setting stays.
    const Settings s = readini(m_app.settingsPath);
    SettingsForm form;
    form.gameFolder = game;
    form.sourcesFolder = s.sourcesFolder;
    form.useSources = false;
    form.halfSize = s.imageSize == QLatin1String("1");
    form.rows = s.files;
    form.language = s.language;
    try {
        saveini(m_app.settingsPath, form);
    } catch (const UserError& e) {
        m_app.prompter->error(this, tr("Error"), AppContext::withPath(e.text(), e.path()));
        return false;
    }
    return true;
}

QString LoadingWindow::missingText(const QString& name) const {
    const QString text = tr("The file is missing: ") + name;
    // The file may well be inside an archive the game cannot open: say so.
    const Settings& s = m_app.settings;
    const QList<UserError>& problems = m_app.gameData().view()->problems();
    if (s.useSources != QLatin1String("0") || problems.isEmpty())
        return text;
    return text + QLatin1Char('\n') +
           AppContext::withPath(problems.first().text(), problems.first().path());
}

void LoadingWindow::startCheck() {
    // The folder question's dialog hands activation back before the file is written.
    if (m_writingSettings)
        return;
    m_activated = true;
    if (!QFileInfo::exists(m_app.settingsPath)) {
        // The first start (the settings window reloads the file whenever it is shown).
        const QScopedValueRollback<bool> writing(m_writingSettings, true);
        writeFirstSettings();
    }
    m_app.readSettings();
    const Settings& s = m_app.settings;
    m_checkIndex = 0;
    m_gauge = 0;
    m_bar->setValue(0);
    if (s.fileCount == 0) {
        // Nothing to check: hand over at once.
        m_gaugeStep = 0;
        m_timer->stop();
        checkNextFile();
        return;
    }
    m_gaugeStep = gaugeStepFor(s.fileCount);
    m_timer->setInterval(checkIntervalFor(s.fileCount));
    m_timer->start();
}

void LoadingWindow::checkNextFile() {
    const Settings& s = m_app.settings;
    if (m_checkIndex < s.fileCount) {
        ++m_checkIndex;
        const QString name = s.files.value(m_checkIndex - 1);
        m_label->setText(tr("Checking: ") + name);
        // Below the folder as listed, or where the game itself finds the file (its archives
        // included); an empty entry names the folder itself, which is no file.
        if (checkedFileFound(s, m_app.gameData(), name)) {
            m_gauge += m_gaugeStep;
            m_bar->setValue(qMin(m_gauge, 100));
        } else {
            m_timer->stop();
            m_app.prompter->error(this, tr("Error"), missingText(name));
            if (chooseAnotherGame())
                startCheck();
            else
                close();
            return;
        }
    }
    if (m_checkIndex >= s.fileCount) {
        m_gauge = 100;
        m_bar->setValue(100);
        m_label->clear();
        m_timer->stop();
        hide();
        emit checkPassed();
    }
}

} // namespace zantrel
