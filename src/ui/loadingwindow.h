#pragma once

#include "app.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

namespace zantrel {

class Picture;

// The check's pace: 100 / count per file found and 500 / count milliseconds per tick,
// halves to the even neighbour, so the whole check takes about half a second.
int gaugeStepFor(int count);
int checkIntervalFor(int count);

// The loading screen and the program's main window: it makes sure the settings file
// exists, checks one listed game file per timer tick and hands over to the editor window.
// Closing it ends the program.
class LoadingWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadingWindow(AppContext& app);

    void startCheck();
    void checkNextFile();

    int gaugeStep() const { return m_gaugeStep; }
    int checkIndex() const { return m_checkIndex; }
    int gaugeValue() const { return m_gauge; }
    QTimer* timer() const { return m_timer; }

signals:
    void checkPassed(); // every listed file was found: the editor takes over

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void writeFirstSettings();
    // After a failed check: the first start's folder question; a folder chosen is saved.
    bool chooseAnotherGame();
    // The check's message for a file not found, with the broken archive it may lie in.
    QString missingText(const QString& name) const;

    AppContext& m_app;
    int m_checkIndex = 0;
    int m_gaugeStep = 0;
    int m_gauge = 0; // may run past 100; the bar shows at most 100
    bool m_activated = false;
    bool m_writingSettings = false;
    bool m_folderDeclined = false; // the first start's folder question was cancelled

    QLabel* m_label;
    QProgressBar* m_bar;
    QTimer* m_timer;
};

} // namespace zantrel
