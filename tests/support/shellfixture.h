#pragma once

#include "recordingprompter.h"
#include "ui/app.h"
#include "tempfolder.h"

#include <QWidget>
#include <memory>

// The four windows in a temporary program folder with the recording prompter.
// The process's current folder is the program folder while the fixture lives.
class ShellFixture {
public:
    // With writeSettings the settings file is written first (pointing at the sources folder
    // "Source" of the program folder, with the given files present there).
    explicit ShellFixture(bool createWindows = true);
    ~ShellFixture();

    TempFolder folder;
    RecordingPrompter prompter;
    zantrel::Shell shell;

    // Writes files named like the default list into <program folder>/Source.
    void writeSourceFiles(const QStringList& names);
    void create();

private:
    QString m_oldCurrent;
};

// Runs the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 3000);
