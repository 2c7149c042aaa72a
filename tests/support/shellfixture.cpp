#include "shellfixture.h"

#include "ui/editorwindow.h"
#include "ui/loadingwindow.h"
#include "ui/settingswindow.h"
#include "ui/filetreewindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTest>

ShellFixture::ShellFixture(bool createNow) {
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(folder.path());
    shell.programFolder = folder.path();
    shell.prompter = &prompter;
    // A first start looks for the game below home: never the real one.
    shell.homeFolder = folder.file("home");
    if (createNow)
        create();
}

ShellFixture::~ShellFixture() {
    zantrel::destroyWindows(shell);
    QDir::setCurrent(m_oldCurrent);
}

void ShellFixture::create() {
    zantrel::createWindows(shell);
}

void ShellFixture::writeSourceFiles(const QStringList& names) {
    for (const QString& n : names)
        folder.write("Source/" + n, "x");
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qSleep(2);
    }
    return true;
}
